// sync_mutex_holder NAME MODE: opens the machine-wide mutex NAME with CreateMutexW and says
// "created" or "exists", then by MODE:
//   create  ends at once
//   hold    waits for ownership, says "owned" or "abandoned", and stays until it is killed
//   quit    waits for ownership, says so, and ends the process without releasing it
//   take    waits for ownership, says so, releases it and ends
//   try     says "owned" or "busy" after a wait of no time, and ends
#include <stdio.h>
#include <string.h>

#include <string>

#include <windows.h>

namespace {

void say(const char* text) {
  printf("%s\n", text);
  fflush(stdout);
}

void say_wait_result(DWORD result) {
  say(result == WAIT_OBJECT_0 ? "owned" : result == WAIT_ABANDONED ? "abandoned" : "busy");
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) return 2;
  std::u16string name;
  for (const char* c = argv[1]; *c; ++c) name += char16_t(*c);
  HANDLE mutex = CreateMutexW(nullptr, FALSE, reinterpret_cast<const WCHAR*>(name.c_str()));
  if (!mutex) return 3;
  say(GetLastError() == ERROR_ALREADY_EXISTS ? "exists" : "created");
  const char* mode = argv[2];
  if (strcmp(mode, "create") == 0) return 0;
  if (strcmp(mode, "try") == 0) {
    say_wait_result(WaitForSingleObject(mutex, 0));
    return 0;
  }
  say_wait_result(WaitForSingleObject(mutex, INFINITE));
  if (strcmp(mode, "hold") == 0) Sleep(INFINITE);
  if (strcmp(mode, "take") == 0) ReleaseMutex(mutex);
  return 0;
}
