#include "coledatetimespan.h"

#include <math.h>

namespace {

const LONGLONG kSecondsPerDay = 86400;

}  // namespace

COleDateTimeSpan::COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
    : m_span(lDays + (nHours * 3600.0 + nMins * 60.0 + nSecs) / kSecondsPerDay), m_status(valid) {}

LONGLONG COleDateTimeSpan::RoundedSeconds() const {
  return static_cast<LONGLONG>(llround(m_span * static_cast<double>(kSecondsPerDay)));
}

LONG COleDateTimeSpan::GetDays() const { return static_cast<LONG>(RoundedSeconds() / kSecondsPerDay); }

LONG COleDateTimeSpan::GetHours() const { return static_cast<LONG>(RoundedSeconds() % kSecondsPerDay / 3600); }

LONG COleDateTimeSpan::GetMinutes() const { return static_cast<LONG>(RoundedSeconds() % 3600 / 60); }

LONG COleDateTimeSpan::GetSeconds() const { return static_cast<LONG>(RoundedSeconds() % 60); }

COleDateTimeSpan COleDateTimeSpan::operator+(const COleDateTimeSpan& span) const {
  return Combined(m_span + span.m_span, *this, span);
}

COleDateTimeSpan COleDateTimeSpan::operator-(const COleDateTimeSpan& span) const {
  return Combined(m_span - span.m_span, *this, span);
}

COleDateTimeSpan COleDateTimeSpan::Combined(double dblSpan, const COleDateTimeSpan& a, const COleDateTimeSpan& b) {
  COleDateTimeSpan result(dblSpan);
  // A null operand makes a null result, else an invalid one an invalid result.
  if (a.m_status == null || b.m_status == null)
    result.m_status = null;
  else if (a.m_status == invalid || b.m_status == invalid)
    result.m_status = invalid;
  return result;
}
