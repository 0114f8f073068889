// libFuzzer target: arbitrary bytes as a phone-book file. The reader must never fail; what it
// keeps are entries of valid, distinct names; writing them and reading again changes nothing
// after the first round; and through the API, every entry listed reads as a RASENTRY in both
// character forms.
#include <stddef.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <unistd.h>

#include <ras.h>
#include <raserror.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "fuzz_machine.h"
#include "kernel/text.h"
#include "ras/entry_name.h"
#include "ras/phonebook_file.h"

namespace {

using fuzz_support::fail;

namespace fs = std::filesystem;
using platform::ras::format_phonebook;
using platform::ras::parse_phonebook;

fs::path g_phonebook;  // the all-users phone book of the machine

void check_entries(const std::vector<platform::ras::PhonebookEntry>& entries) {
  for (size_t i = 0; i < entries.size(); ++i) {
    if (!platform::ras::valid_entry_name(entries[i].name)) fail("an entry of an invalid name was kept");
    for (size_t j = 0; j < i; ++j)
      if (platform::text::iequals(entries[i].name, entries[j].name)) fail("two entries of one name were kept");
  }
}

void check_through_api(size_t expected) {
  std::vector<RASENTRYNAMEW> names(expected + 1);
  names[0].dwSize = sizeof(RASENTRYNAMEW);
  DWORD size = DWORD(names.size() * sizeof(RASENTRYNAMEW)), count = 0;
  if (RasEnumEntriesW(nullptr, L"C:\\ProgramData\\Microsoft\\Network\\Connections\\Pbk\\rasphone.pbk", names.data(),
                      &size, &count) != ERROR_SUCCESS)
    fail("the entries cannot be listed");
  if (count != expected) fail("the API lists another number of entries than the reader keeps");
  for (DWORD i = 0; i < count; ++i) {
    RASENTRYW wide{};
    wide.dwSize = sizeof wide;
    DWORD wide_size = sizeof wide;
    if (RasGetEntryPropertiesW(names[i].szPhonebookPath, names[i].szEntryName, &wide, &wide_size, nullptr, nullptr))
      fail("a listed entry cannot be read");
    std::string ansi_name = platform::text::to_ansi(platform::text::from_wide(names[i].szEntryName));
    RASENTRYA ansi{};
    ansi.dwSize = sizeof ansi;
    DWORD ansi_size = sizeof ansi;
    // A name the ANSI code page cannot spell may not be found that way; it must not fail otherwise.
    DWORD result = RasGetEntryPropertiesA(nullptr, ansi_name.c_str(), &ansi, &ansi_size, nullptr, nullptr);
    if (result != ERROR_SUCCESS && result != ERROR_CANNOT_FIND_PHONEBOOK_ENTRY) fail("an ANSI read failed");
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  fuzz_support::make_machine("phonebook-fuzz");
  g_phonebook = fuzz_support::machine_root() / "drive_c/ProgramData/Microsoft/Network/Connections/Pbk/rasphone.pbk";
  fs::create_directories(g_phonebook.parent_path());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view text(reinterpret_cast<const char*>(data), size);
  auto entries = parse_phonebook(text);
  check_entries(entries);
  std::string once = format_phonebook(entries);
  auto again = parse_phonebook(once);
  if (again.size() != entries.size()) fail("writing and reading lost or gained entries");
  if (format_phonebook(again) != once) fail("a written phone book reads back differently");

  std::ofstream(g_phonebook, std::ios::binary | std::ios::trunc) << text;
  check_through_api(entries.size());
  return 0;
}
