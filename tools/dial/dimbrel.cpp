// Dimbrel: dials the first phone-book entry whose name contains the one argument, with the
// credentials stored for it, and leaves the connection up. Exit code 0 when connected, else 1.
#include <windows.h>
#include <shellapi.h>

#include "dial_entry.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  if (argv == nullptr) {
    ShowDimbrelMessage(L"Cannot retrieve command line arguments", true);
    return 1;
  }
  int nExitCode = 1;
  if (argc != 2)
    ShowDimbrelMessage(L"Incorrect number of arguments", true);
  else if (argv[1][0] == 0)
    ShowDimbrelMessage(L"Empty argument", false);
  else
    nExitCode = DialEntry(argv[1]) == 1 ? 0 : 1;
  ::LocalFree(argv);
  return nExitCode;
}
