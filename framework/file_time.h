// FILETIME (100-nanosecond ticks since 1601, UTC) against the time classes' seconds since 1970.
#pragma once

#include <windows.h>

namespace framework {

constexpr LONGLONG kFileTicksPerSecond = 10000000;
constexpr LONGLONG kFileTicksAt1970 = 116444736000000000LL;

inline LONGLONG SecondsOfFileTime(const FILETIME& fileTime) {
  LONGLONG ticks = static_cast<LONGLONG>((static_cast<ULONGLONG>(fileTime.dwHighDateTime) << 32) |
                                         fileTime.dwLowDateTime);
  return (ticks - kFileTicksAt1970) / kFileTicksPerSecond;
}

inline FILETIME FileTimeOfSeconds(LONGLONG seconds) {
  ULONGLONG ticks = static_cast<ULONGLONG>(kFileTicksAt1970 + seconds * kFileTicksPerSecond);
  return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

}  // namespace framework
