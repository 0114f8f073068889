#include "user/window_class.h"

#include <map>
#include <mutex>

#include "kernel/out_buffer.h"
#include "kernel/text.h"
#include "user/system_classes.h"

namespace platform::user {
namespace {

struct Classes {
  std::mutex mutex;
  std::map<std::u16string, std::shared_ptr<const WindowClass>> by_name;  // upper-cased names
  ATOM next_atom = 0xC000;
};

Classes& classes() {
  static auto* c = new Classes;
  return *c;
}

bool is_atom(const void* name) { return reinterpret_cast<uintptr_t>(name) < 0x10000; }

std::shared_ptr<const WindowClass> by_atom(ATOM atom) {
  Classes& c = classes();
  std::lock_guard g(c.mutex);
  for (auto& [key, cls] : c.by_name)
    if (cls->atom == atom) return cls;
  return nullptr;
}

std::shared_ptr<const WindowClass> by_name(const std::u16string& name) {
  register_system_classes();
  Classes& c = classes();
  std::lock_guard g(c.mutex);
  auto it = c.by_name.find(text::upper(name));
  return it == c.by_name.end() ? nullptr : it->second;
}

}  // namespace

ATOM register_class(WindowClass window_class) {
  if (window_class.name.empty() || !window_class.proc) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  Classes& c = classes();
  std::lock_guard g(c.mutex);
  auto& slot = c.by_name[text::upper(window_class.name)];
  if (slot) {
    SetLastError(ERROR_CLASS_ALREADY_EXISTS);
    return 0;
  }
  if (!window_class.atom) window_class.atom = c.next_atom++;
  slot = std::make_shared<const WindowClass>(std::move(window_class));
  return slot->atom;
}

bool unregister_class(const std::u16string& name) {
  Classes& c = classes();
  std::lock_guard g(c.mutex);
  if (c.by_name.erase(text::upper(name))) return true;
  SetLastError(ERROR_CLASS_DOES_NOT_EXIST);
  return false;
}

std::shared_ptr<const WindowClass> find_class(const WCHAR* name) {
  register_system_classes();
  if (is_atom(name)) return by_atom(ATOM(reinterpret_cast<uintptr_t>(name)));
  return by_name(out::in(name));
}

std::shared_ptr<const WindowClass> find_class(const char* name) {
  register_system_classes();
  if (is_atom(name)) return by_atom(ATOM(reinterpret_cast<uintptr_t>(name)));
  return by_name(out::in(name));
}

}  // namespace platform::user
