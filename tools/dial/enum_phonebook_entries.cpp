#include <raserror.h>

#include "dial_entry.h"
#include "record_size.h"

namespace {

// The callers step through the records as an array, so they are the SDK's whole structure.
const DWORD kRasEntryNameSize = sizeof(RASENTRYNAMEW);
WIN32_RECORD_SIZE(kRasEntryNameSize, 1048);
const int kMaxAttempts = 30;

}  // namespace

bool EnumPhonebookEntries(RASENTRYNAMEW** ppEntries, DWORD* pdwCount) {
  HANDLE hHeap = ::GetProcessHeap();
  DWORD cb = kRasEntryNameSize;
  *pdwCount = 0;
  for (int nAttempt = 0; nAttempt < kMaxAttempts; ++nAttempt) {
    if (*ppEntries != nullptr) ::HeapFree(hHeap, 0, *ppEntries);
    const DWORD cbBuffer = cb;
    *ppEntries = static_cast<RASENTRYNAMEW*>(::HeapAlloc(hHeap, 0, cbBuffer));
    if (*ppEntries == nullptr) return false;
    (*ppEntries)->dwSize = kRasEntryNameSize;
    DWORD dwResult = ::RasEnumEntriesW(nullptr, nullptr, *ppEntries, &cb, pdwCount);
    if (dwResult == ERROR_SUCCESS) {
      // Never more records than the buffer holds.
      if (*pdwCount > cbBuffer / kRasEntryNameSize) *pdwCount = cbBuffer / kRasEntryNameSize;
      return true;
    }
    if (dwResult != ERROR_BUFFER_TOO_SMALL || cb < kRasEntryNameSize) return false;
  }
  return false;
}
