// RegQueryInfoKey: counts and the longest names and data below a key.
#include <windows.h>

#include "registry/hive.h"
#include "registry/key_handle.h"
#include "registry/store.h"
#include "registry/transfer.h"

namespace platform::registry {
namespace {

void put(LPDWORD out, DWORD value) {
  if (out) *out = value;
}

template <class Char>
LONG query_info(HKEY handle, Char* class_name, LPDWORD class_chars, LPDWORD reserved, LPDWORD subkeys,
                LPDWORD max_subkey_name, LPDWORD max_class_name, LPDWORD values, LPDWORD max_value_name,
                LPDWORD max_value_data, LPDWORD security_descriptor, PFILETIME last_write) {
  if (reserved) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<const Hive> hive = current_hive();
  const HiveKey* key;
  if (LONG error = resolve(handle, KEY_QUERY_VALUE, *hive, &key)) return error;
  if (LONG error = give_class(class_name, class_chars)) return error;
  KeyInfo found = hive->info(*key);
  put(subkeys, found.subkeys);
  put(max_subkey_name, found.max_subkey_name);
  put(max_class_name, 0);
  put(values, found.values);
  put(max_value_name, found.max_value_name);
  put(max_value_data, found.max_value_data);
  put(security_descriptor, 0);
  if (last_write) *last_write = filetime(found.last_write_ns);
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::registry

using namespace platform::registry;

extern "C" {

LSTATUS WINAPI RegQueryInfoKeyW(HKEY hKey, LPWSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved,
                                LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                                LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                                LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
  return query_info(hKey, lpClass, lpcchClass, lpReserved, lpcSubKeys, lpcbMaxSubKeyLen, lpcbMaxClassLen,
                    lpcValues, lpcbMaxValueNameLen, lpcbMaxValueLen, lpcbSecurityDescriptor, lpftLastWriteTime);
}

// The longest data is given in its stored size, which bounds the ANSI size of string data.
LSTATUS WINAPI RegQueryInfoKeyA(HKEY hKey, LPSTR lpClass, LPDWORD lpcchClass, LPDWORD lpReserved,
                                LPDWORD lpcSubKeys, LPDWORD lpcbMaxSubKeyLen, LPDWORD lpcbMaxClassLen,
                                LPDWORD lpcValues, LPDWORD lpcbMaxValueNameLen, LPDWORD lpcbMaxValueLen,
                                LPDWORD lpcbSecurityDescriptor, PFILETIME lpftLastWriteTime) {
  return query_info(hKey, lpClass, lpcchClass, lpReserved, lpcSubKeys, lpcbMaxSubKeyLen, lpcbMaxClassLen,
                    lpcValues, lpcbMaxValueNameLen, lpcbMaxValueLen, lpcbSecurityDescriptor, lpftLastWriteTime);
}

}  // extern "C"
