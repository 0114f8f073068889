// Deleting keys: one without subkeys, or a whole tree.
#include <windows.h>

#include "kernel/machine.h"
#include "registry/key_handle.h"
#include "registry/store.h"
#include "registry/transfer.h"

namespace platform::registry {
namespace {

bool is_root(KeyId key) { return key <= kUsers; }

LONG delete_key(HKEY handle, const std::u16string& path) {
  auto names = split_path(path);
  if (!names) return ERROR_BAD_PATHNAME;
  machine::Transaction scope;
  KeyId from;
  if (LONG error = resolve(handle, 0, &from)) return error;
  auto key = find_path(from, *names);
  if (!key) return ERROR_FILE_NOT_FOUND;
  if (is_root(*key) || has_subkeys(*key)) return ERROR_ACCESS_DENIED;
  remove_key(*key);
  scope.commit();
  return ERROR_SUCCESS;
}

// Without a subkey name the key itself stays, emptied of its subkeys and values.
LONG delete_tree(HKEY handle, const std::u16string& path) {
  bool keep_key = path.empty();
  REGSAM needed = DELETE | KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE | (keep_key ? KEY_SET_VALUE : 0);
  auto names = split_path(path);
  if (!names) return ERROR_BAD_PATHNAME;
  machine::Transaction scope;
  KeyId from;
  if (LONG error = resolve(handle, needed, &from)) return error;
  auto key = find_path(from, *names);
  if (!key) return ERROR_FILE_NOT_FOUND;
  if (is_root(*key)) return ERROR_ACCESS_DENIED;
  if (keep_key)
    clear_key(*key);
  else
    remove_key(*key);
  scope.commit();
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::registry

using namespace platform::registry;

extern "C" {

LSTATUS WINAPI RegDeleteKeyW(HKEY hKey, LPCWSTR lpSubKey) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  return delete_key(hKey, wide_name(lpSubKey));
}

LSTATUS WINAPI RegDeleteKeyA(HKEY hKey, LPCSTR lpSubKey) {
  if (!lpSubKey) return ERROR_INVALID_PARAMETER;
  return delete_key(hKey, ansi_name(lpSubKey));
}

LSTATUS WINAPI RegDeleteTreeW(HKEY hKey, LPCWSTR lpSubKey) { return delete_tree(hKey, wide_name(lpSubKey)); }

LSTATUS WINAPI RegDeleteTreeA(HKEY hKey, LPCSTR lpSubKey) { return delete_tree(hKey, ansi_name(lpSubKey)); }

}  // extern "C"
