#include "ras/credentials.h"

#include <ras.h>

#include "kernel/machine.h"
#include "kernel/text.h"
#include "ras/phonebooks.h"

namespace platform::ras {
namespace {

std::string key(std::u16string_view s) { return text::utf8(text::upper(s)); }

}  // namespace

std::u16string all_users_owner() { return u""; }
std::u16string current_owner() { return text::upper(current_user()); }

Credentials load_credentials(const std::u16string& phonebook, std::u16string_view entry, const std::u16string& owner) {
  machine::Statement s(
      "SELECT user_name, password, domain, preshared_key, stored FROM ras_credentials"
      " WHERE phonebook = ? AND entry = ? AND owner = ?");
  s.bind(1, key(phonebook)).bind(2, key(entry)).bind(3, key(owner));
  Credentials c;
  if (!s.step()) return c;
  c.user_name = text::utf16(s.column_text(0));
  c.password = text::utf16(s.column_text(1));
  c.domain = text::utf16(s.column_text(2));
  c.preshared_key = text::utf16(s.column_text(3));
  c.stored = DWORD(s.column_int(4));
  return c;
}

void save_credentials(const std::u16string& phonebook, std::u16string_view entry, const std::u16string& owner,
                      const Credentials& c) {
  machine::Statement s(
      "INSERT OR REPLACE INTO ras_credentials(phonebook, entry, owner, user_name, password, domain, preshared_key,"
      " stored) VALUES(?, ?, ?, ?, ?, ?, ?, ?)");
  s.bind(1, key(phonebook)).bind(2, key(entry)).bind(3, key(owner));
  s.bind(4, text::utf8(c.user_name)).bind(5, text::utf8(c.password)).bind(6, text::utf8(c.domain));
  s.bind(7, text::utf8(c.preshared_key)).bind(8, (long long)c.stored);
  s.step();
}

void delete_credentials(const std::u16string& phonebook, std::u16string_view entry) {
  machine::Statement s("DELETE FROM ras_credentials WHERE phonebook = ? AND entry = ?");
  s.bind(1, key(phonebook)).bind(2, key(entry));
  s.step();
}

Credentials effective_credentials(const std::u16string& phonebook, std::u16string_view entry, bool* from_all_users) {
  Credentials own = load_credentials(phonebook, entry, current_owner());
  Credentials shared = load_credentials(phonebook, entry, all_users_owner());
  Credentials result;
  auto take = [&](DWORD bit, std::u16string Credentials::*member) {
    const Credentials* source = (own.stored & bit) ? &own : (shared.stored & bit) ? &shared : nullptr;
    if (!source) return;
    result.*member = source->*member;
    result.stored |= bit;
  };
  take(RASCM_UserName, &Credentials::user_name);
  take(RASCM_Password, &Credentials::password);
  take(RASCM_Domain, &Credentials::domain);
  take(RASCM_PreSharedKey, &Credentials::preshared_key);
  *from_all_users = !(own.stored & RASCM_Password) && (shared.stored & RASCM_Password);
  return result;
}

}  // namespace platform::ras
