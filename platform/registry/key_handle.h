// Registry key handles: the predefined root keys and the keys a process has opened.
#pragma once

#include <windows.h>

#include "registry/hive.h"
#include "registry/store.h"

namespace platform::registry {

// Resolves a key handle for an operation that needs `rights`: ERROR_INVALID_HANDLE for no key,
// ERROR_ACCESS_DENIED when the handle was opened without them, ERROR_KEY_DELETED when the key
// is gone (deleted through another handle or by another process). The functions that change the
// registry ask the store, inside their transaction; those that read ask their hive.
LONG resolve(HKEY handle, REGSAM rights, KeyId* key);
LONG resolve(HKEY handle, REGSAM rights, const Hive& hive, const HiveKey** key);

// A new handle on `key` with the rights `desired` grants (generic rights mapped to key rights).
HKEY open_handle(KeyId key, REGSAM desired);
// True when `handle` was one that open_handle returned (closed now).
bool close_handle(HKEY handle);
bool is_predefined(HKEY handle);

}  // namespace platform::registry
