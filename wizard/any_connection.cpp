#include "any_connection.h"

#include <ras.h>
#include <raserror.h>

#include "record_size.h"

namespace {

const int kMaxListCalls = 6;

}  // namespace

const DWORD kRasConnRecordSize = SIZEOF_THROUGH(RASCONNW, luid);
WIN32_RECORD_SIZE(kRasConnRecordSize, 1368);

DWORD ListRasConnections(std::vector<BYTE>& buffer, DWORD& dwCount) {
  buffer.assign(kRasConnRecordSize, 0);
  DWORD cb = kRasConnRecordSize;
  DWORD dwResult = ERROR_SUCCESS;
  for (int nCalls = 1;; ++nCalls) {
    dwCount = 0;
    reinterpret_cast<RASCONNW*>(buffer.data())->dwSize = kRasConnRecordSize;
    dwResult = ::RasEnumConnectionsW(reinterpret_cast<RASCONNW*>(buffer.data()), &cb, &dwCount);
    if ((dwResult != ERROR_BUFFER_TOO_SMALL && dwResult != ERROR_NOT_ENOUGH_MEMORY) || nCalls == kMaxListCalls) break;
    buffer.assign(cb > kRasConnRecordSize ? cb : kRasConnRecordSize, 0);
    cb = static_cast<DWORD>(buffer.size());
  }
  return dwResult;
}

bool IsAnyConnectionActive() {
  std::vector<BYTE> buffer;
  DWORD dwCount = 0;
  return ListRasConnections(buffer, dwCount) == ERROR_SUCCESS && dwCount > 0;
}
