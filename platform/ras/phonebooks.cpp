#include "ras/phonebooks.h"

#include <raserror.h>
#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <iterator>

#include "kernel/machine.h"
#include "kernel/paths.h"
#include "kernel/text.h"

namespace platform::ras {
namespace {

constexpr char16_t kAllUsersProfile[] = u"C:\\ProgramData\\";
constexpr char16_t kPhonebookTail[] = u"Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk";

// The Linux path of a file to write, its missing folders made one by one (each found without
// regard to case, as the path mapping finds only the last component missing).
std::optional<std::filesystem::path> host_for_writing(const std::u16string& file) {
  for (size_t at = file.find(u'\\', 3); at != std::u16string::npos; at = file.find(u'\\', at + 1)) {
    auto folder = paths::to_host(file.substr(0, at));
    if (!folder) return std::nullopt;
    std::error_code ignored;
    std::filesystem::create_directory(*folder, ignored);
  }
  return paths::to_host(file);
}

}  // namespace

std::u16string current_user() {
  const char* name = std::getenv("USERNAME");
  return name && *name ? text::utf16(name) : u"Administrator";
}

std::u16string all_users_phonebook() { return std::u16string(kAllUsersProfile) + kPhonebookTail; }

std::u16string user_phonebook() {
  return u"C:\\Users\\" + current_user() + u"\\AppData\\Roaming\\" + kPhonebookTail;
}

std::vector<std::u16string> phonebooks_for(const std::u16string* path) {
  if (!path || path->empty()) return {all_users_phonebook(), user_phonebook()};
  return {paths::full(*path)};
}

bool is_all_users(const std::u16string& phonebook) {
  std::u16string_view profile(kAllUsersProfile);
  return phonebook.size() > profile.size() && text::iequals(std::u16string_view(phonebook).substr(0, profile.size()), profile);
}

std::optional<std::vector<PhonebookEntry>> read_phonebook(const std::u16string& phonebook) {
  auto host = paths::to_host(phonebook);
  if (!host) return std::nullopt;
  std::ifstream file(*host, std::ios::binary);
  if (!file) return std::nullopt;
  std::string bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  return parse_phonebook(bytes);
}

std::optional<Located> find_entry(const std::vector<std::u16string>& phonebooks, std::u16string_view name) {
  for (const std::u16string& phonebook : phonebooks) {
    auto entries = read_phonebook(phonebook);
    if (!entries) continue;
    for (PhonebookEntry& entry : *entries)
      if (text::iequals(entry.name, name)) return Located{phonebook, std::move(entry)};
  }
  return std::nullopt;
}

DWORD change_phonebook(const std::u16string& phonebook,
                       const std::function<DWORD(std::vector<PhonebookEntry>& entries)>& change) {
  // The machine database's write lock makes the writers of all processes take turns.
  machine::Transaction turn;
  std::vector<PhonebookEntry> entries = read_phonebook(phonebook).value_or(std::vector<PhonebookEntry>{});
  if (DWORD error = change(entries)) return error;
  auto host = host_for_writing(phonebook);
  if (!host) return ERROR_CANNOT_WRITE_PHONEBOOK;
  std::error_code ignored;
  std::filesystem::path temporary = host->string() + ".new" + std::to_string(getpid());
  {
    std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
    file << format_phonebook(entries);
    if (!file.flush()) return ERROR_CANNOT_WRITE_PHONEBOOK;
  }
  std::error_code renamed;
  std::filesystem::rename(temporary, *host, renamed);
  if (renamed) {
    std::filesystem::remove(temporary, ignored);
    return ERROR_CANNOT_WRITE_PHONEBOOK;
  }
  turn.commit();
  return ERROR_SUCCESS;
}

}  // namespace platform::ras
