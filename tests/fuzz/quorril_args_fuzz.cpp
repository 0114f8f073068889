// libFuzzer target: Quorril's question over arbitrary phone-book entries. The input's text up
// to the first NUL byte is the argument; each line after it is an entry, "name|server|device".
// The answer must be one of the two error texts, "TRUE" or "FALSE" (no entry is connected
// here: always "FALSE"), or the servers of the VPN entries of the selected groups, in their
// order, each followed by a comma, with the commas at both ends trimmed.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>

#include <ras.h>

#include <filesystem>
#include <string>
#include <vector>

#include "fuzz_machine.h"
#include "kernel/text.h"
#include "query_ras_entries.h"
#include "ras/phonebooks.h"
#include "support/wide.h"

namespace {

using fuzz_support::fail;

namespace fs = std::filesystem;
const size_t kMaxEntries = 16;

using testing_support::W;

std::vector<std::u16string> split(const std::u16string& text, char16_t separator) {
  std::vector<std::u16string> parts{u""};
  for (char16_t c : text) {
    if (c == separator)
      parts.emplace_back();
    else
      parts.back() += c;
  }
  return parts;
}

template <size_t N>
void put(WCHAR (&field)[N], const std::u16string& s) {
  size_t n = std::min(s.size(), N - 1);
  for (size_t i = 0; i < n; ++i) field[i] = WCHAR(s[i]);
  field[n] = 0;
}

void add_entries(const std::u16string& lines) {
  size_t added = 0;
  for (const std::u16string& line : split(lines, u'\n')) {
    if (++added > kMaxEntries) break;
    std::vector<std::u16string> fields = split(line, u'|');
    fields.resize(3);
    RASENTRYW entry = {};
    entry.dwSize = sizeof entry;
    put(entry.szLocalPhoneNumber, fields[1]);
    put(entry.szDeviceType, fields[2].empty() ? u"vpn" : fields[2]);
    RasSetEntryPropertiesW(nullptr, W(fields[0]), &entry, sizeof entry, nullptr, 0);  // bad names are refused
  }
}

struct Listed {
  std::u16string name, server;
};

// The VPN entries as the phone books hold them, read back through RAS.
std::vector<Listed> vpn_entries() {
  std::vector<Listed> listed;
  for (const std::u16string& book : platform::ras::phonebooks_for(nullptr))
    for (const auto& e : platform::ras::read_phonebook(book).value_or(std::vector<platform::ras::PhonebookEntry>{})) {
      RASENTRYW entry = {};
      entry.dwSize = sizeof entry;
      DWORD size = sizeof entry;
      if (RasGetEntryPropertiesW(W(book), W(e.name), &entry, &size, nullptr, nullptr)) continue;
      if (!platform::text::iequals(platform::text::from_wide(entry.szDeviceType), u"vpn")) continue;
      listed.push_back({e.name, platform::text::from_wide(entry.szLocalPhoneNumber)});
    }
  return listed;
}

char16_t group_of(const std::u16string& name) {
  auto ends_group = [&](const char16_t* text) {
    return name.size() >= 7 && name.find(text) == name.size() - 7 && name.back() >= u'0' && name.back() <= u'9';
  };
  return ends_group(u"AUTO-A") ? u'A' : ends_group(u"AUTO-B") ? u'B' : u'X';
}

std::u16string expected_servers(const std::u16string& letters, const std::vector<Listed>& entries) {
  std::u16string answer;
  for (const Listed& e : entries)
    if (letters.find(group_of(e.name)) != std::u16string::npos && !e.server.empty()) answer += e.server + u",";
  size_t first = answer.find_first_not_of(u',');
  if (first == std::u16string::npos) return u"";
  return answer.substr(first, answer.find_last_not_of(u',') - first + 1);
}

void clear_phonebooks() {
  for (const std::u16string& book : platform::ras::phonebooks_for(nullptr))
    for (const auto& e : platform::ras::read_phonebook(book).value_or(std::vector<platform::ras::PhonebookEntry>{}))
      RasDeleteEntryW(W(book), W(e.name));
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_support::make_machine("quorril-fuzz");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  size_t end = input.find('\0');
  std::u16string argument = platform::text::utf16(input.substr(0, end));
  for (char16_t& c : argument)
    if (c == 0) c = 0xFFFD;  // an overlong UTF-8 NUL would cut the argument short
  if (end != std::string_view::npos) add_entries(platform::text::utf16(input.substr(end + 1)));

  std::u16string answer = platform::text::from_wide(QueryRasEntries(W(argument)).GetString());
  // The letters in the framework's upper case, which the program uses too.
  CStringW upper(W(argument));
  upper.MakeUpper();
  std::u16string letters = platform::text::from_wide(upper.GetString());
  bool servers = letters.find(u'S') != std::u16string::npos, state = letters.find(u'?') != std::u16string::npos;
  std::u16string expected = servers && state   ? u"ERROR: Cannot query servers and connection status simultaneously."
                            : !servers && !state ? u"ERROR: Must specify S or ? to indicate action."
                            : state              ? u"FALSE"
                                                 : expected_servers(letters, vpn_entries());
  if (answer != expected) fail("the answer is not the one the entries give");
  clear_phonebooks();
  return 0;
}
