// Sessions, connections and requests: opening, headers, sending, reading and closing.
#include <wininet.h>

#include "inet/http_objects.h"
#include "inet/width.h"

namespace {

using namespace platform::inet;

template <class Char>
HINTERNET open_session(const Char* agent, DWORD access, DWORD flags) {
  if (flags & INTERNET_FLAG_ASYNC) {  // only synchronous use is offered
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (access != INTERNET_OPEN_TYPE_PRECONFIG && access != INTERNET_OPEN_TYPE_DIRECT &&
      access != INTERNET_OPEN_TYPE_PROXY && access != INTERNET_OPEN_TYPE_PRECONFIG_WITH_NO_AUTOPROXY) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  // The machine has no proxy: every access type connects directly.
  return add_handle(std::make_shared<Session>(0, ansi_of(agent)), nullptr);
}

template <class Char>
HINTERNET connect(HINTERNET internet, const Char* server, INTERNET_PORT port, DWORD service, DWORD_PTR context) {
  auto session = find_as<Session>(internet, Kind::session);
  if (!session) return nullptr;
  if (service != INTERNET_SERVICE_HTTP) {
    SetLastError(ERROR_INTERNET_PROTOCOL_NOT_FOUND);
    return nullptr;
  }
  std::string name = ansi_of(server);
  if (name.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (port == INTERNET_INVALID_PORT_NUMBER) port = INTERNET_DEFAULT_HTTP_PORT;
  return add_handle(std::make_shared<Connection>(context, name, port, session->agent), session);
}

template <class Char>
HINTERNET open_request(HINTERNET connect, const Char* verb, const Char* object, const Char* version,
                       const Char* const* accept_types, DWORD flags, DWORD_PTR context) {
  auto connection = find_as<Connection>(connect, Kind::connection);
  if (!connection) return nullptr;
  std::string path = ansi_of(object);
  if (path.empty() || path[0] != '/') path.insert(path.begin(), '/');
  std::string verb_text = ansi_of(verb);
  std::string version_text = ansi_of(version);
  auto request = std::make_shared<Request>(context, connection->agent, Target{connection->server, connection->port, path},
                                           verb_text.empty() ? "GET" : verb_text,
                                           version_text.empty() ? "HTTP/1.1" : version_text, flags);
  std::string accept;
  for (const Char* const* type = accept_types; type && *type; ++type) accept += (accept.empty() ? "" : ", ") + ansi_of(*type);
  if (!accept.empty()) request->headers().add("Accept", accept);
  return add_handle(request, connection);
}

// Header lines as the caller gives them: `length` units, or up to the terminator for -1.
template <class Char>
std::string header_text(const Char* headers, DWORD length) {
  return ansi_of(headers, length == DWORD(-1) ? units_of(headers) : length);
}

template <class Char>
BOOL add_headers(HINTERNET handle, const Char* headers, DWORD length, DWORD modifiers) {
  auto request = find_as<Request>(handle, Kind::request);
  if (!request) return FALSE;
  if (!headers) return failed(ERROR_INVALID_PARAMETER);
  if (DWORD error = request->headers().apply(header_text(headers, length), modifiers)) return failed(error);
  return succeeded();
}

template <class Char>
BOOL send_request(HINTERNET handle, const Char* headers, DWORD length, LPVOID optional, DWORD optional_length) {
  auto request = find_as<Request>(handle, Kind::request);
  if (!request) return FALSE;
  if (headers) request->headers().apply(header_text(headers, length), HTTP_ADDREQ_FLAG_ADD | HTTP_ADDREQ_FLAG_REPLACE);
  std::string body = optional ? std::string(static_cast<const char*>(optional), optional_length) : std::string();
  if (DWORD error = request->send(std::move(body))) return failed(error);
  return succeeded();
}

INTERNET_STATUS_CALLBACK set_callback(HINTERNET handle, INTERNET_STATUS_CALLBACK function, bool wide) {
  auto object = find_handle(handle, {Kind::session, Kind::connection, Kind::request});
  if (!object) return INTERNET_INVALID_STATUS_CALLBACK;
  INTERNET_STATUS_CALLBACK previous = object->callback().function;
  object->callback() = {function, wide};
  return previous;
}

}  // namespace

extern "C" {

HINTERNET WINAPI InternetOpenA(LPCSTR lpszAgent, DWORD dwAccessType, LPCSTR, LPCSTR, DWORD dwFlags) {
  return open_session(lpszAgent, dwAccessType, dwFlags);
}
HINTERNET WINAPI InternetOpenW(LPCWSTR lpszAgent, DWORD dwAccessType, LPCWSTR, LPCWSTR, DWORD dwFlags) {
  return open_session(lpszAgent, dwAccessType, dwFlags);
}

HINTERNET WINAPI InternetConnectA(HINTERNET hInternet, LPCSTR lpszServerName, INTERNET_PORT nServerPort, LPCSTR,
                                  LPCSTR, DWORD dwService, DWORD, DWORD_PTR dwContext) {
  return connect(hInternet, lpszServerName, nServerPort, dwService, dwContext);
}
HINTERNET WINAPI InternetConnectW(HINTERNET hInternet, LPCWSTR lpszServerName, INTERNET_PORT nServerPort, LPCWSTR,
                                  LPCWSTR, DWORD dwService, DWORD, DWORD_PTR dwContext) {
  return connect(hInternet, lpszServerName, nServerPort, dwService, dwContext);
}

HINTERNET WINAPI HttpOpenRequestA(HINTERNET hConnect, LPCSTR lpszVerb, LPCSTR lpszObjectName, LPCSTR lpszVersion,
                                  LPCSTR, LPCSTR* lplpszAcceptTypes, DWORD dwFlags, DWORD_PTR dwContext) {
  return open_request(hConnect, lpszVerb, lpszObjectName, lpszVersion, lplpszAcceptTypes, dwFlags, dwContext);
}
HINTERNET WINAPI HttpOpenRequestW(HINTERNET hConnect, LPCWSTR lpszVerb, LPCWSTR lpszObjectName, LPCWSTR lpszVersion,
                                  LPCWSTR, LPCWSTR* lplpszAcceptTypes, DWORD dwFlags, DWORD_PTR dwContext) {
  return open_request(hConnect, lpszVerb, lpszObjectName, lpszVersion, lplpszAcceptTypes, dwFlags, dwContext);
}

BOOL WINAPI HttpAddRequestHeadersA(HINTERNET hRequest, LPCSTR lpszHeaders, DWORD dwHeadersLength, DWORD dwModifiers) {
  return add_headers(hRequest, lpszHeaders, dwHeadersLength, dwModifiers);
}
BOOL WINAPI HttpAddRequestHeadersW(HINTERNET hRequest, LPCWSTR lpszHeaders, DWORD dwHeadersLength,
                                   DWORD dwModifiers) {
  return add_headers(hRequest, lpszHeaders, dwHeadersLength, dwModifiers);
}

BOOL WINAPI HttpSendRequestA(HINTERNET hRequest, LPCSTR lpszHeaders, DWORD dwHeadersLength, LPVOID lpOptional,
                             DWORD dwOptionalLength) {
  return send_request(hRequest, lpszHeaders, dwHeadersLength, lpOptional, dwOptionalLength);
}
BOOL WINAPI HttpSendRequestW(HINTERNET hRequest, LPCWSTR lpszHeaders, DWORD dwHeadersLength, LPVOID lpOptional,
                             DWORD dwOptionalLength) {
  return send_request(hRequest, lpszHeaders, dwHeadersLength, lpOptional, dwOptionalLength);
}

BOOL WINAPI InternetReadFile(HINTERNET hFile, LPVOID lpBuffer, DWORD dwNumberOfBytesToRead,
                             LPDWORD lpdwNumberOfBytesRead) {
  auto request = find_as<Request>(hFile, Kind::request);
  if (!request) return FALSE;
  if (!lpdwNumberOfBytesRead || (!lpBuffer && dwNumberOfBytesToRead)) return failed(ERROR_INVALID_PARAMETER);
  *lpdwNumberOfBytesRead = 0;
  Transfer* answer = request->answer();
  if (!answer) return failed(ERROR_INTERNET_INCORRECT_HANDLE_STATE);
  // A read that has to wait for the network reports it, as WinInet does.
  bool waits = answer->body_pending();
  if (waits) request->status(INTERNET_STATUS_RECEIVING_RESPONSE);
  if (DWORD error = answer->read(static_cast<char*>(lpBuffer), dwNumberOfBytesToRead, lpdwNumberOfBytesRead))
    return failed(error);
  if (waits) request->status(INTERNET_STATUS_RESPONSE_RECEIVED, lpdwNumberOfBytesRead, sizeof(DWORD));
  return succeeded();
}

BOOL WINAPI InternetCloseHandle(HINTERNET hInternet) {
  if (!close_handle(hInternet)) return failed(ERROR_INVALID_HANDLE);
  return succeeded();
}

INTERNET_STATUS_CALLBACK WINAPI InternetSetStatusCallbackA(HINTERNET hInternet,
                                                           INTERNET_STATUS_CALLBACK lpfnInternetCallback) {
  return set_callback(hInternet, lpfnInternetCallback, false);
}
INTERNET_STATUS_CALLBACK WINAPI InternetSetStatusCallbackW(HINTERNET hInternet,
                                                           INTERNET_STATUS_CALLBACK lpfnInternetCallback) {
  return set_callback(hInternet, lpfnInternetCallback, true);
}
INTERNET_STATUS_CALLBACK WINAPI InternetSetStatusCallback(HINTERNET hInternet,
                                                          INTERNET_STATUS_CALLBACK lpfnInternetCallback) {
  return set_callback(hInternet, lpfnInternetCallback, false);
}

// HTTP carries no extended error text of the kind FTP servers send.
BOOL WINAPI InternetGetLastResponseInfoA(LPDWORD lpdwError, LPSTR lpszBuffer, LPDWORD lpdwBufferLength) {
  if (!lpdwError || !lpdwBufferLength) return failed(ERROR_INVALID_PARAMETER);
  *lpdwError = 0;
  if (lpszBuffer && *lpdwBufferLength) lpszBuffer[0] = 0;
  *lpdwBufferLength = 0;
  return TRUE;
}
BOOL WINAPI InternetGetLastResponseInfoW(LPDWORD lpdwError, LPWSTR lpszBuffer, LPDWORD lpdwBufferLength) {
  if (!lpdwError || !lpdwBufferLength) return failed(ERROR_INVALID_PARAMETER);
  *lpdwError = 0;
  if (lpszBuffer && *lpdwBufferLength) lpszBuffer[0] = 0;
  *lpdwBufferLength = 0;
  return TRUE;
}

}  // extern "C"
