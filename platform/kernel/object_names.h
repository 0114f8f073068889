// The names of the process's events and mutexes: one namespace, compared case-sensitively.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include <windows.h>

#include "kernel/handles.h"
#include "kernel/object.h"

namespace platform::object_names {

// The key of a name: the machine has one session, so "Global\" and "Local\" name the same
// namespace as no prefix. Empty for an unnamed object (null or "").
std::u16string key(const WCHAR* name);
std::u16string key(const char* ansi_name);

// Makes an object of the name or finds it: the live object of `key` in this process, or else
// make() (called with the names locked, so that two threads cannot both make one) and the
// object it returns is remembered. *existed is true for a found object, or when make() says so.
// make() returns null with the last error set when there is nothing to open.
using Maker = std::function<std::shared_ptr<Object>(bool* existed)>;
std::shared_ptr<Object> find_or_make(const std::u16string& key, const Maker& make, bool* existed);

// A handle to the object of a name for CreateXxx (`create`) or OpenXxx, with the last errors
// of Windows: ERROR_ALREADY_EXISTS or 0 after a create, ERROR_INVALID_HANDLE when the name
// belongs to an object of another type.
template <class T>
HANDLE handle_for(const std::u16string& key, bool create, bool inheritable, const Maker& make) {
  bool existed = false;
  std::shared_ptr<Object> object = find_or_make(key, make, &existed);
  if (!object) return nullptr;
  auto typed = std::dynamic_pointer_cast<T>(object);
  if (!typed) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  HANDLE handle = handles::add(std::move(typed), inheritable);
  if (create) SetLastError(existed ? ERROR_ALREADY_EXISTS : ERROR_SUCCESS);
  return handle;
}

}  // namespace platform::object_names
