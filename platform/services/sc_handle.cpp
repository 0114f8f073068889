#include "services/sc_handle.h"

#include <map>
#include <memory>
#include <mutex>

namespace platform::services {
namespace {

std::mutex g_lock;
std::map<SC_HANDLE, std::unique_ptr<ScObject>>& table() {
  static auto* handles = new std::map<SC_HANDLE, std::unique_ptr<ScObject>>;  // outlives exit
  return *handles;
}

const ScObject* find(SC_HANDLE h, bool manager) {
  std::lock_guard g(g_lock);
  auto it = table().find(h);
  if (it == table().end() || it->second->is_manager != manager) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  return it->second.get();
}

}  // namespace

SC_HANDLE new_handle(ScObject object) {
  auto owned = std::make_unique<ScObject>(std::move(object));
  SC_HANDLE h = reinterpret_cast<SC_HANDLE>(owned.get());
  std::lock_guard g(g_lock);
  table()[h] = std::move(owned);
  return h;
}

const ScObject* manager_of(SC_HANDLE h) { return find(h, true); }
const ScObject* service_of(SC_HANDLE h) { return find(h, false); }

bool close_handle(SC_HANDLE h, ScObject* closed) {
  std::lock_guard g(g_lock);
  auto it = table().find(h);
  if (it == table().end()) return false;
  *closed = *it->second;
  table().erase(it);
  return true;
}

BOOL fail(DWORD error) {
  SetLastError(error);
  return FALSE;
}

}  // namespace platform::services
