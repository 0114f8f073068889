// The process's handle table. Handle values are multiples of 4 from 4 up, as on Windows.
#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "kernel/object.h"

namespace platform::handles {

HANDLE add(std::shared_ptr<Object> object, bool inheritable = false);
// Places an object at a given value (a child takes its inherited handles at their values).
bool add_at(HANDLE value, std::shared_ptr<Object> object, bool inheritable);
// The object behind a handle, or null (the caller sets ERROR_INVALID_HANDLE).
std::shared_ptr<Object> get(HANDLE value);
template <class T>
std::shared_ptr<T> get_as(HANDLE value) {
  return std::dynamic_pointer_cast<T>(get(value));
}
bool close(HANDLE value);
bool flags(HANDLE value, DWORD* out);
bool set_flags(HANDLE value, DWORD mask, DWORD flags);
std::vector<std::pair<HANDLE, std::shared_ptr<Object>>> inheritable();

}  // namespace platform::handles
