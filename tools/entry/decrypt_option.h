// The encrypted options -ep and -ek: decoded with the decryption password in the thread's ANSI
// code page, the result back in wide text.
#pragma once

#include "cmd_options.h"

// Replaces plain's value by the decoded value of encrypted; false when it does not decode.
bool DecryptOption(const CmdOption& encrypted, const CStringW& strPassword, CmdOption& plain);
