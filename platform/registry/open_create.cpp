// Opening, creating and closing keys.
#include <windows.h>

#include "kernel/machine.h"
#include "registry/hive.h"
#include "registry/key_handle.h"
#include "registry/store.h"
#include "registry/transfer.h"

namespace platform::registry {
namespace {

LONG open_key(HKEY parent, const std::u16string& path, REGSAM desired, PHKEY result) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::shared_ptr<const Hive> hive = current_hive();
  const HiveKey* from;
  if (LONG error = resolve(parent, 0, *hive, &from)) return error;
  auto names = split_path(path);
  if (!names) return ERROR_BAD_PATHNAME;
  const HiveKey* key = hive->find_path(*from, *names);
  if (!key) return ERROR_FILE_NOT_FOUND;
  *result = open_handle(key->id, desired);
  return ERROR_SUCCESS;
}

// Creating a subkey needs the right on the handle given; the machine hives themselves hold no
// keys of their own making, as on Windows.
LONG may_create(HKEY given, KeyId parent) {
  KeyId ignored;
  if (resolve(given, KEY_CREATE_SUB_KEY, &ignored) != ERROR_SUCCESS) return ERROR_ACCESS_DENIED;
  return parent == kLocalMachine || parent == kUsers ? ERROR_ACCESS_DENIED : ERROR_SUCCESS;
}

LONG create_key(HKEY parent, const std::u16string& path, REGSAM desired, PHKEY result, LPDWORD disposition) {
  if (!result) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  auto names = split_path(path);
  if (!names) return ERROR_BAD_PATHNAME;
  machine::Transaction scope;
  KeyId key;
  if (LONG error = resolve(parent, 0, &key)) return error;
  bool created = false;
  for (const auto& name : *names) {
    if (auto existing = find_subkey(key, name)) {
      key = *existing;
      continue;
    }
    if (LONG error = may_create(parent, key)) return error;
    key = add_subkey(key, name);
    created = true;
  }
  scope.commit();
  *result = open_handle(key, desired);
  if (disposition) *disposition = created ? REG_CREATED_NEW_KEY : REG_OPENED_EXISTING_KEY;
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::registry

using namespace platform::registry;

extern "C" {

LSTATUS WINAPI RegOpenKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  return open_key(hKey, wide_name(lpSubKey), samDesired, phkResult);
}

LSTATUS WINAPI RegOpenKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, REGSAM samDesired, PHKEY phkResult) {
  return open_key(hKey, ansi_name(lpSubKey), samDesired, phkResult);
}

LSTATUS WINAPI RegCreateKeyExW(HKEY hKey, LPCWSTR lpSubKey, DWORD, LPWSTR, DWORD, REGSAM samDesired,
                               const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  return create_key(hKey, wide_name(lpSubKey), samDesired, phkResult, lpdwDisposition);
}

LSTATUS WINAPI RegCreateKeyExA(HKEY hKey, LPCSTR lpSubKey, DWORD, LPSTR, DWORD, REGSAM samDesired,
                               const LPSECURITY_ATTRIBUTES, PHKEY phkResult, LPDWORD lpdwDisposition) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  return create_key(hKey, ansi_name(lpSubKey), samDesired, phkResult, lpdwDisposition);
}

LSTATUS WINAPI RegCloseKey(HKEY hKey) {
  if (is_predefined(hKey)) return ERROR_SUCCESS;
  return close_handle(hKey) ? ERROR_SUCCESS : ERROR_INVALID_HANDLE;
}

// Every change is committed to the machine store when it is made.
LSTATUS WINAPI RegFlushKey(HKEY hKey) {
  const HiveKey* key;
  return resolve(hKey, 0, *current_hive(), &key);
}

}  // extern "C"
