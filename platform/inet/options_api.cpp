// InternetSetOption and InternetQueryOption: time-outs and retries per handle (a child takes
// its parent's at its creation; a null handle sets those new sessions start with), the
// context, the handle's type, the session's agent.
#include <wininet.h>

#include <cstring>

#include "inet/http_objects.h"
#include "inet/width.h"

namespace {

using namespace platform;
using namespace platform::inet;

DWORD* dword_option(Options& options, DWORD option) {
  switch (option) {
    case INTERNET_OPTION_CONNECT_TIMEOUT:
      return &options.connect_timeout;
    case INTERNET_OPTION_CONNECT_RETRIES:
      return &options.connect_retries;
    case INTERNET_OPTION_CONNECT_BACKOFF:
      return &options.connect_backoff;
    case INTERNET_OPTION_SEND_TIMEOUT:
      return &options.send_timeout;
    case INTERNET_OPTION_RECEIVE_TIMEOUT:
      return &options.receive_timeout;
    case INTERNET_OPTION_DATA_SEND_TIMEOUT:
      return &options.data_send_timeout;
    case INTERNET_OPTION_DATA_RECEIVE_TIMEOUT:
      return &options.data_receive_timeout;
    default:
      return nullptr;
  }
}

DWORD handle_type(const InternetHandle& object) {
  switch (object.kind()) {
    case Kind::session:
      return INTERNET_HANDLE_TYPE_INTERNET;
    case Kind::connection:
      return INTERNET_HANDLE_TYPE_CONNECT_HTTP;
    case Kind::request:
      return INTERNET_HANDLE_TYPE_HTTP_REQUEST;
  }
  return 0;
}

template <class T>
BOOL deliver(const T& value, LPVOID buffer, LPDWORD length) {
  if (!buffer || *length < sizeof value) {
    *length = sizeof value;
    return failed(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(buffer, &value, sizeof value);
  *length = sizeof value;
  return succeeded();
}

std::shared_ptr<InternetHandle> any_handle(HINTERNET handle) {
  return find_handle(handle, {Kind::session, Kind::connection, Kind::request});
}

template <class Unit>
BOOL set_option(HINTERNET handle, DWORD option, LPVOID buffer, DWORD length) {
  std::shared_ptr<InternetHandle> object = handle ? any_handle(handle) : nullptr;
  if (handle && !object) return FALSE;
  Options& options = object ? object->options() : default_options();
  if (DWORD* value = dword_option(options, option)) {
    if (!buffer) return failed(ERROR_INVALID_PARAMETER);
    if (length != sizeof(DWORD)) return failed(ERROR_INTERNET_BAD_OPTION_LENGTH);
    std::memcpy(value, buffer, sizeof(DWORD));
    return succeeded();
  }
  if (option == INTERNET_OPTION_CONTEXT_VALUE && object) {
    if (!buffer) return failed(ERROR_INVALID_PARAMETER);
    if (length != sizeof(DWORD_PTR)) return failed(ERROR_INTERNET_BAD_OPTION_LENGTH);
    DWORD_PTR context;
    std::memcpy(&context, buffer, sizeof context);
    object->set_context(context);
    return succeeded();
  }
  if (option == INTERNET_OPTION_USER_AGENT && object && object->kind() == Kind::session) {
    if (!buffer) return failed(ERROR_INVALID_PARAMETER);
    static_cast<Session&>(*object).agent = ansi_of(static_cast<const Unit*>(buffer));
    return succeeded();
  }
  if (option == INTERNET_OPTION_HANDLE_TYPE || option == INTERNET_OPTION_CALLBACK)
    return failed(ERROR_INTERNET_OPTION_NOT_SETTABLE);
  return failed(object ? ERROR_INTERNET_INVALID_OPTION : ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
}

template <class Unit>
BOOL query_option(HINTERNET handle, DWORD option, LPVOID buffer, LPDWORD length) {
  if (!length) return failed(ERROR_INVALID_PARAMETER);
  std::shared_ptr<InternetHandle> object = handle ? any_handle(handle) : nullptr;
  if (handle && !object) return FALSE;
  Options& options = object ? object->options() : default_options();
  if (DWORD* value = dword_option(options, option)) return deliver(*value, buffer, length);
  if (!object) return failed(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
  switch (option) {
    case INTERNET_OPTION_HANDLE_TYPE:
      return deliver(handle_type(*object), buffer, length);
    case INTERNET_OPTION_CONTEXT_VALUE:
      return deliver(object->context(), buffer, length);
    case INTERNET_OPTION_CALLBACK:
      return deliver(object->callback().function, buffer, length);
    case INTERNET_OPTION_USER_AGENT: {
      if (object->kind() != Kind::session) return failed(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
      if (!deliver_text<Unit>(static_cast<Session&>(*object).agent, buffer, length)) return FALSE;
      return succeeded();
    }
    default:
      return failed(ERROR_INTERNET_INVALID_OPTION);
  }
}

}  // namespace

extern "C" {

BOOL WINAPI InternetSetOptionA(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength) {
  return set_option<char>(hInternet, dwOption, lpBuffer, dwBufferLength);
}
BOOL WINAPI InternetSetOptionW(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, DWORD dwBufferLength) {
  return set_option<WCHAR>(hInternet, dwOption, lpBuffer, dwBufferLength);
}
BOOL WINAPI InternetQueryOptionA(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufferLength) {
  return query_option<char>(hInternet, dwOption, lpBuffer, lpdwBufferLength);
}
BOOL WINAPI InternetQueryOptionW(HINTERNET hInternet, DWORD dwOption, LPVOID lpBuffer, LPDWORD lpdwBufferLength) {
  return query_option<WCHAR>(hInternet, dwOption, lpBuffer, lpdwBufferLength);
}

}  // extern "C"
