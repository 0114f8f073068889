// Reads a date and time as the machine's locale (English, month/day/year) writes them, the way
// the OLE date conversion reads them: a date, a time, or both, in either order.
//   dates: "12/9/2026", "12-9-26", "2026-12-09", "2026/12/9", "9 Dec 2026", "Dec 9 2026",
//          "December 9, 2026", "Dec 2026" (the first of the month), "12/9" (this year);
//          a weekday name beside a date is passed over
//   times: "18:00", "18:00:30", "6:00 PM", "6 pm"
// Two-digit years below 30 are 20xx, the others 19xx.
#pragma once

namespace framework {

struct DateTimeText {
  bool bHasDate = false;
  bool bHasTime = false;
  int nYear = 1899;
  int nMonth = 12;
  int nDay = 30;
  int nHour = 0;
  int nMinute = 0;
  int nSecond = 0;
};

// False when the text is neither a date nor a time, or names a day or time that does not exist.
bool ParseDateTimeText(const char* pszText, DateTimeText* pResult);

}  // namespace framework
