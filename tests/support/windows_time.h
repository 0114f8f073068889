// Windows times in the tests' terms: a FILETIME as its count of 100 ns ticks since 1601, and a
// SYSTEMTIME as text that GoogleTest compares and prints whole.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace testing_support {

constexpr uint64_t kUnixEpochTicks = 116444736000000000ULL;  // 1970-01-01 as a FILETIME

inline uint64_t ticks(const FILETIME& f) { return (uint64_t(f.dwHighDateTime) << 32) | f.dwLowDateTime; }
inline FILETIME file_time(uint64_t t) { return FILETIME{DWORD(t), DWORD(t >> 32)}; }

// "2024-12-31 23:59:59.999 dow2"
inline std::string text(const SYSTEMTIME& t) {
  char out[64];
  snprintf(out, sizeof out, "%04d-%02d-%02d %02d:%02d:%02d.%03d dow%d", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute,
           t.wSecond, t.wMilliseconds, t.wDayOfWeek);
  return out;
}

}  // namespace testing_support
