#include "dotted_ip.h"

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

int ParseNumber(const char* text) {
  const char* p = text;
  while (IsSpace(*p)) ++p;
  bool negative = false;
  if (*p == '+' || *p == '-') negative = *p++ == '-';
  unsigned value = 0;
  for (; IsDigit(*p); ++p) value = value * 10u + static_cast<unsigned>(*p - '0');
  return static_cast<int>(negative ? 0u - value : value);
}

void ParseDottedIp(const char* text, BYTE address[4]) {
  const char* p = text;
  for (int part = 0; part < 4; ++part) {
    while (*p == '.') ++p;
    if (*p == 0) {
      address[part] = 0;
      continue;
    }
    address[part] = static_cast<BYTE>(ParseNumber(p));
    while (*p != 0 && *p != '.') ++p;
  }
}
