#include "strftime_text.h"

#include <string.h>
#include <time.h>

#include <vector>

#include "civil_date.h"

namespace framework {

CString FormatTimeFields(const SYSTEMTIME& time, int nIsDst, CString::PCXSTR pszFormat) {
  LONGLONG days = DaysFromCivil(time.wYear, time.wMonth, time.wDay);
  struct tm fields;
  memset(&fields, 0, sizeof(fields));
  fields.tm_year = time.wYear - 1900;
  fields.tm_mon = time.wMonth - 1;
  fields.tm_mday = time.wDay;
  fields.tm_hour = time.wHour;
  fields.tm_min = time.wMinute;
  fields.tm_sec = time.wSecond;
  fields.tm_wday = static_cast<int>(((days + 4) % 7 + 7) % 7);  // 1970-01-01 was a Thursday
  fields.tm_yday = static_cast<int>(days - DaysFromCivil(time.wYear, 1, 1));
  fields.tm_isdst = nIsDst;

  CStringA format(pszFormat);
  if (format.IsEmpty()) return CString();
  // strftime answers 0 both for a result that does not fit and for an empty one.
  std::vector<char> buffer(128);
  size_t length = 0;
  while ((length = strftime(buffer.data(), buffer.size(), format.GetString(), &fields)) == 0 && buffer.size() < 65536)
    buffer.resize(buffer.size() * 2);
  return CString(CStringA(buffer.data(), static_cast<int>(length)));
}

}  // namespace framework
