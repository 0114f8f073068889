// Sornet: removes the phone-book entries of a network before an installation writes new ones.
// "sornet AUTO-A" (or AUTO-B, in any case) deletes every entry of both phone books that the
// dialer service counts as that network's. See README.md.
#include <windows.h>
#include <ras.h>
#include <raserror.h>
#include <stdio.h>

#include <vector>

#include "auto_entry_name.h"

namespace {

const int kMaxAttempts = 30;  // entries may be added between the size probe and the listing

// Entries of all phone books, with the phone book each was found in.
bool ListEntries(std::vector<RASENTRYNAMEA>* pEntries) {
  DWORD cb = sizeof(RASENTRYNAMEA);
  for (int nAttempt = 0; nAttempt < kMaxAttempts; ++nAttempt) {
    size_t nRecords = cb / sizeof(RASENTRYNAMEA);
    pEntries->clear();
    pEntries->resize(nRecords > 0 ? nRecords : 1);
    (*pEntries)[0].dwSize = sizeof(RASENTRYNAMEA);
    cb = static_cast<DWORD>(pEntries->size() * sizeof(RASENTRYNAMEA));
    DWORD dwCount = 0;
    DWORD dwResult = ::RasEnumEntriesA(nullptr, nullptr, pEntries->data(), &cb, &dwCount);
    if (dwResult == ERROR_SUCCESS) {
      if (dwCount < pEntries->size()) pEntries->resize(dwCount);
      return true;
    }
    if (dwResult != ERROR_BUFFER_TOO_SMALL) return false;
  }
  return false;
}

int NetworkOf(const char* pszArgument) {
  if (::lstrcmpiA(pszArgument, "AUTO-A") == 0) return kNetworkA;
  if (::lstrcmpiA(pszArgument, "AUTO-B") == 0) return kNetworkB;
  return 0;
}

bool BelongsTo(const char* pszName, int nNetwork) {
  BYTE nIndex = 0;
  EntryNameKind kind = ClassifyEntryName(pszName, &nIndex);
  return (kind == ENTRY_NAME_NETWORK_A && nNetwork == kNetworkA) ||
         (kind == ENTRY_NAME_NETWORK_B && nNetwork == kNetworkB);
}

}  // namespace

int main(int argc, char* argv[]) {
  std::vector<int> networks;
  for (int i = 1; i < argc; ++i) {
    int nNetwork = NetworkOf(argv[i]);
    if (nNetwork == 0) {
      fprintf(stderr, "usage: sornet AUTO-A|AUTO-B...\nunknown network '%s'\n", argv[i]);
      return 1;
    }
    networks.push_back(nNetwork);
  }
  if (networks.empty()) {
    fputs("usage: sornet AUTO-A|AUTO-B...\n", stderr);
    return 1;
  }
  std::vector<RASENTRYNAMEA> entries;
  if (!ListEntries(&entries)) {
    fputs("sornet: the phone-book entries cannot be listed\n", stderr);
    return 1;
  }
  int nExitCode = 0;
  for (const RASENTRYNAMEA& entry : entries) {
    bool bSelected = false;
    for (int nNetwork : networks) bSelected |= BelongsTo(entry.szEntryName, nNetwork);
    if (!bSelected) continue;
    DWORD dwResult = ::RasDeleteEntryA(entry.szPhonebookPath, entry.szEntryName);
    if (dwResult == ERROR_SUCCESS) {
      printf("Removed %s (%s)\n", entry.szEntryName, entry.szPhonebookPath);
    } else {
      fprintf(stderr, "sornet: %s cannot be removed: error %lu\n", entry.szEntryName, static_cast<unsigned long>(dwResult));
      nExitCode = 1;
    }
  }
  return nExitCode;
}
