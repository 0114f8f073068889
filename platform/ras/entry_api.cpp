// Phone-book entries: RasEnumEntries, RasGetEntryProperties, RasSetEntryProperties and
// RasDeleteEntry.
#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <cstring>

#include "kernel/text.h"
#include "ras/call_args.h"
#include "ras/credentials.h"
#include "ras/entry_name.h"
#include "ras/entry_record.h"
#include "ras/phonebooks.h"
#include "ras/record_array.h"
#include "ras/record_text.h"

namespace platform::ras {
namespace {

struct NamedEntry {
  std::u16string name;
  std::u16string phonebook;
};

template <class Record>
DWORD enum_entries(const Arg& reserved, const Arg& phonebook, Record* buffer, DWORD* size, DWORD* count) {
  if (reserved) return ERROR_NOT_SUPPORTED;
  std::vector<NamedEntry> names;
  for (const std::u16string& book : phonebooks_for(ptr(phonebook)))
    for (const PhonebookEntry& entry : read_phonebook(book).value_or(std::vector<PhonebookEntry>{}))
      names.push_back({entry.name, book});
  return fill_records(buffer, size, count, names, [](Record& r, const NamedEntry& e) {
    put(r.szEntryName, e.name);
    if (!WINSIM_HAS_MEMBER(Record, dwFlags, r.dwSize)) return;
    r.dwFlags = is_all_users(e.phonebook) ? REN_AllUsers : REN_User;
    put(r.szPhonebookPath, e.phonebook);
  });
}

template <class Record>
DWORD get_entry_properties(const Arg& phonebook, const Arg& name, Record* record, DWORD* record_size,
                           DWORD* device_info_size) {
  if (!name || !record_size) return ERROR_INVALID_PARAMETER;
  if (device_info_size) *device_info_size = 0;  // device information is a thing of the past
  // An empty name asks for the values a new entry gets.
  std::optional<Located> located;
  if (!name->empty()) {
    located = find_entry(phonebooks_for(ptr(phonebook)), *name);
    if (!located) return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
  }
  if (!record) {
    *record_size = sizeof(Record);
    return ERROR_BUFFER_TOO_SMALL;
  }
  if (!known_size<Record>(record->dwSize)) return ERROR_INVALID_SIZE;
  if (*record_size < record->dwSize) {
    *record_size = record->dwSize;
    return ERROR_BUFFER_TOO_SMALL;
  }
  const DWORD size = record->dwSize;
  std::memset(reinterpret_cast<char*>(record) + sizeof(DWORD), 0, size - sizeof(DWORD));
  PhonebookEntry defaults;
  const PhonebookEntry& entry = located ? located->entry : defaults;
  entry_to_record(entry, located ? entry_guid(entry, located->phonebook) : GUID{}, *record);
  *record_size = size;
  return ERROR_SUCCESS;
}

template <class Record>
DWORD set_entry_properties(const Arg& phonebook, const Arg& name, const Record* record, DWORD record_size) {
  if (!name || !record) return ERROR_INVALID_PARAMETER;
  if (!known_size<Record>(record->dwSize)) return ERROR_INVALID_SIZE;
  if (record_size < record->dwSize) return ERROR_BUFFER_INVALID;
  if (!valid_entry_name(*name)) return ERROR_INVALID_NAME;
  // Without a phone book, an entry that exists is changed where it is; a new one goes to the
  // all-users phone book.
  std::u16string book = phonebooks_for(ptr(phonebook)).front();
  if (!phonebook || phonebook->empty())
    if (auto located = find_entry(phonebooks_for(nullptr), *name)) book = located->phonebook;
  return change_phonebook(book, [&](std::vector<PhonebookEntry>& entries) {
    auto it = std::find_if(entries.begin(), entries.end(),
                           [&](const PhonebookEntry& e) { return text::iequals(e.name, *name); });
    if (it == entries.end()) {
      entries.push_back(PhonebookEntry{*name, {}});
      it = entries.end() - 1;
      assign_new_guid(*it);
    }
    record_to_entry(*record, *it);
    return DWORD(ERROR_SUCCESS);
  });
}

DWORD delete_entry(const Arg& phonebook, const Arg& name) {
  if (!name) return ERROR_INVALID_PARAMETER;
  auto located = find_entry(phonebooks_for(ptr(phonebook)), *name);
  if (!located) return ERROR_CANNOT_FIND_PHONEBOOK_ENTRY;
  DWORD result = change_phonebook(located->phonebook, [&](std::vector<PhonebookEntry>& entries) {
    std::erase_if(entries, [&](const PhonebookEntry& e) { return text::iequals(e.name, *name); });
    return DWORD(ERROR_SUCCESS);
  });
  if (result == ERROR_SUCCESS) delete_credentials(located->phonebook, located->entry.name);
  return result;
}

}  // namespace
}  // namespace platform::ras

using platform::ras::arg;

extern "C" {

DWORD WINAPI RasEnumEntriesA(LPCSTR reserved, LPCSTR lpszPhonebook, LPRASENTRYNAMEA lprasentryname, LPDWORD lpcb,
                             LPDWORD lpcEntries) {
  return platform::ras::enum_entries(arg(reserved), arg(lpszPhonebook), lprasentryname, lpcb, lpcEntries);
}

DWORD WINAPI RasEnumEntriesW(LPCWSTR reserved, LPCWSTR lpszPhonebook, LPRASENTRYNAMEW lprasentryname, LPDWORD lpcb,
                             LPDWORD lpcEntries) {
  return platform::ras::enum_entries(arg(reserved), arg(lpszPhonebook), lprasentryname, lpcb, lpcEntries);
}

DWORD WINAPI RasGetEntryPropertiesA(LPCSTR lpszPhonebook, LPCSTR lpszEntry, LPRASENTRYA lpRasEntry,
                                    LPDWORD lpdwEntryInfoSize, LPBYTE, LPDWORD lpdwDeviceInfoSize) {
  return platform::ras::get_entry_properties(arg(lpszPhonebook), arg(lpszEntry), lpRasEntry, lpdwEntryInfoSize,
                                           lpdwDeviceInfoSize);
}

DWORD WINAPI RasGetEntryPropertiesW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry, LPRASENTRYW lpRasEntry,
                                    LPDWORD lpdwEntryInfoSize, LPBYTE, LPDWORD lpdwDeviceInfoSize) {
  return platform::ras::get_entry_properties(arg(lpszPhonebook), arg(lpszEntry), lpRasEntry, lpdwEntryInfoSize,
                                           lpdwDeviceInfoSize);
}

DWORD WINAPI RasSetEntryPropertiesA(LPCSTR lpszPhonebook, LPCSTR lpszEntry, LPRASENTRYA lpRasEntry,
                                    DWORD dwEntryInfoSize, LPBYTE, DWORD) {
  return platform::ras::set_entry_properties(arg(lpszPhonebook), arg(lpszEntry), lpRasEntry, dwEntryInfoSize);
}

DWORD WINAPI RasSetEntryPropertiesW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry, LPRASENTRYW lpRasEntry,
                                    DWORD dwEntryInfoSize, LPBYTE, DWORD) {
  return platform::ras::set_entry_properties(arg(lpszPhonebook), arg(lpszEntry), lpRasEntry, dwEntryInfoSize);
}

DWORD WINAPI RasDeleteEntryA(LPCSTR lpszPhonebook, LPCSTR lpszEntry) {
  return platform::ras::delete_entry(arg(lpszPhonebook), arg(lpszEntry));
}

DWORD WINAPI RasDeleteEntryW(LPCWSTR lpszPhonebook, LPCWSTR lpszEntry) {
  return platform::ras::delete_entry(arg(lpszPhonebook), arg(lpszEntry));
}

}  // extern "C"
