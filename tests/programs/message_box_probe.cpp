// Shows message boxes as the programs do and prints each answer, then the last error of a box
// whose style names no buttons.
#include <windows.h>

#include <cstdio>

int main() {
  std::printf("%d\n", MessageBoxA(nullptr, "Access is denied.\r\n", nullptr, MB_ICONINFORMATION));
  std::printf("%d\n", MessageBoxW(nullptr, L"Save changes?", L"Caf\u00E9", MB_YESNOCANCEL | MB_DEFBUTTON2));
  std::printf("%d\n", MessageBoxExW(nullptr, L"Retry?", L"Pardex", MB_RETRYCANCEL | MB_ICONERROR | MB_DEFBUTTON3, 0));
  int answer = MessageBoxA(nullptr, "never shown", "x", 7);
  std::printf("%d %u\n", answer, GetLastError());
  return 0;
}
