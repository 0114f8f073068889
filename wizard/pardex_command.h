// The Pardex command line that creates one phone-book entry with its credentials: run directly
// for the settings test, and written into the installation batch file.
#pragma once

#include "cstringt.h"

struct PardexEntry {
  CString strEntry, strServer, strUser, strPassword, strPreSharedKey;
  bool bRemoteGateway = false;
};

// "pardex.exe -n E -s S -u U -p P", then " -k K" when the key is not empty, then " -rg " when
// bRemoteGateway. A password or key holding a blank, a tab or a double quote is quoted so that
// Pardex receives it as one argument. bForBatchFile: the password and key are then escaped for
// cmd.exe as well, so that the batch file hands Pardex the same text.
CString PardexCommandLine(const PardexEntry& entry, bool bForBatchFile);
