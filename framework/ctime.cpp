#include "ctime.h"

#include <string.h>
#include <time.h>

#include <vector>

#include "cinvalidargexception.h"

namespace {

const LONGLONG kTicksPerSecond = 10000000;
const LONGLONG kEpochTicks = 116444736000000000LL;  // 1970-01-01 as a FILETIME count
const LONGLONG kSecondsPerDay = 86400;
const LONGLONG kLastSecond = 32535215999LL;  // 3000-12-31 23:59:59 UTC

// Days from 1970-01-01 to the given date of the proleptic Gregorian calendar; a day beyond the
// month's end counts on.
LONGLONG DaysFromCivil(LONGLONG year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  LONGLONG era = (year >= 0 ? year : year - 399) / 400;
  LONGLONG yearOfEra = year - era * 400;
  int shiftedMonth = month > 2 ? month - 3 : month + 9;  // March is 0
  LONGLONG dayOfYear = (153 * shiftedMonth + 2) / 5;
  LONGLONG dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 + (day - 1);
}

LONGLONG FieldSeconds(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  return DaysFromCivil(nYear, nMonth, nDay) * kSecondsPerDay + nHour * 3600 + nMin * 60 + nSec;
}

// The local time of a moment, as SYSTEMTIME and as seconds counted like UTC ones.
bool LocalTimeOf(LONGLONG time, SYSTEMTIME* pLocal) {
  if (time < -kEpochTicks / kTicksPerSecond || time > kLastSecond + 2 * kSecondsPerDay) return false;
  ULONGLONG ticks = static_cast<ULONGLONG>(kEpochTicks + time * kTicksPerSecond);
  FILETIME fileTime = {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
  SYSTEMTIME utc;
  return FileTimeToSystemTime(&fileTime, &utc) && SystemTimeToTzSpecificLocalTime(nullptr, &utc, pLocal);
}

bool LocalSecondsOf(LONGLONG time, LONGLONG* pSeconds) {
  SYSTEMTIME local;
  if (!LocalTimeOf(time, &local)) return false;
  *pSeconds = FieldSeconds(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond);
  return true;
}

// The moment whose local time is the given count, found from the zone's bias and corrected by
// the local time that moment actually has (daylight saving time at that date).
LONGLONG MomentOfLocalSeconds(LONGLONG localSeconds, int nDST) {
  TIME_ZONE_INFORMATION zone;
  if (GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID) AfxThrowInvalidArgException();
  if (nDST >= 0) return localSeconds + (zone.Bias + (nDST > 0 ? zone.DaylightBias : zone.StandardBias)) * 60LL;
  LONGLONG moment = localSeconds + zone.Bias * 60LL;
  for (int pass = 0; pass < 2; ++pass) {
    LONGLONG actual = 0;
    if (!LocalSecondsOf(moment, &actual)) AfxThrowInvalidArgException();
    if (actual == localSeconds) break;
    moment -= actual - localSeconds;
  }
  return moment;
}

}  // namespace

CTime::CTime(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec, int nDST) {
  if (nYear < 1900 || nMonth < 1 || nMonth > 12 || nDay < 1 || nDay > 31 || nHour < 0 || nHour > 23 || nMin < 0 ||
      nMin > 59 || nSec < 0 || nSec > 59)
    AfxThrowInvalidArgException();
  m_time = MomentOfLocalSeconds(FieldSeconds(nYear, nMonth, nDay, nHour, nMin, nSec), nDST);
  if (m_time < 0 || m_time > kLastSecond) AfxThrowInvalidArgException();
}

CTime CTime::GetCurrentTime() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  LONGLONG ticks = static_cast<LONGLONG>((static_cast<ULONGLONG>(now.dwHighDateTime) << 32) | now.dwLowDateTime);
  return CTime((ticks - kEpochTicks) / kTicksPerSecond);
}

int CTime::LocalField(WORD SYSTEMTIME::*pField) const {
  SYSTEMTIME local;
  return LocalTimeOf(m_time, &local) ? local.*pField : 0;
}

CString CTime::Format(LPCTSTR pszFormat) const {
  SYSTEMTIME local;
  TIME_ZONE_INFORMATION zone;
  if (!LocalTimeOf(m_time, &local) || GetTimeZoneInformation(&zone) == TIME_ZONE_ID_INVALID)
    AfxThrowInvalidArgException();
  LONGLONG localSeconds =
      FieldSeconds(local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute, local.wSecond);
  struct tm fields;
  memset(&fields, 0, sizeof(fields));
  fields.tm_year = local.wYear - 1900;
  fields.tm_mon = local.wMonth - 1;
  fields.tm_mday = local.wDay;
  fields.tm_hour = local.wHour;
  fields.tm_min = local.wMinute;
  fields.tm_sec = local.wSecond;
  fields.tm_wday = local.wDayOfWeek;
  fields.tm_yday = static_cast<int>(DaysFromCivil(local.wYear, local.wMonth, local.wDay) -
                                    DaysFromCivil(local.wYear, 1, 1));
  fields.tm_isdst = m_time - localSeconds != (zone.Bias + zone.StandardBias) * 60LL ? 1 : 0;

  CStringA format(pszFormat);
  if (format.IsEmpty()) return CString();
  // strftime answers 0 both for a result that does not fit and for an empty one.
  std::vector<char> buffer(128);
  size_t length = 0;
  while ((length = strftime(buffer.data(), buffer.size(), format.GetString(), &fields)) == 0 && buffer.size() < 65536)
    buffer.resize(buffer.size() * 2);
  return CString(CStringA(buffer.data(), static_cast<int>(length)));
}
