// URLs as InternetCrackUrl splits them.
#pragma once

#include <wininet.h>

#include <optional>
#include <string>
#include <string_view>

namespace platform::inet {

// The parts of a URL, each a piece of it ("" when absent); port is the given or the scheme's.
struct UrlParts {
  std::string_view scheme, user, password, host, path, extra;  // extra: "?..." and "#..."
  INTERNET_SCHEME scheme_number = INTERNET_SCHEME_UNKNOWN;
  INTERNET_PORT port = 0;
};

// 0 and the parts, or ERROR_INTERNET_UNRECOGNIZED_SCHEME / ERROR_INTERNET_INVALID_URL.
DWORD split_url(std::string_view url, UrlParts* parts);
// A location given relative to `base` ("http://host:port/path") made absolute.
std::string absolute_url(const std::string& base, const std::string& location);

}  // namespace platform::inet
