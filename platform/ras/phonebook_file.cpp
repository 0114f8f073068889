#include "ras/phonebook_file.h"

#include <algorithm>

#include "kernel/text.h"
#include "ras/entry_name.h"

namespace platform::ras {
namespace {

std::u16string_view trim(std::u16string_view s) {
  auto blank = [](char16_t c) { return c == u' ' || c == u'\t' || c == u'\r' || c == 0xFEFF; };
  while (!s.empty() && blank(s.front())) s.remove_prefix(1);
  while (!s.empty() && blank(s.back())) s.remove_suffix(1);
  return s;
}

// The name of a section header line, or nothing when the line is no header.
bool header_name(std::u16string_view line, std::u16string* name) {
  std::u16string_view t = trim(line);
  if (t.size() < 2 || t.front() != u'[' || t.back() != u']') return false;
  *name = std::u16string(t.substr(1, t.size() - 2));
  return true;
}

bool named_already(const std::vector<PhonebookEntry>& entries, std::u16string_view name) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const PhonebookEntry& e) { return text::iequals(e.name, name); });
}

}  // namespace

const std::u16string* PhonebookEntry::find(std::u16string_view key) const {
  for (const auto& [k, v] : values)
    if (text::iequals(k, key)) return &v;
  return nullptr;
}

void PhonebookEntry::set(std::u16string_view key, std::u16string_view value) {
  // A line break in a value would start a line of its own in the file.
  std::u16string line_safe(value);
  std::replace_if(line_safe.begin(), line_safe.end(), [](char16_t c) { return c == u'\r' || c == u'\n'; }, u' ');
  for (auto& [k, v] : values) {
    if (text::iequals(k, key)) {
      v = std::move(line_safe);
      return;
    }
  }
  values.emplace_back(key, std::move(line_safe));
}

std::vector<PhonebookEntry> parse_phonebook(std::string_view file_text) {
  std::u16string whole = text::utf16(file_text);
  std::vector<PhonebookEntry> entries;
  bool in_entry = false;  // lines belong to the last entry; false inside a skipped section
  size_t start = 0;
  while (start <= whole.size()) {
    size_t end = whole.find(u'\n', start);
    if (end == std::u16string::npos) end = whole.size();
    std::u16string_view line(whole.data() + start, end - start);
    start = end + 1;
    std::u16string name;
    if (header_name(line, &name)) {
      in_entry = valid_entry_name(name) && !named_already(entries, name);
      if (in_entry) entries.push_back(PhonebookEntry{std::move(name), {}});
      continue;
    }
    size_t equals = line.find(u'=');
    if (!in_entry || equals == std::u16string_view::npos) continue;
    std::u16string_view key = trim(line.substr(0, equals));
    if (key.empty()) continue;
    entries.back().values.emplace_back(key, trim(line.substr(equals + 1)));
  }
  return entries;
}

std::string format_phonebook(const std::vector<PhonebookEntry>& entries) {
  std::u16string out;
  for (const PhonebookEntry& entry : entries) {
    if (!out.empty()) out += u"\r\n";
    out += u"[" + entry.name + u"]\r\n";
    for (const auto& [key, value] : entry.values) out += key + u"=" + value + u"\r\n";
  }
  return text::utf8(out);
}

}  // namespace platform::ras
