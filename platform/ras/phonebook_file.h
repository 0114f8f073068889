// The text of a phone book (.pbk): "[Entry Name]" sections of "Key=Value" lines, in UTF-8.
//
// Reading never fails: lines before the first section, lines without '=', sections whose name
// is not a valid entry name and later sections repeating an earlier name (any case) are
// skipped, as RAS skips what it cannot read. Keys compare without regard to case; a key given
// twice keeps both lines and the first one counts.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace platform::ras {

struct PhonebookEntry {
  std::u16string name;
  std::vector<std::pair<std::u16string, std::u16string>> values;  // in file order

  // The first value of `key`, or null.
  const std::u16string* find(std::u16string_view key) const;
  // Replaces the first value of `key`, or adds the key at the end; line breaks become blanks.
  void set(std::u16string_view key, std::u16string_view value);
};

std::vector<PhonebookEntry> parse_phonebook(std::string_view file_text);
std::string format_phonebook(const std::vector<PhonebookEntry>& entries);

}  // namespace platform::ras
