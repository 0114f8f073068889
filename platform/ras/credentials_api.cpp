// RasSetCredentials and RasGetEntryDialParams: the credentials stored for an entry.
#include <ras.h>
#include <raserror.h>

#include <cstring>

#include "ras/call_args.h"
#include "ras/credentials.h"
#include "ras/phonebooks.h"
#include "ras/record_sizes.h"
#include "ras/record_text.h"

namespace platform::ras {
namespace {

template <class Record>
DWORD set_credentials(const Arg& phonebook, const Arg& entry_name, const Record* given, BOOL clear) {
  if (!given || !entry_name) return ERROR_INVALID_PARAMETER;
  if (!known_size<Record>(given->dwSize)) return ERROR_INVALID_SIZE;
  if (phonebook && !phonebook->empty() && !read_phonebook(phonebooks_for(ptr(phonebook)).front()))
    return ERROR_CANNOT_OPEN_PHONEBOOK;
  auto located = find_entry(phonebooks_for(ptr(phonebook)), *entry_name);
  if (!located) return ERROR_INVALID_PARAMETER;
  const DWORD mask = given->dwMask;
  // Default credentials belong to an all-users entry only.
  if ((mask & RASCM_DefaultCreds) && !is_all_users(located->phonebook)) return ERROR_ACCESS_DENIED;
  // A pre-shared key belongs to the entry: on an all-users entry every account dials with it.
  const bool for_all_users =
      (mask & RASCM_DefaultCreds) || ((mask & RASCM_PreSharedKey) && is_all_users(located->phonebook));
  const std::u16string owner = for_all_users ? all_users_owner() : current_owner();
  const std::u16string& name = located->entry.name;
  Credentials stored = load_credentials(located->phonebook, name, owner);
  const std::u16string password = get(given->szPassword);
  auto apply = [&](DWORD bit, std::u16string Credentials::*member, const std::u16string& value) {
    if (!(mask & bit)) return;
    if (clear) {
      (stored.*member).clear();
      stored.stored &= ~bit;
    } else if (bit == RASCM_UserName || bit == RASCM_Domain || value != kPasswordHandle) {
      stored.*member = value;
      stored.stored |= bit;
    }
  };
  apply(RASCM_UserName, &Credentials::user_name, get(given->szUserName));
  apply(RASCM_Password, &Credentials::password, password);
  apply(RASCM_Domain, &Credentials::domain, get(given->szDomain));
  // The key travels in the password member.
  apply(RASCM_PreSharedKey, &Credentials::preshared_key, password);
  save_credentials(located->phonebook, name, owner, stored);
  return ERROR_SUCCESS;
}

template <class Record>
DWORD get_dial_params(const Arg& phonebook, Record* params, BOOL* password_stored) {
  if (!params || !password_stored) return ERROR_BUFFER_INVALID;
  if (!known_size<Record>(params->dwSize)) return ERROR_INVALID_SIZE;
  auto located = find_entry(phonebooks_for(ptr(phonebook)), get(params->szEntryName));
  if (!located) return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
  bool from_all_users = false;
  Credentials c = effective_credentials(located->phonebook, located->entry.name, &from_all_users);
  const bool has_password = c.stored & RASCM_Password;
  put(params->szPhoneNumber, u"");
  put(params->szCallbackNumber, u"");
  put(params->szUserName, c.user_name);
  put(params->szPassword, has_password ? kPasswordHandle : u"");
  put(params->szDomain, c.domain);
  if (WINSIM_HAS_MEMBER(Record, dwSubEntry, params->dwSize)) params->dwSubEntry = 0;
  if (WINSIM_HAS_MEMBER(Record, dwCallbackId, params->dwSize)) params->dwCallbackId = 0;
  *password_stored = has_password;
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::ras

using platform::ras::arg;

extern "C" {

DWORD WINAPI RasSetCredentialsA(LPCSTR lpszPhonebook, LPCSTR lpszEntry, LPRASCREDENTIALSA lpCredentials,
                                BOOL fClearCredentials) {
  return platform::ras::set_credentials(arg(lpszPhonebook), arg(lpszEntry), lpCredentials, fClearCredentials);
}

DWORD WINAPI RasSetCredentialsW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry, LPRASCREDENTIALSW lpCredentials,
                                BOOL fClearCredentials) {
  return platform::ras::set_credentials(arg(lpszPhonebook), arg(lpszEntry), lpCredentials, fClearCredentials);
}

DWORD WINAPI RasGetEntryDialParamsA(LPCSTR lpszPhonebook, LPRASDIALPARAMSA lprasdialparams, LPBOOL lpfPassword) {
  return platform::ras::get_dial_params(arg(lpszPhonebook), lprasdialparams, lpfPassword);
}

DWORD WINAPI RasGetEntryDialParamsW(LPCWSTR lpszPhonebook, LPRASDIALPARAMSW lprasdialparams, LPBOOL lpfPassword) {
  return platform::ras::get_dial_params(arg(lpszPhonebook), lprasdialparams, lpfPassword);
}

}  // extern "C"
