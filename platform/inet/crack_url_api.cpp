// InternetCrackUrl: each part the caller asks for is either pointed at inside the URL (a null
// pointer with a length other than 0) or copied into the caller's buffer (pointer and room).
// ICU_DECODE and ICU_ESCAPE turn %xx sequences back into characters, in copied parts only.
#include <wininet.h>

#include <cstring>

#include "inet/url.h"
#include "inet/width.h"

namespace {

using namespace platform;
using namespace platform::inet;

int hex_digit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if ((c | 0x20) >= 'a' && (c | 0x20) <= 'f') return (c | 0x20) - 'a' + 10;
  return -1;
}

std::string decoded(std::string_view part) {
  std::string out;
  for (size_t i = 0; i < part.size(); ++i) {
    int high = i + 2 < part.size() && part[i] == '%' ? hex_digit(part[i + 1]) : -1;
    int low = high >= 0 ? hex_digit(part[i + 2]) : -1;
    if (low >= 0) {
      out += char(high * 16 + low);
      i += 2;
    } else {
      out += part[i];
    }
  }
  return out;
}

// One part: where it lies in the caller's URL (units from its start) and its text.
template <class Char>
DWORD give_part(const Char* url, std::string_view whole, std::string_view part, bool decode, Char** pointer,
                DWORD* length) {
  if (!*pointer) {
    if (*length == 0) return 0;  // not asked for
    if (decode) return ERROR_INVALID_PARAMETER;
    // The ANSI text has one unit per character of the wide one, so offsets carry over.
    *pointer = part.empty() ? nullptr : const_cast<Char*>(url) + (part.data() - whole.data());
    *length = DWORD(part.size());
    return 0;
  }
  std::string text = decode ? decoded(part) : std::string(part);
  std::u16string wide = text::from_ansi(text);
  size_t characters = sizeof(Char) == 2 ? wide.size() : text.size();
  if (*length <= characters) {
    *length = DWORD(characters + 1);
    return ERROR_INSUFFICIENT_BUFFER;
  }
  std::memcpy(*pointer, sizeof(Char) == 2 ? static_cast<const void*>(wide.c_str()) : text.c_str(),
              (characters + 1) * sizeof(Char));
  *length = DWORD(characters);
  return 0;
}

template <class Char, class Components>
BOOL crack_url(const Char* url, DWORD url_length, DWORD flags, Components* parts) {
  if (!url || !parts || parts->dwStructSize != sizeof(Components)) return failed(ERROR_INVALID_PARAMETER);
  std::string whole = ansi_of(url, url_length ? url_length : units_of(url));
  UrlParts found;
  if (DWORD error = split_url(whole, &found)) return failed(error);
  bool decode = flags & (ICU_DECODE | ICU_ESCAPE);
  parts->nScheme = found.scheme_number;
  parts->nPort = found.port;
  const std::pair<Char**, DWORD*> requested[] = {
      {&parts->lpszScheme, &parts->dwSchemeLength},     {&parts->lpszHostName, &parts->dwHostNameLength},
      {&parts->lpszUserName, &parts->dwUserNameLength}, {&parts->lpszPassword, &parts->dwPasswordLength},
      {&parts->lpszUrlPath, &parts->dwUrlPathLength},   {&parts->lpszExtraInfo, &parts->dwExtraInfoLength}};
  const std::string_view texts[] = {found.scheme, found.host, found.user, found.password, found.path, found.extra};
  DWORD error = 0;
  for (size_t i = 0; i < std::size(texts); ++i)
    if (DWORD part_error = give_part(url, whole, texts[i], decode, requested[i].first, requested[i].second))
      error = part_error;
  if (error) return failed(error);
  return succeeded();
}

}  // namespace

extern "C" {

BOOL WINAPI InternetCrackUrlA(LPCSTR lpszUrl, DWORD dwUrlLength, DWORD dwFlags, LPURL_COMPONENTSA lpUrlComponents) {
  return crack_url(lpszUrl, dwUrlLength, dwFlags, lpUrlComponents);
}

BOOL WINAPI InternetCrackUrlW(LPCWSTR lpszUrl, DWORD dwUrlLength, DWORD dwFlags, LPURL_COMPONENTSW lpUrlComponents) {
  return crack_url(lpszUrl, dwUrlLength, dwFlags, lpUrlComponents);
}

}  // extern "C"
