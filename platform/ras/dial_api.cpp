// RasDial (synchronous: no notifier) and RasHangUp.
#include <ras.h>
#include <raserror.h>

#include "ras/call_args.h"
#include "ras/connections.h"
#include "ras/credentials.h"
#include "ras/dialer.h"
#include "ras/entry_record.h"
#include "ras/phonebooks.h"
#include "ras/record_sizes.h"
#include "ras/record_text.h"

namespace platform::ras {
namespace {

// The password to authenticate with: the stored one when the caller passes its handle.
std::u16string password_for(const Located& entry, const std::u16string& given, bool* global_creds) {
  *global_creds = false;
  if (given != kPasswordHandle) return given;
  Credentials stored = effective_credentials(entry.phonebook, entry.entry.name, global_creds);
  return stored.password;
}

template <class Params>
DWORD dial_entry(const RASDIALEXTENSIONS* extensions, const Arg& phonebook, const Params* params, void* notifier,
                 HRASCONN* connection) {
  if (!params || !connection) return ERROR_INVALID_PARAMETER;
  if (!known_size<Params>(params->dwSize)) return ERROR_INVALID_SIZE;
  if (extensions && !known_size<RASDIALEXTENSIONS>(extensions->dwSize)) return ERROR_INVALID_SIZE;
  if (notifier) return ERROR_NOT_SUPPORTED;  // only the synchronous form
  // The handle exists from here on, also when the dial fails, so that RasHangUp can end it.
  uint64_t handle = issue_handle();
  *connection = as_handle(handle);
  auto located = find_entry(phonebooks_for(ptr(phonebook)), get(params->szEntryName));
  if (!located) return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
  DialRequest request{*located, get(params->szPhoneNumber), get(params->szUserName), {}, false};
  if (request.phone_number.empty()) request.phone_number = entry_phone_number(located->entry);
  request.password = password_for(*located, get(params->szPassword), &request.global_creds);
  // Neither name nor password: the account of the caller, as Windows passes its logon.
  if (request.user_name.empty() && request.password.empty()) request.user_name = current_user();
  uint64_t connected = handle;
  DWORD result = dial(request, handle, &connected);
  *connection = as_handle(connected);
  return result;
}

DWORD hang_up(HRASCONN connection) {
  uint64_t handle = handle_value(connection);
  if (!was_issued(handle)) return ERROR_INVALID_HANDLE;
  // A failed dial's handle and a connection already ended are harmless to hang up.
  end_connection(handle);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::ras

using platform::ras::arg;

extern "C" {

DWORD WINAPI RasDialA(LPRASDIALEXTENSIONS lpRasDialExtensions, LPCSTR lpszPhonebook, LPRASDIALPARAMSA lpRasDialParams,
                      DWORD, LPVOID lpvNotifier, LPHRASCONN lphRasConn) {
  return platform::ras::dial_entry(lpRasDialExtensions, arg(lpszPhonebook), lpRasDialParams, lpvNotifier,
                                 lphRasConn);
}

DWORD WINAPI RasDialW(LPRASDIALEXTENSIONS lpRasDialExtensions, LPCWSTR lpszPhonebook, LPRASDIALPARAMSW lpRasDialParams,
                      DWORD, LPVOID lpvNotifier, LPHRASCONN lphRasConn) {
  return platform::ras::dial_entry(lpRasDialExtensions, arg(lpszPhonebook), lpRasDialParams, lpvNotifier,
                                 lphRasConn);
}

DWORD WINAPI RasHangUpA(HRASCONN hrasconn) { return platform::ras::hang_up(hrasconn); }
DWORD WINAPI RasHangUpW(HRASCONN hrasconn) { return platform::ras::hang_up(hrasconn); }

}  // extern "C"
