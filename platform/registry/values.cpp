// Setting, reading and deleting values.
#include <windows.h>

#include "kernel/machine.h"
#include "registry/hive.h"
#include "registry/key_handle.h"
#include "registry/store.h"
#include "registry/transfer.h"

namespace platform::registry {
namespace {

LONG set(HKEY handle, const std::u16string& name, DWORD type, const std::string& data) {
  machine::Transaction scope;
  KeyId key;
  if (LONG error = resolve(handle, KEY_SET_VALUE, &key)) return error;
  set_value(key, name, type, data);
  scope.commit();
  return ERROR_SUCCESS;
}

LONG query(HKEY handle, const std::u16string& name, LPDWORD reserved, LPDWORD type, LPBYTE data, LPDWORD size,
           bool ansi) {
  if (reserved || (data && !size)) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<const Hive> hive = current_hive();
  const HiveKey* key;
  if (LONG error = resolve(handle, KEY_QUERY_VALUE, *hive, &key)) return error;
  const Value* value = hive->find_value(*key, name);
  if (!value) return ERROR_FILE_NOT_FOUND;
  if (type) *type = value->type;
  return give_data(ansi ? data_to_ansi(value->type, value->data) : value->data, data, size);
}

LONG remove(HKEY handle, const std::u16string& name) {
  machine::Transaction scope;
  KeyId key;
  if (LONG error = resolve(handle, KEY_SET_VALUE, &key)) return error;
  if (!remove_value(key, name)) return ERROR_FILE_NOT_FOUND;
  scope.commit();
  return ERROR_SUCCESS;
}

std::string bytes(const BYTE* data, DWORD size) {
  return data ? std::string(reinterpret_cast<const char*>(data), size) : std::string();
}

}  // namespace
}  // namespace platform::registry

using namespace platform::registry;

extern "C" {

LSTATUS WINAPI RegSetValueExW(HKEY hKey, LPCWSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                              DWORD cbData) {
  if (!lpData && cbData) return ERROR_NOACCESS;
  return set(hKey, wide_name(lpValueName), dwType, bytes(lpData, cbData));
}

LSTATUS WINAPI RegSetValueExA(HKEY hKey, LPCSTR lpValueName, DWORD, DWORD dwType, const BYTE* lpData,
                              DWORD cbData) {
  if (!lpData && cbData) return ERROR_NOACCESS;
  return set(hKey, ansi_name(lpValueName), dwType, data_from_ansi(dwType, bytes(lpData, cbData)));
}

LSTATUS WINAPI RegQueryValueExW(HKEY hKey, LPCWSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                                LPDWORD lpcbData) {
  return query(hKey, wide_name(lpValueName), lpReserved, lpType, lpData, lpcbData, false);
}

LSTATUS WINAPI RegQueryValueExA(HKEY hKey, LPCSTR lpValueName, LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData,
                                LPDWORD lpcbData) {
  return query(hKey, ansi_name(lpValueName), lpReserved, lpType, lpData, lpcbData, true);
}

LSTATUS WINAPI RegDeleteValueW(HKEY hKey, LPCWSTR lpValueName) { return remove(hKey, wide_name(lpValueName)); }

LSTATUS WINAPI RegDeleteValueA(HKEY hKey, LPCSTR lpValueName) { return remove(hKey, ansi_name(lpValueName)); }

}  // extern "C"
