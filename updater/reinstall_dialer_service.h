// Installs the dialer service again after its program was replaced, with the arguments the
// wizard's installation batch file gave it.
#pragma once

#include "cstringt.h"

// Runs "tarvolt -d" and then "tarvolt.exe " + the batch file's arguments through the command
// interpreter, unless there are no arguments or they are exactly "ERROR". Always 0: the
// commands' results are not looked at.
int ReinstallDialerService();
// The arguments of the last line of "installservice.bat" (current directory) that holds
// "TARVOLT" in any case: the line after its first blank, trimmed (the whole line trimmed
// without a blank). Empty without the file or such a line; a file that cannot be read throws.
CString ReadInstallArguments();
