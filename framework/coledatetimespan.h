// A signed length of time in days and fractions of a day, as the OLE dates count: the
// difference of two COleDateTime values. Its status is valid, invalid or null as COleDateTime's.
#pragma once

#include <windows.h>

class COleDateTimeSpan {
 public:
  enum DateTimeSpanStatus { valid = 0, invalid = 1, null = 2 };

  COleDateTimeSpan() : m_span(0), m_status(valid) {}
  COleDateTimeSpan(double dblSpanSrc) : m_span(dblSpanSrc), m_status(valid) {}
  COleDateTimeSpan(LONG lDays, int nHours, int nMins, int nSecs);

  DateTimeSpanStatus GetStatus() const { return m_status; }
  void SetStatus(DateTimeSpanStatus status) { m_status = status; }

  double GetTotalDays() const { return m_span; }
  double GetTotalHours() const { return m_span * 24; }
  double GetTotalMinutes() const { return m_span * 24 * 60; }
  double GetTotalSeconds() const { return m_span * 24 * 60 * 60; }
  // The whole days, and the hours, minutes and seconds within the last day (rounded to the
  // second; negative for a negative span).
  LONG GetDays() const;
  LONG GetHours() const;
  LONG GetMinutes() const;
  LONG GetSeconds() const;

  COleDateTimeSpan operator+(const COleDateTimeSpan& span) const;
  COleDateTimeSpan operator-(const COleDateTimeSpan& span) const;
  COleDateTimeSpan& operator+=(const COleDateTimeSpan& span) { return *this = *this + span; }
  COleDateTimeSpan& operator-=(const COleDateTimeSpan& span) { return *this = *this - span; }
  COleDateTimeSpan operator-() const { return Combined(-m_span, *this); }

  double m_span;
  DateTimeSpanStatus m_status;

 private:
  // A span of dblSpan whose status is the worse of a's and b's.
  static COleDateTimeSpan Combined(double dblSpan, const COleDateTimeSpan& a,
                                   const COleDateTimeSpan& b = COleDateTimeSpan());
  LONGLONG RoundedSeconds() const;
};
