// The framework's start of Windows Sockets: AfxSocketInit starts version 1.1 once per process
// (WSACleanup follows at the process's end) and copies the start-up details into *lpwsaData
// when given; FALSE when Windows Sockets could not be started.
#pragma once

#include <windows.h>

struct WSAData;

BOOL AfxSocketInit(WSAData* lpwsaData = nullptr);
