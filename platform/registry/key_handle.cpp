#include "registry/key_handle.h"

#include <iterator>
#include <memory>

#include "kernel/handles.h"
#include "kernel/object.h"

namespace platform::registry {
namespace {

class KeyObject : public Object {
 public:
  KeyObject(KeyId key, REGSAM access) : key(key), access(access) {}
  const KeyId key;
  const REGSAM access;
};

constexpr KeyId kPredefinedRoots[] = {kClassesRoot, kCurrentUser, kLocalMachine, kUsers};

// The index of a predefined root in kPredefinedRoots (HKEY_CLASSES_ROOT is the first), or the
// table's size for any other handle.
size_t predefined_index(HKEY handle) {
  ULONG_PTR offset = reinterpret_cast<ULONG_PTR>(handle) - reinterpret_cast<ULONG_PTR>(HKEY_CLASSES_ROOT);
  return offset < std::size(kPredefinedRoots) ? size_t(offset) : std::size(kPredefinedRoots);
}

REGSAM granted(REGSAM desired) {
  REGSAM out = desired & ~REGSAM(KEY_WOW64_RES | MAXIMUM_ALLOWED | GENERIC_READ | GENERIC_WRITE |
                                 GENERIC_EXECUTE | GENERIC_ALL);
  if (desired & (MAXIMUM_ALLOWED | GENERIC_ALL)) out |= KEY_ALL_ACCESS;
  if (desired & GENERIC_READ) out |= KEY_READ;
  if (desired & GENERIC_WRITE) out |= KEY_WRITE;
  if (desired & GENERIC_EXECUTE) out |= KEY_EXECUTE;
  return out;
}

// The key a handle names, whether or not it still exists.
LONG named_key(HKEY handle, REGSAM rights, KeyId* key) {
  if (is_predefined(handle)) {
    *key = kPredefinedRoots[predefined_index(handle)];
    return ERROR_SUCCESS;
  }
  auto object = handles::get_as<KeyObject>(reinterpret_cast<HANDLE>(handle));
  if (!object) return ERROR_INVALID_HANDLE;
  if ((object->access & rights) != rights) return ERROR_ACCESS_DENIED;
  *key = object->key;
  return ERROR_SUCCESS;
}

}  // namespace

bool is_predefined(HKEY handle) { return predefined_index(handle) < std::size(kPredefinedRoots); }

LONG resolve(HKEY handle, REGSAM rights, KeyId* key) {
  if (LONG error = named_key(handle, rights, key)) return error;
  return key_exists(*key) ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

LONG resolve(HKEY handle, REGSAM rights, const Hive& hive, const HiveKey** key) {
  KeyId named;
  if (LONG error = named_key(handle, rights, &named)) return error;
  *key = hive.key(named);
  return *key ? ERROR_SUCCESS : ERROR_KEY_DELETED;
}

HKEY open_handle(KeyId key, REGSAM desired) {
  return reinterpret_cast<HKEY>(handles::add(std::make_shared<KeyObject>(key, granted(desired))));
}

bool close_handle(HKEY handle) {
  HANDLE h = reinterpret_cast<HANDLE>(handle);
  return handles::get_as<KeyObject>(h) && handles::close(h);
}

}  // namespace platform::registry
