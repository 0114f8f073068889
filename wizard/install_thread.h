// The installation worker of the final page: writes the batch file, removes the old service log
// and starts the batch file hidden, reporting each step to the page.
#pragma once

#include <windows.h>

// wParam InstallBatchWritten: lParam 1 when the file was written, else 0.
// wParam InstallBatchStarted: lParam what ShellExecuteW returned (above 32: started).
#define WM_INSTALL_PROGRESS (WM_APP + 2)
enum InstallStep : WPARAM { InstallBatchWritten = 1, InstallBatchStarted = 2 };

// pParam: an InstallSettings made with new, which the thread deletes. Returns 0.
UINT InstallThread(LPVOID pParam);
