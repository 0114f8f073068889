// Enumerating subkeys and values by index.
#include <type_traits>

#include <windows.h>

#include "registry/hive.h"
#include "registry/key_handle.h"
#include "registry/store.h"
#include "registry/transfer.h"

namespace platform::registry {
namespace {

template <class Char>
LONG enum_key(HKEY handle, DWORD index, Char* name, LPDWORD chars, LPDWORD reserved, Char* class_name,
              LPDWORD class_chars, PFILETIME last_write) {
  if (reserved) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<const Hive> hive = current_hive();
  const HiveKey* key;
  if (LONG error = resolve(handle, KEY_ENUMERATE_SUB_KEYS, *hive, &key)) return error;
  const HiveKey* subkey = index < key->subkeys.size() ? hive->key(key->subkeys[index].second) : nullptr;
  if (!subkey) return ERROR_NO_MORE_ITEMS;
  if (LONG error = give_name(in_form(subkey->name, name), name, chars)) return error;
  if (LONG error = give_class(class_name, class_chars)) return error;
  if (last_write) *last_write = filetime(subkey->last_write_ns);
  return ERROR_SUCCESS;
}

template <class Char>
LONG enum_value(HKEY handle, DWORD index, Char* name, LPDWORD chars, LPDWORD reserved, LPDWORD type, LPBYTE data,
                LPDWORD size) {
  if (reserved || (data && !size)) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<const Hive> hive = current_hive();
  const HiveKey* key;
  if (LONG error = resolve(handle, KEY_QUERY_VALUE, *hive, &key)) return error;
  if (index >= key->values.size()) return ERROR_NO_MORE_ITEMS;
  const Value* value = &key->values[index];
  if (LONG error = give_name(in_form(value->name, name), name, chars)) return error;
  if (type) *type = value->type;
  constexpr bool ansi = std::is_same_v<Char, char>;
  return give_data(ansi ? data_to_ansi(value->type, value->data) : value->data, data, size);
}

}  // namespace
}  // namespace platform::registry

using namespace platform::registry;

extern "C" {

LSTATUS WINAPI RegEnumKeyExW(HKEY hKey, DWORD dwIndex, LPWSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                             LPWSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  return enum_key(hKey, dwIndex, lpName, lpcchName, lpReserved, lpClass, lpcchClass, lpftLastWriteTime);
}

LSTATUS WINAPI RegEnumKeyExA(HKEY hKey, DWORD dwIndex, LPSTR lpName, LPDWORD lpcchName, LPDWORD lpReserved,
                             LPSTR lpClass, LPDWORD lpcchClass, PFILETIME lpftLastWriteTime) {
  return enum_key(hKey, dwIndex, lpName, lpcchName, lpReserved, lpClass, lpcchClass, lpftLastWriteTime);
}

LSTATUS WINAPI RegEnumValueW(HKEY hKey, DWORD dwIndex, LPWSTR lpValueName, LPDWORD lpcchValueName,
                             LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  return enum_value(hKey, dwIndex, lpValueName, lpcchValueName, lpReserved, lpType, lpData, lpcbData);
}

LSTATUS WINAPI RegEnumValueA(HKEY hKey, DWORD dwIndex, LPSTR lpValueName, LPDWORD lpcchValueName,
                             LPDWORD lpReserved, LPDWORD lpType, LPBYTE lpData, LPDWORD lpcbData) {
  return enum_value(hKey, dwIndex, lpValueName, lpcchValueName, lpReserved, lpType, lpData, lpcbData);
}

}  // extern "C"
