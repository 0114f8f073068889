// A phone-book entry as a RASENTRY record and back, in both character forms. Each member has
// its key in the phone book; a key that is missing or unreadable gives the member's default.
#pragma once

#include <ras.h>

#include <string_view>

#include "ras/phonebook_file.h"

namespace platform::ras {

// Fills the members that `record.dwSize` covers (dwSize itself stays), guidId with `guid`.
template <class Entry>
void entry_to_record(const PhonebookEntry& entry, const GUID& guid, Entry& record);

// Stores the members that `record.dwSize` covers into the entry's keys, guidId excepted (an
// entry keeps the identity it was created with). Keys the record has no member for stay.
template <class Entry>
void record_to_entry(const Entry& record, PhonebookEntry& entry);

// The entry's own GUID: its Guid key, or for an entry written by hand without one, a GUID
// derived from its phone book and name, the same on every read.
GUID entry_guid(const PhonebookEntry& entry, std::u16string_view phonebook);
// A fresh GUID for a new entry, stored in its Guid key.
GUID assign_new_guid(PhonebookEntry& entry);

// The members dialling needs.
DWORD entry_type(const PhonebookEntry& entry);
std::u16string entry_phone_number(const PhonebookEntry& entry);
std::u16string entry_device_type(const PhonebookEntry& entry);
std::u16string entry_device_name(const PhonebookEntry& entry);
DWORD entry_vpn_strategy(const PhonebookEntry& entry);
bool entry_uses_preshared_key(const PhonebookEntry& entry);

}  // namespace platform::ras
