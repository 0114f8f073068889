#include "inet/url.h"

#include <charconv>

namespace platform::inet {
namespace {

struct SchemeName {
  const char* name;
  INTERNET_SCHEME number;
  INTERNET_PORT port;
};

constexpr SchemeName kSchemes[] = {
    {"ftp", INTERNET_SCHEME_FTP, INTERNET_DEFAULT_FTP_PORT},
    {"gopher", INTERNET_SCHEME_GOPHER, INTERNET_DEFAULT_GOPHER_PORT},
    {"http", INTERNET_SCHEME_HTTP, INTERNET_DEFAULT_HTTP_PORT},
    {"https", INTERNET_SCHEME_HTTPS, INTERNET_DEFAULT_HTTPS_PORT},
    {"file", INTERNET_SCHEME_FILE, 0},
    {"news", INTERNET_SCHEME_NEWS, 0},
    {"mailto", INTERNET_SCHEME_MAILTO, 0},
    {"socks", INTERNET_SCHEME_SOCKS, INTERNET_DEFAULT_SOCKS_PORT},
    {"javascript", INTERNET_SCHEME_JAVASCRIPT, 0},
    {"vbscript", INTERNET_SCHEME_VBSCRIPT, 0},
    {"res", INTERNET_SCHEME_RES, 0},
};

bool same_ascii(std::string_view a, const char* b) {
  size_t i = 0;
  for (; i < a.size() && b[i]; ++i)
    if ((a[i] | 0x20) != b[i]) return false;
  return i == a.size() && !b[i];
}

bool scheme_character(char c) {
  return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '+' || c == '-' || c == '.';
}

}  // namespace

DWORD split_url(std::string_view url, UrlParts* parts) {
  *parts = {};
  size_t colon = url.find(':');
  if (colon == 0 || colon == std::string_view::npos) return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
  for (size_t i = 0; i < colon; ++i)
    if (!scheme_character(url[i])) return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
  parts->scheme = url.substr(0, colon);
  for (const SchemeName& known : kSchemes) {
    if (!same_ascii(parts->scheme, known.name)) continue;
    parts->scheme_number = known.number;
    parts->port = known.port;
  }
  std::string_view rest = url.substr(colon + 1);
  if (rest.starts_with("//")) {
    rest.remove_prefix(2);
    size_t end = rest.find_first_of("/?#");
    std::string_view authority = rest.substr(0, end);
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end);
    if (size_t at = authority.rfind('@'); at != std::string_view::npos) {
      std::string_view credentials = authority.substr(0, at);
      authority.remove_prefix(at + 1);
      size_t split = credentials.find(':');
      parts->user = credentials.substr(0, split);
      if (split != std::string_view::npos) parts->password = credentials.substr(split + 1);
    }
    if (size_t port = authority.rfind(':'); port != std::string_view::npos) {
      std::string_view digits = authority.substr(port + 1);
      unsigned value = 0;
      auto [stop, error] = std::from_chars(digits.data(), digits.data() + digits.size(), value);
      if (digits.empty() || error != std::errc() || stop != digits.data() + digits.size() || value > 65535)
        return ERROR_INTERNET_INVALID_URL;
      parts->port = INTERNET_PORT(value);
      authority = authority.substr(0, port);
    }
    parts->host = authority;
    if (parts->host.empty() && parts->scheme_number != INTERNET_SCHEME_FILE) return ERROR_INTERNET_INVALID_URL;
  }
  size_t extra = rest.find_first_of("?#");
  parts->path = rest.substr(0, extra);
  if (extra != std::string_view::npos) parts->extra = rest.substr(extra);
  return 0;
}

std::string absolute_url(const std::string& base, const std::string& location) {
  UrlParts own;
  if (split_url(location, &own) == 0) return location;
  size_t authority_end = base.find('/', base.find("//") + 2);
  std::string root = base.substr(0, authority_end);
  if (location.starts_with("//")) return base.substr(0, base.find(':') + 1) + location;
  if (location.starts_with("/")) return root + location;
  std::string path = authority_end == std::string::npos ? "/" : base.substr(authority_end);
  path = path.substr(0, path.find_first_of("?#"));
  return root + path.substr(0, path.rfind('/') + 1) + location;
}

}  // namespace platform::inet
