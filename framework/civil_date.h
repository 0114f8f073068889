// Dates of the proleptic Gregorian calendar as day counts from 1970-01-01, both ways; shared by
// the time classes.
#pragma once

#include <windows.h>

namespace framework {

// Days from 1970-01-01 to the given date; a day beyond the month's end counts on.
inline LONGLONG DaysFromCivil(LONGLONG year, int month, int day) {
  year -= month <= 2 ? 1 : 0;
  LONGLONG era = (year >= 0 ? year : year - 399) / 400;
  LONGLONG yearOfEra = year - era * 400;
  int shiftedMonth = month > 2 ? month - 3 : month + 9;  // March is 0
  LONGLONG dayOfYear = (153 * shiftedMonth + 2) / 5;
  LONGLONG dayOfEra = yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear;
  return era * 146097 + dayOfEra - 719468 + (day - 1);
}

struct CivilDate {
  LONGLONG year;
  int month;  // 1-12
  int day;    // 1-31
};

// The date of a day count from 1970-01-01.
inline CivilDate CivilFromDays(LONGLONG days) {
  days += 719468;
  LONGLONG era = (days >= 0 ? days : days - 146096) / 146097;
  LONGLONG dayOfEra = days - era * 146097;
  LONGLONG yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  LONGLONG dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int shiftedMonth = static_cast<int>((5 * dayOfYear + 2) / 153);  // March is 0
  int day = static_cast<int>(dayOfYear - (153 * shiftedMonth + 2) / 5 + 1);
  int month = shiftedMonth < 10 ? shiftedMonth + 3 : shiftedMonth - 9;
  return {yearOfEra + era * 400 + (month <= 2 ? 1 : 0), month, day};
}

inline bool IsLeapYear(LONGLONG year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

inline int DaysInMonth(LONGLONG year, int month) {
  static const int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

}  // namespace framework
