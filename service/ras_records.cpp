#include "ras_records.h"

#include <stdlib.h>
#include <string.h>

namespace {

template <class Record>
Record* CopyRecord(const Record* pRecord, DWORD cbRecord) {
  Record* pCopy = static_cast<Record*>(calloc(1, sizeof(Record)));
  if (pCopy != nullptr) memcpy(pCopy, pRecord, cbRecord);
  return pCopy;
}

}  // namespace

RASENTRYA* CopyRasEntry(const RASENTRYA* pEntry) { return CopyRecord(pEntry, kRasEntrySize); }

RASDIALPARAMSA* CopyDialParams(const RASDIALPARAMSA* pParams) { return CopyRecord(pParams, kRasDialParamsSize); }

bool IsVpnDeviceType(const RASENTRYA* pEntry) {
  const char* psz = pEntry->szDeviceType;
  if (strnlen(psz, sizeof(pEntry->szDeviceType)) != 3) return false;
  const char szVpn[] = "vpn";
  for (int i = 0; i < 3; ++i)
    if ((psz[i] | 0x20) != szVpn[i]) return false;
  return true;
}
