// A date and time as an OLE date: days since 1899-12-30 00:00, the fraction of the day as the
// time (before that day the whole days count back while the fraction still counts forward:
// -1.25 is 1899-12-29 06:00). Dates from 100-01-01 to 9999-12-31 are valid; a value outside, a
// text that does not parse, or arithmetic that leaves the range makes the status invalid, and
// the parts then read -1. The texts are the machine's locale's (English, month/day/year).
#pragma once

#include <windows.h>

#include "coledatetimespan.h"
#include "cstringt.h"

// The Windows headers keep an old macro of this name for GetTickCount.
#ifdef GetCurrentTime
#undef GetCurrentTime
#endif

// ParseDateTime and Format: only the time, or only the date, of the text or the value.
#ifndef VAR_TIMEVALUEONLY
#define VAR_TIMEVALUEONLY 0x00000001
#endif
#ifndef VAR_DATEVALUEONLY
#define VAR_DATEVALUEONLY 0x00000002
#endif

class COleDateTime {
 public:
  enum DateTimeStatus { error = -1, valid = 0, invalid = 1, null = 2 };

  COleDateTime() : m_dt(0), m_status(valid) {}
  COleDateTime(double dtSrc);
  COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
  explicit COleDateTime(const SYSTEMTIME& systimeSrc);

  static COleDateTime GetCurrentTime();

  DateTimeStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeStatus status) { m_status = status; }

  // 0 when the parts make a valid date and time; otherwise 1 and the status is invalid.
  int SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec);
  int SetDate(int nYear, int nMonth, int nDay) { return SetDateTime(nYear, nMonth, nDay, 0, 0, 0); }
  int SetTime(int nHour, int nMin, int nSec) { return SetDateTime(1899, 12, 30, nHour, nMin, nSec); }

  // A text without a date takes 1899-12-30, one without a time midnight. dwFlags:
  // VAR_TIMEVALUEONLY or VAR_DATEVALUEONLY keep only that part. The machine has one locale, so
  // every lcid reads the same. FALSE with the status invalid when the text does not parse.
  BOOL ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT);

  // The parts, rounded to the second; -1 unless the status is valid.
  int GetYear() const { return Part(&SYSTEMTIME::wYear); }
  int GetMonth() const { return Part(&SYSTEMTIME::wMonth); }
  int GetDay() const { return Part(&SYSTEMTIME::wDay); }
  int GetHour() const { return Part(&SYSTEMTIME::wHour); }
  int GetMinute() const { return Part(&SYSTEMTIME::wMinute); }
  int GetSecond() const { return Part(&SYSTEMTIME::wSecond); }
  // 1 for Sunday to 7 for Saturday.
  int GetDayOfWeek() const;
  // 1 for the first of January.
  int GetDayOfYear() const;
  BOOL GetAsSystemTime(SYSTEMTIME& sysTime) const;

  // "12/9/2026 6:00:00 PM"; without the date part on 1899-12-30, without the time at midnight
  // (dwFlags VAR_TIMEVALUEONLY or VAR_DATEVALUEONLY: that part alone). "Invalid DateTime" for
  // an invalid value, empty for a null one.
  CString Format(DWORD dwFlags = 0, LCID lcid = LANG_USER_DEFAULT) const;
  // By the C runtime's strftime codes.
  CString Format(LPCTSTR lpszFormat) const;

  COleDateTime operator+(const COleDateTimeSpan& dateSpan) const;
  COleDateTime operator-(const COleDateTimeSpan& dateSpan) const;
  COleDateTime& operator+=(const COleDateTimeSpan& dateSpan) { return *this = *this + dateSpan; }
  COleDateTime& operator-=(const COleDateTimeSpan& dateSpan) { return *this = *this - dateSpan; }
  // A number of days, as a span of that length.
  COleDateTime operator+(double dDays) const { return *this + COleDateTimeSpan(dDays); }
  COleDateTime operator-(double dDays) const { return *this - COleDateTimeSpan(dDays); }
  COleDateTime& operator+=(double dDays) { return *this += COleDateTimeSpan(dDays); }
  COleDateTime& operator-=(double dDays) { return *this -= COleDateTimeSpan(dDays); }
  COleDateTimeSpan operator-(const COleDateTime& date) const;

  // Compare the moments (valid values only).
  bool operator==(const COleDateTime& date) const { return Linear() == date.Linear(); }
  bool operator<(const COleDateTime& date) const { return Linear() < date.Linear(); }
  bool operator>(const COleDateTime& date) const { return date < *this; }
  bool operator<=(const COleDateTime& date) const { return !(date < *this); }
  bool operator>=(const COleDateTime& date) const { return !(*this < date); }

  double m_dt;
  DateTimeStatus m_status;

 private:
  // Days on a straight time line (the fraction counts forward on either side of day 0).
  double Linear() const;
  // The value at a point of that line; invalid outside the range.
  static COleDateTime FromLinear(double dLinear);
  int Part(WORD SYSTEMTIME::*pField) const;
};
