// The service database calls: the manager, opening, creating, changing and deleting services.
#include <windows.h>

#include <cstring>

#include "kernel/text.h"
#include "services/sc_handle.h"
#include "services/service_db.h"
#include "services/status_table.h"

using namespace platform;
using namespace platform::services;

namespace {

constexpr size_t kMaxNameLength = 256;

std::u16string from_ansi(LPCSTR s) { return s ? text::from_ansi(s) : std::u16string(); }

bool valid_key_name(const std::u16string& name) {
  return !name.empty() && name.size() <= kMaxNameLength && name.find_first_of(u"/\\") == std::u16string::npos;
}

// Another service already uses `display_name` as its display or key name.
bool display_name_taken(const std::u16string& display_name, const std::u16string& own_key) {
  if (auto key = find_service(display_name); key && !text::iequals(*key, own_key)) return true;
  auto other = find_by_display_name(display_name);
  return other && !text::iequals(*other, own_key);
}

std::vector<std::u16string> dependency_list(LPCSTR list) {
  std::vector<std::u16string> names;
  for (const char* p = list; p && *p; p += std::strlen(p) + 1) names.push_back(text::from_ansi(p));
  return names;
}

bool valid_type(DWORD type) {
  DWORD process = type & ~DWORD(SERVICE_INTERACTIVE_PROCESS);
  return process == SERVICE_WIN32_OWN_PROCESS || process == SERVICE_WIN32_SHARE_PROCESS ||
         (type == SERVICE_KERNEL_DRIVER || type == SERVICE_FILE_SYSTEM_DRIVER);
}

SC_HANDLE open_manager(bool local, bool known_database) {
  if (!local) return SetLastError(ERROR_ACCESS_DENIED), nullptr;
  if (!known_database) return SetLastError(1065 /* ERROR_DATABASE_DOES_NOT_EXIST */), nullptr;
  return new_handle({true, u"", 0});
}

SC_HANDLE open_service(SC_HANDLE manager, const std::u16string& name, DWORD access) {
  if (!manager_of(manager)) return nullptr;
  if (name.empty()) return SetLastError(ERROR_INVALID_NAME), nullptr;
  auto key = find_service(name);
  if (!key) return SetLastError(ERROR_SERVICE_DOES_NOT_EXIST), nullptr;
  add_handle(*key, 1);
  return new_handle({false, *key, access});
}

}  // namespace

SC_HANDLE WINAPI OpenSCManagerA(LPCSTR lpMachineName, LPCSTR lpDatabaseName, DWORD) {
  return open_manager(!lpMachineName || !*lpMachineName,
                      !lpDatabaseName || text::iequals(from_ansi(lpDatabaseName), u"ServicesActive"));
}

SC_HANDLE WINAPI OpenSCManagerW(LPCWSTR lpMachineName, LPCWSTR lpDatabaseName, DWORD) {
  return open_manager(!lpMachineName || !*lpMachineName,
                      !lpDatabaseName || text::iequals(text::from_wide(lpDatabaseName), u"ServicesActive"));
}

SC_HANDLE WINAPI OpenServiceA(SC_HANDLE hSCManager, LPCSTR lpServiceName, DWORD dwDesiredAccess) {
  return open_service(hSCManager, from_ansi(lpServiceName), dwDesiredAccess);
}

SC_HANDLE WINAPI OpenServiceW(SC_HANDLE hSCManager, LPCWSTR lpServiceName, DWORD dwDesiredAccess) {
  return open_service(hSCManager, text::from_wide(lpServiceName), dwDesiredAccess);
}

SC_HANDLE WINAPI CreateServiceA(SC_HANDLE hSCManager, LPCSTR lpServiceName, LPCSTR lpDisplayName, DWORD dwDesiredAccess,
                                DWORD dwServiceType, DWORD dwStartType, DWORD dwErrorControl, LPCSTR lpBinaryPathName,
                                LPCSTR, LPDWORD, LPCSTR lpDependencies, LPCSTR lpServiceStartName, LPCSTR) {
  const ScObject* manager = manager_of(hSCManager);
  if (!manager) return nullptr;
  Config config;
  config.key_name = from_ansi(lpServiceName);
  config.display_name = lpDisplayName && *lpDisplayName ? from_ansi(lpDisplayName) : config.key_name;
  if (!valid_key_name(config.key_name) || config.display_name.size() > kMaxNameLength)
    return SetLastError(ERROR_INVALID_NAME), nullptr;
  if (!lpBinaryPathName || !valid_type(dwServiceType) || dwStartType > SERVICE_DISABLED ||
      dwErrorControl > SERVICE_ERROR_CRITICAL)
    return SetLastError(ERROR_INVALID_PARAMETER), nullptr;
  if (auto existing = find_service(config.key_name)) {
    bool marked = load_status(*existing).marked_for_delete;
    return SetLastError(marked ? ERROR_SERVICE_MARKED_FOR_DELETE : ERROR_SERVICE_EXISTS), nullptr;
  }
  if (display_name_taken(config.display_name, config.key_name))
    return SetLastError(ERROR_DUPLICATE_SERVICE_NAME), nullptr;
  config.type = dwServiceType;
  config.start = dwStartType;
  config.error_control = dwErrorControl;
  config.image_path = from_ansi(lpBinaryPathName);
  if (lpServiceStartName && *lpServiceStartName) config.object_name = from_ansi(lpServiceStartName);
  config.depend_on = dependency_list(lpDependencies);
  write_config(config);
  add_handle(config.key_name, 1);
  return new_handle({false, config.key_name, dwDesiredAccess});
}

BOOL WINAPI ChangeServiceConfigA(SC_HANDLE hService, DWORD dwServiceType, DWORD dwStartType, DWORD dwErrorControl,
                                 LPCSTR lpBinaryPathName, LPCSTR, LPDWORD, LPCSTR lpDependencies,
                                 LPCSTR lpServiceStartName, LPCSTR, LPCSTR lpDisplayName) {
  const ScObject* service = service_of(hService);
  if (!service) return FALSE;
  if (!(service->access & SERVICE_CHANGE_CONFIG)) return fail(ERROR_ACCESS_DENIED);
  if (load_status(service->key_name).marked_for_delete) return fail(ERROR_SERVICE_MARKED_FOR_DELETE);
  auto config = read_config(service->key_name);
  if (!config) return fail(ERROR_SERVICE_DOES_NOT_EXIST);
  if ((dwServiceType != SERVICE_NO_CHANGE && !valid_type(dwServiceType)) ||
      (dwStartType != SERVICE_NO_CHANGE && dwStartType > SERVICE_DISABLED) ||
      (dwErrorControl != SERVICE_NO_CHANGE && dwErrorControl > SERVICE_ERROR_CRITICAL))
    return fail(ERROR_INVALID_PARAMETER);
  if (lpDisplayName) {
    std::u16string display = from_ansi(lpDisplayName);
    if (display.size() > kMaxNameLength) return fail(ERROR_INVALID_NAME);
    if (display_name_taken(display, config->key_name)) return fail(ERROR_DUPLICATE_SERVICE_NAME);
    config->display_name = display.empty() ? config->key_name : display;
  }
  if (dwServiceType != SERVICE_NO_CHANGE) config->type = dwServiceType;
  if (dwStartType != SERVICE_NO_CHANGE) config->start = dwStartType;
  if (dwErrorControl != SERVICE_NO_CHANGE) config->error_control = dwErrorControl;
  if (lpBinaryPathName) config->image_path = from_ansi(lpBinaryPathName);
  if (lpDependencies) config->depend_on = dependency_list(lpDependencies);
  // An empty account, like a missing one at creation, is the local system account.
  if (lpServiceStartName) config->object_name = *lpServiceStartName ? from_ansi(lpServiceStartName) : u"LocalSystem";
  write_config(*config);
  return TRUE;
}

BOOL WINAPI GetServiceKeyNameA(SC_HANDLE hSCManager, LPCSTR lpDisplayName, LPSTR lpServiceName, LPDWORD lpcchBuffer) {
  if (!manager_of(hSCManager)) return FALSE;
  if (!lpcchBuffer) return fail(ERROR_INVALID_PARAMETER);
  auto key = lpDisplayName ? find_by_display_name(from_ansi(lpDisplayName)) : std::nullopt;
  if (!key) return fail(ERROR_SERVICE_DOES_NOT_EXIST);
  std::string name = text::to_ansi(*key);
  if (!lpServiceName || *lpcchBuffer <= name.size()) {
    *lpcchBuffer = DWORD(name.size());
    return fail(ERROR_INSUFFICIENT_BUFFER);
  }
  std::memcpy(lpServiceName, name.c_str(), name.size() + 1);
  *lpcchBuffer = DWORD(name.size());
  return TRUE;
}

BOOL WINAPI DeleteService(SC_HANDLE hService) {
  const ScObject* service = service_of(hService);
  if (!service) return FALSE;
  if (!(service->access & DELETE)) return fail(ERROR_ACCESS_DENIED);
  if (load_status(service->key_name).marked_for_delete) return fail(ERROR_SERVICE_MARKED_FOR_DELETE);
  mark_for_delete(service->key_name);
  collect_if_deleted(service->key_name);
  return TRUE;
}

BOOL WINAPI CloseServiceHandle(SC_HANDLE hSCObject) {
  ScObject closed;
  if (!close_handle(hSCObject, &closed)) return fail(ERROR_INVALID_HANDLE);
  if (!closed.is_manager) {
    add_handle(closed.key_name, -1);
    collect_if_deleted(closed.key_name);
  }
  return TRUE;
}
