// Credentials of phone-book entries, kept in the machine database (never in the phone book):
// one set for all users and one per user, each member stored or not.
#pragma once

#include <windows.h>

#include <string>

namespace platform::ras {

struct Credentials {
  std::u16string user_name, password, domain, preshared_key;
  DWORD stored = 0;  // RASCM_UserName | RASCM_Password | RASCM_Domain | RASCM_PreSharedKey
};

// The owner of the all-users set, and of the current user's.
std::u16string all_users_owner();
std::u16string current_owner();

Credentials load_credentials(const std::u16string& phonebook, std::u16string_view entry, const std::u16string& owner);
void save_credentials(const std::u16string& phonebook, std::u16string_view entry, const std::u16string& owner,
                      const Credentials& credentials);
void delete_credentials(const std::u16string& phonebook, std::u16string_view entry);

// What a dial of the entry uses: each member from the user's own set when stored there, else
// from the all-users set. *from_all_users tells whether the password came from the latter.
Credentials effective_credentials(const std::u16string& phonebook, std::u16string_view entry, bool* from_all_users);

// What RasGetEntryDialParams hands out instead of a stored password; given back to RasDial or
// RasSetCredentials it stands for the stored one.
inline constexpr char16_t kPasswordHandle[] = u"****************";

}  // namespace platform::ras
