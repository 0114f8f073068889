// HTTP header fields in their order, names compared without regard to case: the headers of a
// request as HttpAddRequestHeaders builds them, and those of a response.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace platform::inet {

struct HeaderField {
  std::string name, value;
};

class HeaderFields {
 public:
  // Applies CR LF separated "Name: value" lines with HttpAddRequestHeaders' modifiers (ADD,
  // ADD_IF_NEW, REPLACE, COALESCE...). A line without a colon names no field and is passed
  // over. Returns 0 or the error of the last line that could not be applied.
  DWORD apply(std::string_view lines, DWORD modifiers);
  void add(std::string name, std::string value) { fields_.push_back({std::move(name), std::move(value)}); }
  // The value of the `index`th field of that name (0 the first).
  std::optional<std::string> find(std::string_view name, size_t index = 0) const;
  bool has(std::string_view name) const { return find(name).has_value(); }
  const std::vector<HeaderField>& fields() const { return fields_; }
  void clear() { fields_.clear(); }

 private:
  DWORD apply_line(std::string_view line, DWORD modifiers);
  std::vector<HeaderField> fields_;
};

bool same_header_name(std::string_view a, std::string_view b);
// "Name: value" split at its first colon, both parts without surrounding blanks.
std::optional<HeaderField> split_header(std::string_view line);

}  // namespace platform::inet
