// The C runtime's start of a wide GUI program: wWinMain receives the command line after the
// program's name (the name ends at its closing quote when quoted, else at the first blank;
// blanks after it are skipped). Compiled into each such program of the Linux build.
#include <windows.h>

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE hPrevInstance, LPWSTR lpCmdLine, int nShowCmd);

// The machine's start of a GUI program (kernel/console.h): it runs without a console.
namespace platform::console {
void start_gui_program();
}

namespace {

LPWSTR ArgumentsOf(LPWSTR commandLine) {
  LPWSTR p = commandLine;
  if (*p == L'"') {
    for (++p; *p != 0 && *p != L'"'; ++p) {
    }
    if (*p == L'"') ++p;
  } else {
    while (*p != 0 && *p != L' ' && *p != L'\t') ++p;
  }
  while (*p == L' ' || *p == L'\t') ++p;
  return p;
}

}  // namespace

int main() {
  platform::console::start_gui_program();
  return wWinMain(GetModuleHandleW(nullptr), nullptr, ArgumentsOf(GetCommandLineW()), SW_SHOWDEFAULT);
}
