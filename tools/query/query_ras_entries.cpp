#include "query_ras_entries.h"

#include <ras.h>
#include <stdlib.h>
#include <string.h>

#include <vector>

#include "ras_entry_info.h"
#include "record_size.h"

namespace {

// The sizes of the older layouts, which every later version of RAS accepts; a newer SDK's
// records only grow at their end, so records in a buffer stand kRas...Size bytes apart.
const DWORD kRasConnSize = SIZEOF_THROUGH(RASCONNW, luid);
const DWORD kRasEntryNameSize = SIZEOF_THROUGH(RASENTRYNAMEW, szPhonebookPath);
const DWORD kRasEntrySize = SIZEOF_THROUGH(RASENTRYW, dwRedialPause);
WIN32_RECORD_SIZE(kRasConnSize, 1368);
WIN32_RECORD_SIZE(kRasEntryNameSize, 1048);
WIN32_RECORD_SIZE(kRasEntrySize, 5616);

struct Question {
  bool bGroupA, bGroupB, bGroupX, bServers, bConnected;

  bool Selects(wchar_t chGroup) const {
    return chGroup == L'A' ? bGroupA : chGroup == L'B' ? bGroupB : bGroupX;
  }
};

Question QuestionOf(LPCWSTR pszArgument) {
  CStringW strLetters(pszArgument);
  strLetters.MakeUpper();
  return {strLetters.Find(L'A') >= 0, strLetters.Find(L'B') >= 0, strLetters.Find(L'X') >= 0,
          strLetters.Find(L'S') >= 0, strLetters.Find(L'?') >= 0};
}

// RAS's enumeration of records of `size` bytes: one record first, then a buffer of the byte
// count it reported when that is a whole number of records. Null when there is no buffer.
template <class Record, class Enumerate>
Record* EnumerateRecords(DWORD size, DWORD* pdwCount, Enumerate enumerate) {
  Record first;
  memset(&first, 0, sizeof first);
  first.dwSize = size;
  DWORD cb = size;
  *pdwCount = 0;
  enumerate(&first, &cb, pdwCount);
  if (cb == 0 || cb % size != 0) return nullptr;
  const DWORD cbBuffer = cb < sizeof(Record) ? sizeof(Record) : cb;
  auto* pRecords = static_cast<Record*>(malloc(cbBuffer));
  if (pRecords == nullptr) {
    *pdwCount = 0;
    return nullptr;
  }
  memset(pRecords, 0, cbBuffer);
  pRecords->dwSize = size;
  enumerate(pRecords, &cb, pdwCount);
  // Never more records than the buffer holds, whatever the count says (entries may have been
  // added since the first call).
  if (*pdwCount > cbBuffer / size) *pdwCount = cbBuffer / size;
  return pRecords;
}

template <class Record>
const Record& RecordAt(const Record* pRecords, DWORD i, DWORD size) {
  return *reinterpret_cast<const Record*>(reinterpret_cast<const BYTE*>(pRecords) + i * size);
}

bool IsConnected(const RASENTRYW& entry, const RASCONNW* pConnections, DWORD dwConnections) {
  for (DWORD i = 0; i < dwConnections; ++i)
    if (memcmp(&RecordAt(pConnections, i, kRasConnSize).guidEntry, &entry.guidId, sizeof(GUID)) == 0) return true;
  return false;
}

std::vector<RasEntryInfo> VpnEntries() {
  DWORD dwConnections = 0;
  RASCONNW* pConnections = EnumerateRecords<RASCONNW>(kRasConnSize, &dwConnections, [](RASCONNW* p, DWORD* cb, DWORD* n) {
    return ::RasEnumConnectionsW(p, cb, n);
  });
  if (pConnections == nullptr) dwConnections = 0;
  DWORD dwEntries = 0;
  RASENTRYNAMEW* pNames = EnumerateRecords<RASENTRYNAMEW>(
      kRasEntryNameSize, &dwEntries,
      [](RASENTRYNAMEW* p, DWORD* cb, DWORD* n) { return ::RasEnumEntriesW(nullptr, nullptr, p, cb, n); });

  std::vector<RasEntryInfo> entries;
  for (DWORD i = 0; pNames != nullptr && i < dwEntries; ++i) {
    RASENTRYNAMEW& name = const_cast<RASENTRYNAMEW&>(RecordAt(pNames, i, kRasEntryNameSize));
    RASENTRYW entry;
    memset(&entry, 0, sizeof entry);
    entry.dwSize = kRasEntrySize;
    DWORD cb = kRasEntrySize;
    ::RasGetEntryPropertiesW(name.szPhonebookPath, name.szEntryName, &entry, &cb, nullptr, nullptr);
    entry.szDeviceType[RAS_MaxDeviceType] = 0;
    entry.szLocalPhoneNumber[RAS_MaxPhoneNumber] = 0;
    name.szEntryName[RAS_MaxEntryName] = 0;
    if (CStringW(entry.szDeviceType).CompareNoCase(L"VPN") != 0) continue;
    entries.emplace_back(name.szEntryName, entry.szLocalPhoneNumber,
                         IsConnected(entry, pConnections, dwConnections));
  }
  free(pNames);
  free(pConnections);
  return entries;
}

}  // namespace

CStringW QueryRasEntries(LPCWSTR pszArgument) {
  CStringW strAnswer;
  const Question question = QuestionOf(pszArgument);
  if (question.bServers && question.bConnected)
    return L"ERROR: Cannot query servers and connection status simultaneously.";
  if (!question.bServers && !question.bConnected) return L"ERROR: Must specify S or ? to indicate action.";

  std::vector<RasEntryInfo> entries = VpnEntries();
  if (question.bConnected) strAnswer = L"FALSE";
  for (const RasEntryInfo& info : entries) {
    if (!question.Selects(EntryGroupOf(info.m_strName))) continue;
    if (question.bServers && !info.m_strServer.IsEmpty()) strAnswer += info.m_strServer + L",";
    if (question.bConnected && info.m_bConnected) {
      strAnswer = L"TRUE";
      break;
    }
  }
  strAnswer.TrimRight(L',');
  strAnswer.TrimLeft(L',');
  return strAnswer;
}
