// The program's entry point is the framework's: a program defines its application object and
// no main of its own. Linked only into programs (tarvolt_framework_main), never into tests.
#include <windows.h>

#include "cwinapp.h"
#include "win_api_t.h"

namespace {

// The command line after the program's name, as WinMain receives it: the name ends at the
// closing quote when it is quoted, otherwise at the first blank; blanks after it are skipped.
CString::PXSTR ArgumentsOf(CString::PXSTR commandLine) {
  CString::PXSTR p = commandLine;
  if (*p == '"') {
    for (++p; *p != 0 && *p != '"'; ++p) {
    }
    if (*p == '"') ++p;
  } else {
    while (*p != 0 && *p != ' ' && *p != '\t') ++p;
  }
  while (*p == ' ' || *p == '\t') ++p;
  return p;
}

const int kShowDefault = 10;  // SW_SHOWDEFAULT

}  // namespace

int main() {
  return AfxWinMain(GetModuleHandleA(nullptr), nullptr, ArgumentsOf(framework::GetCommandLineT<CString::XCHAR>()),
                    kShowDefault);
}
