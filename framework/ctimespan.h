// A signed length of time in whole seconds: the difference of two CTime values.
#pragma once

#include <windows.h>

#include <compare>

#include "cstringt.h"

class CTimeSpan {
 public:
  CTimeSpan() : m_timeSpan(0) {}
  CTimeSpan(LONGLONG time) : m_timeSpan(time) {}
  CTimeSpan(LONG lDays, int nHours, int nMins, int nSecs)
      : m_timeSpan(((static_cast<LONGLONG>(lDays) * 24 + nHours) * 60 + nMins) * 60 + nSecs) {}

  LONGLONG GetTimeSpan() const { return m_timeSpan; }
  LONGLONG GetDays() const { return m_timeSpan / (24 * 3600); }
  LONGLONG GetTotalHours() const { return m_timeSpan / 3600; }
  LONG GetHours() const { return static_cast<LONG>(GetTotalHours() - GetDays() * 24); }
  LONGLONG GetTotalMinutes() const { return m_timeSpan / 60; }
  LONG GetMinutes() const { return static_cast<LONG>(GetTotalMinutes() - GetTotalHours() * 60); }
  LONGLONG GetTotalSeconds() const { return m_timeSpan; }
  LONG GetSeconds() const { return static_cast<LONG>(m_timeSpan - GetTotalMinutes() * 60); }

  CTimeSpan operator+(CTimeSpan span) const { return CTimeSpan(m_timeSpan + span.m_timeSpan); }
  CTimeSpan operator-(CTimeSpan span) const { return CTimeSpan(m_timeSpan - span.m_timeSpan); }
  CTimeSpan& operator+=(CTimeSpan span) {
    m_timeSpan += span.m_timeSpan;
    return *this;
  }
  CTimeSpan& operator-=(CTimeSpan span) {
    m_timeSpan -= span.m_timeSpan;
    return *this;
  }
  auto operator<=>(const CTimeSpan&) const = default;

  // %D days, %H hours (00-23), %M minutes, %S seconds (two digits each), %% a percent sign;
  // any other character after % stands for itself.
  CString Format(LPCTSTR pszFormat) const;

 private:
  LONGLONG m_timeSpan;
};
