// The phone-book files of the machine and the entries in them.
//
// RAS keeps two phone books for an account: the all-users one,
//   C:\ProgramData\Microsoft\Network\Connections\Pbk\rasphone.pbk
// and the user's own,
//   C:\Users\<user>\AppData\Roaming\Microsoft\Network\Connections\Pbk\rasphone.pbk
// where <user> is the process's USERNAME, "Administrator" when it has none. A call without a
// phone book looks in both, the all-users one first, and creates entries in the all-users one.
// Every call reads the file afresh: another process may have changed it.
#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "ras/phonebook_file.h"

namespace platform::ras {

std::u16string current_user();
std::u16string all_users_phonebook();
std::u16string user_phonebook();
// The phone books a call names: the full form of `path`, or both when it is null or empty.
std::vector<std::u16string> phonebooks_for(const std::u16string* path);
// A phone book in the all-users profile (C:\ProgramData).
bool is_all_users(const std::u16string& phonebook);

// The entries of a phone book; nothing when the file does not exist or cannot be read.
std::optional<std::vector<PhonebookEntry>> read_phonebook(const std::u16string& phonebook);

struct Located {
  std::u16string phonebook;  // full Windows path
  PhonebookEntry entry;
};
// The entry of that name (any case) in the first phone book of `phonebooks` that has it.
std::optional<Located> find_entry(const std::vector<std::u16string>& phonebooks, std::u16string_view name);

// Reads the phone book (none yet: no entries), lets `change` edit its entries and writes the
// file when `change` returns ERROR_SUCCESS. Writers of every process take turns. The file is
// replaced whole, so a reader never sees half of it. ERROR_CANNOT_WRITE_PHONEBOOK when it
// cannot be written.
DWORD change_phonebook(const std::u16string& phonebook,
                       const std::function<DWORD(std::vector<PhonebookEntry>& entries)>& change);

}  // namespace platform::ras
