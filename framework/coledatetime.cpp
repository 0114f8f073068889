#include "coledatetime.h"

#include <math.h>
#include <stdio.h>

#include "civil_date.h"
#include "date_text_parser.h"
#include "strftime_text.h"

namespace {

using framework::DaysFromCivil;

const LONGLONG kSecondsPerDay = 86400;
const double kFirstDate = -657434.0;  // 100-01-01
const double kEndDate = 2958466.0;    // 10000-01-01, just after the last valid moment
const LONGLONG kDayZero = DaysFromCivil(1899, 12, 30);  // from 1970-01-01

bool PartsAreValid(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  return nYear >= 100 && nYear <= 9999 && nMonth >= 1 && nMonth <= 12 && nDay >= 1 &&
         nDay <= framework::DaysInMonth(nYear, nMonth) && nHour >= 0 && nHour <= 23 && nMin >= 0 && nMin <= 59 &&
         nSec >= 0 && nSec <= 59;
}

// The OLE date of valid parts.
double DateOfParts(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  double dDays = static_cast<double>(DaysFromCivil(nYear, nMonth, nDay) - kDayZero);
  double dFraction = (nHour * 3600.0 + nMin * 60.0 + nSec) / kSecondsPerDay;
  return dDays >= 0 ? dDays + dFraction : dDays - dFraction;
}

bool IsInRange(double dt) { return dt >= kFirstDate && dt < kEndDate; }

}  // namespace

COleDateTime::COleDateTime(double dtSrc) : m_dt(dtSrc), m_status(IsInRange(dtSrc) ? valid : invalid) {}

COleDateTime::COleDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) : COleDateTime() {
  SetDateTime(nYear, nMonth, nDay, nHour, nMin, nSec);
}

COleDateTime::COleDateTime(const SYSTEMTIME& systimeSrc)
    : COleDateTime(systimeSrc.wYear, systimeSrc.wMonth, systimeSrc.wDay, systimeSrc.wHour, systimeSrc.wMinute,
                   systimeSrc.wSecond) {}

COleDateTime COleDateTime::GetCurrentTime() {
  SYSTEMTIME now;
  GetLocalTime(&now);
  return COleDateTime(now);
}

int COleDateTime::SetDateTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  if (!PartsAreValid(nYear, nMonth, nDay, nHour, nMin, nSec)) {
    m_dt = 0;
    m_status = invalid;
    return 1;
  }
  m_dt = DateOfParts(nYear, nMonth, nDay, nHour, nMin, nSec);
  m_status = valid;
  return 0;
}

BOOL COleDateTime::ParseDateTime(LPCTSTR lpszDate, DWORD dwFlags, LCID) {
  framework::DateTimeText text;
  if (lpszDate == nullptr || !framework::ParseDateTimeText(CStringA(lpszDate).GetString(), &text)) {
    m_dt = 0;
    m_status = invalid;
    return FALSE;
  }
  if (dwFlags & VAR_TIMEVALUEONLY) text.nYear = 1899, text.nMonth = 12, text.nDay = 30;
  if (dwFlags & VAR_DATEVALUEONLY) text.nHour = text.nMinute = text.nSecond = 0;
  return SetDateTime(text.nYear, text.nMonth, text.nDay, text.nHour, text.nMinute, text.nSecond) == 0;
}

double COleDateTime::Linear() const {
  if (m_dt >= 0) return m_dt;
  double dDays = ceil(m_dt);
  return dDays + (dDays - m_dt);
}

COleDateTime COleDateTime::FromLinear(double dLinear) {
  if (dLinear >= 0) return COleDateTime(dLinear);
  double dDays = floor(dLinear);
  double dFraction = dLinear - dDays;
  return COleDateTime(dDays - dFraction);
}

BOOL COleDateTime::GetAsSystemTime(SYSTEMTIME& sysTime) const {
  if (m_status != valid || !IsInRange(m_dt)) return FALSE;
  LONGLONG seconds = llround(Linear() * static_cast<double>(kSecondsPerDay));
  LONGLONG days = seconds >= 0 ? seconds / kSecondsPerDay : -((-seconds + kSecondsPerDay - 1) / kSecondsPerDay);
  LONGLONG secondOfDay = seconds - days * kSecondsPerDay;
  framework::CivilDate date = framework::CivilFromDays(days + kDayZero);
  sysTime.wYear = static_cast<WORD>(date.year);
  sysTime.wMonth = static_cast<WORD>(date.month);
  sysTime.wDay = static_cast<WORD>(date.day);
  sysTime.wDayOfWeek = static_cast<WORD>(((days + kDayZero + 4) % 7 + 7) % 7);  // 1970-01-01: Thursday
  sysTime.wHour = static_cast<WORD>(secondOfDay / 3600);
  sysTime.wMinute = static_cast<WORD>(secondOfDay % 3600 / 60);
  sysTime.wSecond = static_cast<WORD>(secondOfDay % 60);
  sysTime.wMilliseconds = 0;
  return TRUE;
}

int COleDateTime::Part(WORD SYSTEMTIME::*pField) const {
  SYSTEMTIME parts;
  return GetAsSystemTime(parts) ? parts.*pField : -1;
}

int COleDateTime::GetDayOfWeek() const {
  SYSTEMTIME parts;
  return GetAsSystemTime(parts) ? parts.wDayOfWeek + 1 : -1;
}

int COleDateTime::GetDayOfYear() const {
  SYSTEMTIME parts;
  if (!GetAsSystemTime(parts)) return -1;
  return static_cast<int>(DaysFromCivil(parts.wYear, parts.wMonth, parts.wDay) - DaysFromCivil(parts.wYear, 1, 1)) + 1;
}

CString COleDateTime::Format(DWORD dwFlags, LCID) const {
  if (m_status == null) return CString();
  SYSTEMTIME parts;
  if (!GetAsSystemTime(parts)) return CString("Invalid DateTime");
  bool bTimeOnly = (dwFlags & VAR_TIMEVALUEONLY) != 0;
  bool bDateOnly = (dwFlags & VAR_DATEVALUEONLY) != 0;
  bool bDate = bDateOnly || (!bTimeOnly && (parts.wYear != 1899 || parts.wMonth != 12 || parts.wDay != 30));
  bool bTime = bTimeOnly || (!bDateOnly && (parts.wHour != 0 || parts.wMinute != 0 || parts.wSecond != 0)) || !bDate;
  char szDate[32] = "";
  char szTime[32] = "";
  if (bDate)
    snprintf(szDate, sizeof(szDate), "%u/%u/%u", static_cast<unsigned>(parts.wMonth), static_cast<unsigned>(parts.wDay),
             static_cast<unsigned>(parts.wYear));
  if (bTime)
    snprintf(szTime, sizeof(szTime), "%u:%02u:%02u %s", (parts.wHour + 11u) % 12 + 1, static_cast<unsigned>(parts.wMinute),
             static_cast<unsigned>(parts.wSecond), parts.wHour < 12 ? "AM" : "PM");
  CStringA text(szDate);
  if (bDate && bTime) text += ' ';
  text += szTime;
  return CString(text);
}

CString COleDateTime::Format(LPCTSTR lpszFormat) const {
  if (m_status == null) return CString();
  SYSTEMTIME parts;
  if (!GetAsSystemTime(parts)) return CString("Invalid DateTime");
  return framework::FormatTimeFields(parts, 0, lpszFormat);
}

COleDateTime COleDateTime::operator+(const COleDateTimeSpan& dateSpan) const {
  COleDateTime result = FromLinear(Linear() + dateSpan.m_span);
  if (m_status != valid || dateSpan.m_status != COleDateTimeSpan::valid)
    result.m_status = m_status == null || dateSpan.m_status == COleDateTimeSpan::null ? null : invalid;
  return result;
}

COleDateTime COleDateTime::operator-(const COleDateTimeSpan& dateSpan) const { return *this + -dateSpan; }

COleDateTimeSpan COleDateTime::operator-(const COleDateTime& date) const {
  COleDateTimeSpan span(Linear() - date.Linear());
  if (m_status != valid || date.m_status != valid)
    span.m_status = m_status == null || date.m_status == null ? COleDateTimeSpan::null : COleDateTimeSpan::invalid;
  return span;
}
