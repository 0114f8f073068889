// The phone-book tools in a fresh machine with a fast clock: the programs run as real
// processes; entries, credentials and connections are read through the RAS API and the
// machine's store, message boxes from the desktop log.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>
#include <ras.h>

#include <algorithm>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include "kernel/text.h"
#include "ras/credentials.h"
#include "ras/phonebooks.h"
#include "support/wide.h"
#include "support/winsim_fixture.h"

namespace phone_book_tools_testing {

struct Box {
  std::string program, caption, text, buttons, answer;
};

using testing_support::U;
using testing_support::u16;
using testing_support::u8;
using testing_support::W;
template <size_t N>
void Put(WCHAR (&field)[N], const std::u16string& s) {
  size_t n = std::min(s.size(), N - 1);
  for (size_t i = 0; i < n; ++i) field[i] = WCHAR(s[i]);
  field[n] = 0;
}

class PhoneBookToolsTest : public testing_support::WinsimTest {
 protected:
  void SetUp() override {
    WinsimTest::SetUp();
    recreate(platform::machine::Options{30.0, 0});  // a dial of 3 s lasts 0.1 s
    auto installed = winsim({"install", testing_support::bin_dir().parent_path().string()});
    ASSERT_EQ(installed.exit_code, 0) << installed.err;
  }

  testing_support::Finished run(const std::string& program, const std::vector<std::string>& args = {}) {
    std::vector<std::string> command{"run", program};
    command.insert(command.end(), args.begin(), args.end());
    return winsim(command);
  }
  // One result of a run of the program: its exit code.
  int exit_code(const std::string& program, const std::vector<std::string>& args = {}) {
    return run(program, args).exit_code;
  }

  // The message boxes logged so far, in their order; line breaks in texts as "\n".
  std::vector<Box> boxes() {
    std::vector<Box> result;
    std::istringstream lines(winsim({"desktop", "log"}).out);
    static const std::regex line(R"re(^\S+ \S+  (\S+)  "(.*)"  "(.*)"  \[(.*)\]  -> (.*)$)re");
    std::string text;
    while (std::getline(lines, text)) {
      std::smatch m;
      if (std::regex_match(text, m, line)) result.push_back({m[1], m[2], m[3], m[4], m[5]});
    }
    return result;
  }
  std::vector<std::string> box_texts(const std::string& caption) {
    std::vector<std::string> texts;
    for (const Box& box : boxes())
      if (box.caption == caption) texts.push_back(box.text);
    return texts;
  }

  // Writes an entry as another tool would, in the all-users phone book unless one is named.
  void add_entry(const std::string& name, const std::string& server, const char16_t* device = u"vpn",
                 const std::u16string& phonebook = u"") {
    RASENTRYW entry = {};
    entry.dwSize = sizeof entry;
    std::u16string server16 = u16(server), name16 = u16(name);
    Put(entry.szLocalPhoneNumber, server16);
    Put(entry.szDeviceType, device);
    entry.dwType = RASET_Vpn;
    ASSERT_EQ(RasSetEntryPropertiesW(phonebook.empty() ? nullptr : W(phonebook), W(name16), &entry, sizeof entry,
                                     nullptr, 0),
              DWORD(ERROR_SUCCESS))
        << name;
  }
  void set_credentials(const std::string& name, const std::string& user, const std::string& password) {
    RASCREDENTIALSW credentials = {};
    credentials.dwSize = sizeof credentials;
    credentials.dwMask = RASCM_UserName | RASCM_Password | RASCM_DefaultCreds;
    Put(credentials.szUserName, u16(user));
    Put(credentials.szPassword, u16(password));
    ASSERT_EQ(RasSetCredentialsW(nullptr, W(u16(name)), &credentials, FALSE), DWORD(ERROR_SUCCESS));
  }
  bool read_entry(const std::string& name, RASENTRYW* entry) {
    *entry = RASENTRYW{};
    entry->dwSize = sizeof *entry;
    DWORD size = sizeof *entry;
    return RasGetEntryPropertiesW(nullptr, W(u16(name)), entry, &size, nullptr, nullptr) == ERROR_SUCCESS;
  }
  std::vector<std::string> entry_names() {
    std::vector<std::string> names;
    for (const std::u16string& book : platform::ras::phonebooks_for(nullptr))
      for (const auto& entry : platform::ras::read_phonebook(book).value_or(std::vector<platform::ras::PhonebookEntry>{}))
        names.push_back(platform::text::utf8(entry.name));
    return names;
  }
  // The credentials stored for all users of an entry of the all-users phone book.
  platform::ras::Credentials all_users_credentials(const std::string& name) {
    return platform::ras::load_credentials(platform::ras::all_users_phonebook(), u16(name),
                                         platform::ras::all_users_owner());
  }
  // The pre-shared key a dial of the entry would use.
  std::u16string key_of(const std::string& name) {
    bool from_all_users = false;
    return platform::ras::effective_credentials(platform::ras::all_users_phonebook(), u16(name), &from_all_users)
        .preshared_key;
  }
  std::vector<std::string> connections() {
    std::vector<std::string> names;
    RASCONNW conns[8] = {};
    conns[0].dwSize = sizeof(RASCONNW);
    DWORD size = sizeof conns, count = 0;
    if (RasEnumConnectionsW(conns, &size, &count) != ERROR_SUCCESS) return names;
    for (DWORD i = 0; i < count; ++i) names.push_back(u8(conns[i].szEntryName));
    return names;
  }
  std::string quorril(const std::string& letters) {
    auto answer = run("Quorril.exe", {letters});
    EXPECT_EQ(answer.exit_code, 0) << letters;
    return answer.out;
  }
};

}  // namespace phone_book_tools_testing
