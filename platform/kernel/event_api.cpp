// CreateEvent, OpenEvent, SetEvent, ResetEvent, PulseEvent.
#include <windows.h>

#include "kernel/event.h"
#include "kernel/object_names.h"

namespace {

using platform::Event;
namespace names = platform::object_names;

HANDLE create_event(LPSECURITY_ATTRIBUTES attributes, BOOL manual_reset, BOOL initial_state,
                    const std::u16string& key) {
  bool inheritable = attributes && attributes->bInheritHandle;
  auto make = [&](bool*) { return std::make_shared<Event>(manual_reset, initial_state); };
  if (key.empty()) {
    SetLastError(ERROR_SUCCESS);
    return platform::handles::add(make(nullptr), inheritable);
  }
  return names::handle_for<Event>(key, true, inheritable, make);
}

HANDLE open_event(BOOL inherit, const std::u16string& key) {
  if (key.empty()) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return names::handle_for<Event>(key, false, inherit, [](bool*) -> std::shared_ptr<platform::Object> {
    SetLastError(ERROR_FILE_NOT_FOUND);  // events are known in their own process only
    return nullptr;
  });
}

std::shared_ptr<Event> event(HANDLE h) {
  auto e = platform::handles::get_as<Event>(h);
  if (!e) SetLastError(ERROR_INVALID_HANDLE);
  return e;
}

}  // namespace

extern "C" {

HANDLE WINAPI CreateEventA(LPSECURITY_ATTRIBUTES attributes, BOOL manual_reset, BOOL initial_state, LPCSTR name) {
  return create_event(attributes, manual_reset, initial_state, names::key(name));
}

HANDLE WINAPI CreateEventW(LPSECURITY_ATTRIBUTES attributes, BOOL manual_reset, BOOL initial_state, LPCWSTR name) {
  return create_event(attributes, manual_reset, initial_state, names::key(name));
}

HANDLE WINAPI OpenEventA(DWORD, BOOL inherit, LPCSTR name) { return open_event(inherit, names::key(name)); }

HANDLE WINAPI OpenEventW(DWORD, BOOL inherit, LPCWSTR name) { return open_event(inherit, names::key(name)); }

BOOL WINAPI SetEvent(HANDLE h) {
  auto e = event(h);
  if (!e) return FALSE;
  e->set();
  return TRUE;
}

BOOL WINAPI ResetEvent(HANDLE h) {
  auto e = event(h);
  if (!e) return FALSE;
  e->reset();
  return TRUE;
}

BOOL WINAPI PulseEvent(HANDLE h) {
  auto e = event(h);
  if (!e) return FALSE;
  e->pulse();
  return TRUE;
}

}  // extern "C"
