#include "ctime.h"

#include "cinvalidargexception.h"
#include "civil_date.h"
#include "file_time.h"
#include "strftime_text.h"

namespace {

using framework::DaysFromCivil;

const LONGLONG kSecondsPerDay = 86400;
const LONGLONG kLastSecond = 32535215999LL;  // 3000-12-31 23:59:59 UTC

LONGLONG FieldSeconds(int nYear, int nMonth, int nDay, int nHour, int nMin, int nSec) {
  return DaysFromCivil(nYear, nMonth, nDay) * kSecondsPerDay + nHour * 3600 + nMin * 60 + nSec;
}

// The local time of a moment, as SYSTEMTIME and as seconds counted like UTC ones.
bool LocalTimeOf(LONGLONG time, SYSTEMTIME* pLocal) {
  if (time < -framework::kFileTicksAt1970 / framework::kFileTicksPerSecond || time > kLastSecond + 2 * kSecondsPerDay)
    return false;
  FILETIME fileTime = framework::FileTimeOfSeconds(time);
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

CTime::CTime(const FILETIME& fileTime) : m_time(framework::SecondsOfFileTime(fileTime)) {}

CTime CTime::GetCurrentTime() {
  FILETIME now;
  GetSystemTimeAsFileTime(&now);
  return CTime(framework::SecondsOfFileTime(now));
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
  int nIsDst = m_time - localSeconds != (zone.Bias + zone.StandardBias) * 60LL ? 1 : 0;
  return framework::FormatTimeFields(local, nIsDst, pszFormat);
}
