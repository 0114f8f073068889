// sync_clock_report: prints the machine's time as this process sees it, one value a line:
// GetSystemTimeAsFileTime's count, GetTickCount64, time().
#include <stdio.h>
#include <time.h>

#include <windows.h>

int main() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  ULONGLONG ticks = GetTickCount64();
  time_t seconds = time(nullptr);
  unsigned long long count = (static_cast<unsigned long long>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  printf("%llu\n%llu\n%lld\n", count, static_cast<unsigned long long>(ticks), static_cast<long long>(seconds));
  return 0;
}
