// A moment as whole seconds since 1970-01-01 00:00:00 UTC. It is built from and broken down
// into the machine's local time (its time zone, daylight saving time as the system decides).
#pragma once

#include <windows.h>

#include <compare>

#include "cstringt.h"
#include "ctimespan.h"

// The Windows headers keep an old macro of this name for GetTickCount.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

class CTime {
 public:
  CTime() : m_time(0) {}
  CTime(LONGLONG time) : m_time(time) {}
  // A local date and time. Fields outside their ranges (month 1-12, day 1-31, hour 0-23, minute
  // and second 0-59, year from 1900) or a moment outside 1970 to 3000 throw
  // CInvalidArgException*; a day beyond the month's end counts on into the next month. nDST
  // below 0 lets the time zone decide whether daylight saving time applies, 0 takes standard
  // time, above 0 daylight time.
  CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST = -1);
  // The moment of a file time (UTC).
  explicit CTime(const FILETIME& fileTime);

  static CTime GetCurrentTime();

  LONGLONG GetTime() const { return m_time; }
  // The local calendar fields; 0 when the moment has no local time.
  int GetYear() const { return LocalField(&SYSTEMTIME::wYear); }
  int GetMonth() const { return LocalField(&SYSTEMTIME::wMonth); }
  int GetDay() const { return LocalField(&SYSTEMTIME::wDay); }
  int GetHour() const { return LocalField(&SYSTEMTIME::wHour); }
  int GetMinute() const { return LocalField(&SYSTEMTIME::wMinute); }
  int GetSecond() const { return LocalField(&SYSTEMTIME::wSecond); }

  CTimeSpan operator-(CTime time) const { return CTimeSpan(m_time - time.m_time); }
  CTime operator-(CTimeSpan span) const { return CTime(m_time - span.GetTimeSpan()); }
  CTime operator+(CTimeSpan span) const { return CTime(m_time + span.GetTimeSpan()); }
  CTime& operator+=(CTimeSpan span) {
    m_time += span.GetTimeSpan();
    return *this;
  }
  CTime& operator-=(CTimeSpan span) {
    m_time -= span.GetTimeSpan();
    return *this;
  }
  auto operator<=>(const CTime&) const = default;

  // The local time by the C runtime's strftime codes. Throws CInvalidArgException* when the
  // moment has no local time.
  CString Format(LPCTSTR pszFormat) const;

 private:
  int LocalField(WORD SYSTEMTIME::*pField) const;

  LONGLONG m_time;
};
