// SC_HANDLEs of this process: the manager, or one service with the access it was opened for.
#pragma once

#include <string>

#include <windows.h>

namespace platform::services {

struct ScObject {
  bool is_manager = false;
  std::u16string key_name;  // a service
  DWORD access = 0;
};

SC_HANDLE new_handle(ScObject object);
// Null (with ERROR_INVALID_HANDLE set) when `h` is not an open handle of that kind.
const ScObject* manager_of(SC_HANDLE h);
const ScObject* service_of(SC_HANDLE h);
bool close_handle(SC_HANDLE h, ScObject* closed);

// SetLastError(error) and FALSE, for the API's failure paths.
BOOL fail(DWORD error);

}  // namespace platform::services
