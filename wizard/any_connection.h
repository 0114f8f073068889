// Whether the machine has a RAS connection, whatever its entry: the sign that the installed
// service has dialled.
#pragma once

#include <windows.h>

#include <vector>

// The size of one connection record as the wizard asks for it: the version ending with the LUID,
// without the correlation GUID, which every later version of RAS takes.
extern const DWORD kRasConnRecordSize;

// The RAS connection list in buffer, records of kRasConnRecordSize bytes standing back to back,
// and their number in dwCount; the result of the last RasEnumConnectionsW. The buffer grows to
// the size RAS asks for, a few times at most, since connections can come up between calls.
DWORD ListRasConnections(std::vector<BYTE>& buffer, DWORD& dwCount);
// False as well when the list could not be read.
bool IsAnyConnectionActive();
