#include "date_text_parser.h"

#include <windows.h>

#include <ctype.h>
#include <string.h>

#include <string>
#include <vector>

#include "civil_date.h"

namespace framework {

namespace {

const char* const kMonthNames[] = {"january", "february", "march",     "april",   "may",      "june",
                                   "july",    "august",   "september", "october", "november", "december"};
const char* const kDayNames[] = {"sunday", "monday", "tuesday", "wednesday", "thursday", "friday", "saturday"};

struct Number {
  int value;
  int digits;
};

// 1-based index of the name that the word abbreviates (three letters at least), or 0.
template <size_t N>
int NameIndex(const std::string& word, const char* const (&names)[N]) {
  if (word.size() < 3) return 0;
  for (size_t i = 0; i < N; ++i)
    if (strncmp(names[i], word.c_str(), word.size()) == 0) return static_cast<int>(i) + 1;
  return 0;
}

class Reader {
 public:
  explicit Reader(const char* pszText) : m_p(pszText) {}

  bool Read(DateTimeText* pResult) {
    while (SkipSeparators()) {
      if (isdigit(static_cast<unsigned char>(*m_p))) {
        Number number;
        if (!ReadNumber(&number)) return false;
        if (*m_p == ':') {
          if (!ReadTime(number.value)) return false;
        } else {
          m_numbers.push_back(number);
        }
      } else if (isalpha(static_cast<unsigned char>(*m_p))) {
        if (!ReadWord()) return false;
      } else {
        return false;
      }
    }
    return Resolve(pResult);
  }

 private:
  // Blanks and the date separators; false at the end of the text.
  bool SkipSeparators() {
    while (*m_p != 0 && strchr(" \t,/-.", *m_p) != nullptr) ++m_p;
    return *m_p != 0;
  }

  bool ReadNumber(Number* pNumber) {
    pNumber->value = 0;
    pNumber->digits = 0;
    for (; isdigit(static_cast<unsigned char>(*m_p)); ++m_p) {
      if (++pNumber->digits > 5) return false;
      pNumber->value = pNumber->value * 10 + (*m_p - '0');
    }
    return true;
  }

  // The hour is read; the text stands at the ':' before the minutes.
  bool ReadTime(int nHour) {
    if (m_bHasTime) return false;
    m_bHasTime = true;
    m_nHour = nHour;
    int* const parts[] = {&m_nMinute, &m_nSecond};
    for (int* pPart : parts) {
      if (*m_p != ':') break;
      ++m_p;
      Number number;
      if (!ReadNumber(&number) || number.digits == 0 || number.digits > 2) return false;
      *pPart = number.value;
    }
    return true;
  }

  bool ReadWord() {
    std::string word;
    for (; isalpha(static_cast<unsigned char>(*m_p)); ++m_p)
      word.push_back(static_cast<char>(tolower(static_cast<unsigned char>(*m_p))));
    if (word == "am" || word == "pm") return ReadMeridiem(word == "pm");
    if (int nMonth = NameIndex(word, kMonthNames)) {
      if (m_nMonthName != 0) return false;
      m_nMonthName = nMonth;
      return true;
    }
    if (NameIndex(word, kDayNames) != 0) {
      m_bHasWeekday = true;
      return true;
    }
    return false;
  }

  // AM or PM after a time, or after a number that is then the hour ("6 pm").
  bool ReadMeridiem(bool bAfternoon) {
    if (m_nMeridiem != 0) return false;
    if (!m_bHasTime) {
      if (m_numbers.empty()) return false;
      m_bHasTime = true;
      m_nHour = m_numbers.back().value;
      m_numbers.pop_back();
    }
    m_nMeridiem = bAfternoon ? 2 : 1;
    return true;
  }

  static int FullYear(const Number& year) {
    if (year.digits > 2) return year.value;
    return year.value < 30 ? 2000 + year.value : 1900 + year.value;
  }

  static bool IsYearFirst(const Number& number) { return number.digits > 2 || number.value > 31; }

  static int ThisYear() {
    SYSTEMTIME now;
    GetLocalTime(&now);
    return now.wYear;
  }

  bool ResolveDate(DateTimeText* pResult) const {
    const std::vector<Number>& n = m_numbers;
    int& year = pResult->nYear;
    int& month = pResult->nMonth;
    int& day = pResult->nDay;
    if (m_nMonthName != 0) {
      month = m_nMonthName;
      if (n.size() == 2) {
        bool bYearFirst = IsYearFirst(n[0]);
        year = FullYear(bYearFirst ? n[0] : n[1]);
        day = (bYearFirst ? n[1] : n[0]).value;
      } else if (n.size() == 1) {
        bool bYearOnly = IsYearFirst(n[0]);
        year = bYearOnly ? FullYear(n[0]) : ThisYear();
        day = bYearOnly ? 1 : n[0].value;
      } else {
        return false;
      }
    } else if (n.size() == 3) {
      bool bYearFirst = IsYearFirst(n[0]);
      year = FullYear(bYearFirst ? n[0] : n[2]);
      month = (bYearFirst ? n[1] : n[0]).value;
      day = (bYearFirst ? n[2] : n[1]).value;
    } else if (n.size() == 2) {
      bool bMonthYear = IsYearFirst(n[1]);
      year = bMonthYear ? FullYear(n[1]) : ThisYear();
      month = n[0].value;
      day = bMonthYear ? 1 : n[1].value;
    } else {
      return false;
    }
    return year >= 100 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
  }

  bool ResolveTime(DateTimeText* pResult) const {
    int nHour = m_nHour;
    if (m_nMeridiem != 0) {
      if (nHour < 1 || nHour > 12) return false;
      nHour = nHour % 12 + (m_nMeridiem == 2 ? 12 : 0);
    }
    pResult->nHour = nHour;
    pResult->nMinute = m_nMinute;
    pResult->nSecond = m_nSecond;
    return nHour <= 23 && m_nMinute <= 59 && m_nSecond <= 59;
  }

  bool Resolve(DateTimeText* pResult) const {
    *pResult = DateTimeText();
    bool bHasDate = !m_numbers.empty() || m_nMonthName != 0;
    // A weekday alone names no day.
    if (!bHasDate && (!m_bHasTime || m_bHasWeekday)) return false;
    if (bHasDate && !ResolveDate(pResult)) return false;
    if (m_bHasTime && !ResolveTime(pResult)) return false;
    pResult->bHasDate = bHasDate;
    pResult->bHasTime = m_bHasTime;
    return true;
  }

  const char* m_p;
  std::vector<Number> m_numbers;  // the date's numbers in their order
  int m_nMonthName = 0;
  bool m_bHasWeekday = false;
  bool m_bHasTime = false;
  int m_nHour = 0;
  int m_nMinute = 0;
  int m_nSecond = 0;
  int m_nMeridiem = 0;  // 1 AM, 2 PM
};

}  // namespace

bool ParseDateTimeText(const char* pszText, DateTimeText* pResult) {
  return pszText != nullptr && Reader(pszText).Read(pResult);
}

}  // namespace framework
