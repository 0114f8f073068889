// libFuzzer target: Pardex's command line. The input, split at NUL bytes (UTF-8), is the word
// vector after the program's name. The option table must take every value from the word after
// its flag; the missing-options text must name exactly the missing rows; and the entry written
// from the words, in a machine of its own, must be the named one only, with its fields cut to
// their limits and nothing else in the phone books.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_machine.h"
#include "cmd_options.h"
#include "create_vpn_entry.h"
#include "kernel/text.h"
#include "pardex_message.h"
#include "ras/credentials.h"
#include "ras/phonebooks.h"
#include "support/wide.h"
#include "vpn_strategy.h"

namespace {

using fuzz_support::fail;

namespace fs = std::filesystem;
const size_t kMaxWords = 64;

using testing_support::U;

void check_values(const std::vector<std::u16string>& words) {
  for (const CmdOption& option : g_CmdOptions) {
    if (!option.bHasValue) continue;
    const std::u16string flag = platform::text::from_wide(option.pszFlag);
    bool found = false;
    for (size_t j = 1; j < words.size() && !found; ++j)
      found = words[j - 1] == flag && (!option.bTakesValue || words[j] == U(option.strValue));
    if (!option.bTakesValue)
      for (const auto& word : words) found |= word == flag;
    if (!found) fail("an option holds a value that no word after its flag gave");
  }
}

void check_missing_text() {
  std::u16string expected;
  for (int id = OPT_NAME; id <= OPT_PASSWORD; ++id) {
    bool given = g_CmdOptions[id].bHasValue || (id == OPT_PASSWORD && g_CmdOptions[OPT_ENCRYPTED_PASSWORD].bHasValue);
    if (!given) expected += platform::text::from_wide(g_CmdOptions[id].pszUsage) + u"\n";
  }
  if (!expected.empty()) expected = u"Missing required parameter(s):\n" + expected;
  if (U(MissingParametersText()) != expected) fail("the missing-options text is not the missing rows");
}

void check_strategy(const CmdOption& vpnType) {
  DWORD strategy = 99;
  if (!vpnType.bHasValue) return;
  if (LookupVpnStrategy(vpnType.strValue, &strategy) && strategy > 6) fail("a strategy out of range");
}

std::vector<std::u16string> entries_of_machine() {
  std::vector<std::u16string> names;
  for (const std::u16string& book : platform::ras::phonebooks_for(nullptr))
    for (const auto& entry : platform::ras::read_phonebook(book).value_or(std::vector<platform::ras::PhonebookEntry>{}))
      names.push_back(entry.name);
  return names;
}

void clear_phonebooks() {
  for (const std::u16string& name : entries_of_machine()) RasDeleteEntryW(nullptr, reinterpret_cast<LPCWSTR>(name.c_str()));
  if (!entries_of_machine().empty()) fail("the phone books cannot be emptied");
}

// A value as the phone-book file keeps it: line breaks as blanks, without blanks around it.
std::u16string as_stored(std::u16string value) {
  std::replace_if(value.begin(), value.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == 0xFEFF; };
  while (!value.empty() && blank(value.back())) value.pop_back();
  size_t first = 0;
  while (first < value.size() && blank(value[first])) ++first;
  return value.substr(first);
}

void check_entry(const std::u16string& name, const std::u16string& server, const std::u16string& user, int created) {
  std::vector<std::u16string> names = entries_of_machine();
  if (names.size() > 1) fail("more than one entry was written");
  if (names.size() == 1 && !platform::text::iequals(names[0], name)) fail("an entry of another name was written");
  if (!created) return;
  if (names.empty()) fail("a created entry is not in the phone book");
  RASENTRYW entry = {};
  entry.dwSize = sizeof entry;
  DWORD size = sizeof entry;
  if (RasGetEntryPropertiesW(nullptr, reinterpret_cast<LPCWSTR>(name.c_str()), &entry, &size, nullptr, nullptr))
    fail("the created entry cannot be read");
  if (platform::text::from_wide(entry.szLocalPhoneNumber) != as_stored(server.substr(0, 63)))
    fail("the server is not cut to 63");
  auto credentials = platform::ras::load_credentials(platform::ras::all_users_phonebook(), names[0],
                                                   platform::ras::all_users_owner());
  if (credentials.user_name != user.substr(0, 127)) fail("the user is not cut to 127");
}

}  // namespace

// Pardex's boxes would wait for a user; here they only count as said. Defined here, the
// library's own definition is not linked.
void ShowPardexError(LPCWSTR) {}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_support::make_machine("pardex-fuzz");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::vector<std::u16string> words{u"pardex.exe"};
  std::string_view rest(reinterpret_cast<const char*>(data), size);
  while (!rest.empty() && words.size() <= kMaxWords) {
    size_t end = rest.find('\0');
    words.push_back(platform::text::utf16(rest.substr(0, end)));
    // Whole characters only, as the machine's store keeps text as UTF-8, and no NUL inside a
    // word (an overlong UTF-8 form decodes to one).
    for (char16_t& c : words.back())
      if (c == 0 || (c >= 0xD800 && c <= 0xDFFF)) c = 0xFFFD;
    rest = end == std::string_view::npos ? std::string_view() : rest.substr(end + 1);
  }
  std::vector<LPWSTR> argv;
  for (auto& word : words) argv.push_back(reinterpret_cast<LPWSTR>(word.data()));
  const int argc = static_cast<int>(argv.size());

  ParseCmdOptions(argc, argv.data());
  check_values(words);
  check_missing_text();
  check_strategy(g_CmdOptions[OPT_VPN_TYPE]);

  std::u16string name, server, user;
  int created = 0;
  if (argc == 5 || argc == 6) {
    name = words[1], server = words[2], user = words[3];
    created = CreateVpnEntry(argv[1], argv[2], argv[3], argv[4], argc == 6 ? argv[5] : nullptr, 0, FALSE);
  } else if (MissingParametersText().IsEmpty()) {
    name = U(g_CmdOptions[OPT_NAME].strValue), server = U(g_CmdOptions[OPT_SERVER].strValue);
    user = U(g_CmdOptions[OPT_USER].strValue);
    const CmdOption& key = g_CmdOptions[OPT_PRESHARED_KEY];
    created = CreateVpnEntry(g_CmdOptions[OPT_NAME].strValue, g_CmdOptions[OPT_SERVER].strValue,
                             g_CmdOptions[OPT_USER].strValue, g_CmdOptions[OPT_PASSWORD].strValue,
                             key.bHasValue ? key.strValue.GetString() : nullptr, 0,
                             g_CmdOptions[OPT_REMOTE_GATEWAY].bHasValue);
  } else {
    return 0;
  }
  check_entry(name, server, user, created);
  clear_phonebooks();
  return 0;
}
