// HttpQueryInfo: the answer's status, its head whole (NUL- or CR LF-separated) and single
// headers by level or by name, as text or as a number, with the Win32 size protocol.
#include <wininet.h>

#include <charconv>
#include <cstring>

#include "inet/http_objects.h"
#include "inet/width.h"

namespace {

using namespace platform;
using namespace platform::inet;

struct LevelName {
  DWORD level;
  const char* name;
};

constexpr LevelName kLevelNames[] = {
    {HTTP_QUERY_MIME_VERSION, "MIME-Version"},
    {HTTP_QUERY_CONTENT_TYPE, "Content-Type"},
    {HTTP_QUERY_CONTENT_TRANSFER_ENCODING, "Content-Transfer-Encoding"},
    {HTTP_QUERY_CONTENT_ID, "Content-ID"},
    {HTTP_QUERY_CONTENT_DESCRIPTION, "Content-Description"},
    {HTTP_QUERY_CONTENT_LENGTH, "Content-Length"},
    {HTTP_QUERY_CONTENT_LANGUAGE, "Content-Language"},
    {HTTP_QUERY_ALLOW, "Allow"},
    {HTTP_QUERY_PUBLIC, "Public"},
    {HTTP_QUERY_DATE, "Date"},
    {HTTP_QUERY_EXPIRES, "Expires"},
    {HTTP_QUERY_LAST_MODIFIED, "Last-Modified"},
    {HTTP_QUERY_MESSAGE_ID, "Message-ID"},
    {HTTP_QUERY_URI, "URI"},
    {HTTP_QUERY_DERIVED_FROM, "Derived-From"},
    {HTTP_QUERY_COST, "Cost"},
    {HTTP_QUERY_LINK, "Link"},
    {HTTP_QUERY_PRAGMA, "Pragma"},
    {HTTP_QUERY_CONNECTION, "Connection"},
    {HTTP_QUERY_ACCEPT, "Accept"},
    {HTTP_QUERY_ACCEPT_CHARSET, "Accept-Charset"},
    {HTTP_QUERY_ACCEPT_ENCODING, "Accept-Encoding"},
    {HTTP_QUERY_ACCEPT_LANGUAGE, "Accept-Language"},
    {HTTP_QUERY_AUTHORIZATION, "Authorization"},
    {HTTP_QUERY_CONTENT_ENCODING, "Content-Encoding"},
    {HTTP_QUERY_FORWARDED, "Forwarded"},
    {HTTP_QUERY_FROM, "From"},
    {HTTP_QUERY_IF_MODIFIED_SINCE, "If-Modified-Since"},
    {HTTP_QUERY_LOCATION, "Location"},
    {HTTP_QUERY_ORIG_URI, "Orig-URI"},
    {HTTP_QUERY_REFERER, "Referer"},
    {HTTP_QUERY_RETRY_AFTER, "Retry-After"},
    {HTTP_QUERY_SERVER, "Server"},
    {HTTP_QUERY_TITLE, "Title"},
    {HTTP_QUERY_USER_AGENT, "User-Agent"},
    {HTTP_QUERY_WWW_AUTHENTICATE, "WWW-Authenticate"},
    {HTTP_QUERY_PROXY_AUTHENTICATE, "Proxy-Authenticate"},
    {HTTP_QUERY_ACCEPT_RANGES, "Accept-Ranges"},
    {HTTP_QUERY_SET_COOKIE, "Set-Cookie"},
    {HTTP_QUERY_COOKIE, "Cookie"},
    {HTTP_QUERY_CONTENT_DISPOSITION, "Content-Disposition"},
    {HTTP_QUERY_AGE, "Age"},
    {HTTP_QUERY_CACHE_CONTROL, "Cache-Control"},
    {HTTP_QUERY_CONTENT_LOCATION, "Content-Location"},
    {HTTP_QUERY_ETAG, "ETag"},
    {HTTP_QUERY_HOST, "Host"},
    {HTTP_QUERY_TRANSFER_ENCODING, "Transfer-Encoding"},
    {HTTP_QUERY_VARY, "Vary"},
    {HTTP_QUERY_VIA, "Via"},
};

// One head, the request's or the answer's: its first line and its fields.
struct Head {
  std::string first_line;
  HeaderFields fields;
};

Head answer_head(Transfer& answer) {
  Head head{answer.status_line(), {}};
  for (const std::string& line : answer.header_lines())
    if (auto field = split_header(line)) head.fields.add(field->name, field->value);
  return head;
}

Head request_head(Request& request) {
  return {request.verb() + " " + request.target().object + " " + request.version(), request.headers()};
}

// The status line's parts: "HTTP/1.1 404 Not Found".
std::string status_part(const std::string& line, int part) {
  size_t first = line.find(' ');
  size_t second = first == std::string::npos ? std::string::npos : line.find(' ', first + 1);
  if (part == 0) return line.substr(0, first);
  if (part == 1) return first == std::string::npos ? "" : line.substr(first + 1, second - first - 1);
  return second == std::string::npos ? "" : line.substr(second + 1);
}

std::string whole_head(const Head& head, const char* separator, const char* end) {
  std::string text = head.first_line + separator;
  for (const HeaderField& field : head.fields.fields()) text += field.name + ": " + field.value + separator;
  return text + end;
}

// The text a level asks for; 0 or the error. `field` tells whether it is one header of a name,
// of which `index` chose the occurrence.
DWORD level_text(const Head& head, DWORD level, const std::string& custom, DWORD index, bool answer, std::string* out,
                 bool* field) {
  *field = false;
  switch (level) {
    case HTTP_QUERY_STATUS_CODE:
    case HTTP_QUERY_STATUS_TEXT:
    case HTTP_QUERY_VERSION:
      if (!answer) return ERROR_HTTP_INVALID_QUERY_REQUEST;
      *out = status_part(head.first_line, level == HTTP_QUERY_VERSION ? 0 : level == HTTP_QUERY_STATUS_CODE ? 1 : 2);
      return 0;
    case HTTP_QUERY_REQUEST_METHOD:
      *out = status_part(head.first_line, 0);
      return answer ? ERROR_HTTP_INVALID_QUERY_REQUEST : 0;
    case HTTP_QUERY_RAW_HEADERS:
      // Each line ends in a NUL; the terminating NUL of the text makes the list's closing one.
      *out = whole_head(head, "\n", "");
      for (char& c : *out)
        if (c == '\n') c = '\0';
      return 0;
    case HTTP_QUERY_RAW_HEADERS_CRLF:
      *out = whole_head(head, "\r\n", "\r\n");
      return 0;
    default:
      break;
  }
  std::string name = custom;
  if (level != HTTP_QUERY_CUSTOM) {
    const LevelName* known = nullptr;
    for (const LevelName& entry : kLevelNames)
      if (entry.level == level) known = &entry;
    if (!known) return ERROR_HTTP_INVALID_QUERY_REQUEST;
    name = known->name;
  }
  std::optional<std::string> value = head.fields.find(name, index);
  if (!value) return ERROR_HTTP_HEADER_NOT_FOUND;
  *out = *value;
  *field = true;
  return 0;
}

template <class Number>
BOOL deliver_number(const std::string& text, LPVOID buffer, LPDWORD length) {
  Number value = 0;
  auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return failed(ERROR_HTTP_INVALID_HEADER);
  if (!buffer || *length < sizeof value) {
    *length = sizeof value;
    return failed(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(buffer, &value, sizeof value);
  *length = sizeof value;
  return TRUE;
}

template <class Unit>
BOOL query_info(HINTERNET handle, DWORD info_level, LPVOID buffer, LPDWORD length, LPDWORD index) {
  auto request = find_as<Request>(handle, Kind::request);
  if (!request) return FALSE;
  if (!length) return failed(ERROR_INVALID_PARAMETER);
  bool of_request = info_level & HTTP_QUERY_FLAG_REQUEST_HEADERS;
  if (!of_request && !request->answer()) return failed(ERROR_INTERNET_INCORRECT_HANDLE_STATE);
  if (info_level & HTTP_QUERY_FLAG_SYSTEMTIME) return failed(ERROR_HTTP_INVALID_QUERY_REQUEST);
  DWORD level = info_level & HTTP_QUERY_HEADER_MASK;
  std::string custom;
  if (level == HTTP_QUERY_CUSTOM) {
    if (!buffer) return failed(ERROR_INVALID_PARAMETER);
    custom = ansi_of(static_cast<const Unit*>(buffer));
  }
  Head head = of_request ? request_head(*request) : answer_head(*request->answer());
  std::string text;
  bool field = false;
  if (DWORD error = level_text(head, level, custom, index ? *index : 0, !of_request, &text, &field)) return failed(error);
  BOOL ok = info_level & HTTP_QUERY_FLAG_NUMBER64 ? deliver_number<ULONGLONG>(text, buffer, length)
            : info_level & HTTP_QUERY_FLAG_NUMBER ? deliver_number<DWORD>(text, buffer, length)
                                                  : deliver_text<Unit>(text, buffer, length);
  if (!ok) return FALSE;  // the index stays, so that the caller can ask again with room
  if (field && index) ++*index;
  return succeeded();
}

}  // namespace

extern "C" {

BOOL WINAPI HttpQueryInfoA(HINTERNET hRequest, DWORD dwInfoLevel, LPVOID lpBuffer, LPDWORD lpdwBufferLength,
                           LPDWORD lpdwIndex) {
  return query_info<char>(hRequest, dwInfoLevel, lpBuffer, lpdwBufferLength, lpdwIndex);
}

BOOL WINAPI HttpQueryInfoW(HINTERNET hRequest, DWORD dwInfoLevel, LPVOID lpBuffer, LPDWORD lpdwBufferLength,
                           LPDWORD lpdwIndex) {
  return query_info<WCHAR>(hRequest, dwInfoLevel, lpBuffer, lpdwBufferLength, lpdwIndex);
}

}  // extern "C"
