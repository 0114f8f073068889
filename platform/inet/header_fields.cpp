#include "inet/header_fields.h"

#include <wininet.h>

#include <algorithm>

namespace platform::inet {
namespace {

std::string_view trimmed(std::string_view s) {
  while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
  while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) s.remove_suffix(1);
  return s;
}

char lower(char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; }

}  // namespace

bool same_header_name(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) { return lower(x) == lower(y); });
}

std::optional<HeaderField> split_header(std::string_view line) {
  size_t colon = line.find(':');
  if (colon == std::string_view::npos) return std::nullopt;
  std::string_view name = trimmed(line.substr(0, colon));
  if (name.empty()) return std::nullopt;
  return HeaderField{std::string(name), std::string(trimmed(line.substr(colon + 1)))};
}

std::optional<std::string> HeaderFields::find(std::string_view name, size_t index) const {
  for (const HeaderField& field : fields_)
    if (same_header_name(field.name, name) && index-- == 0) return field.value;
  return std::nullopt;
}

DWORD HeaderFields::apply(std::string_view lines, DWORD modifiers) {
  DWORD error = 0;
  while (!lines.empty()) {
    size_t end = lines.find('\n');
    std::string_view line = trimmed(lines.substr(0, end));
    lines = end == std::string_view::npos ? std::string_view() : lines.substr(end + 1);
    if (line.empty()) continue;
    if (DWORD failed = apply_line(line, modifiers)) error = failed;
  }
  return error;
}

DWORD HeaderFields::apply_line(std::string_view line, DWORD modifiers) {
  std::optional<HeaderField> field = split_header(line);
  if (!field) return 0;
  auto existing = std::find_if(fields_.begin(), fields_.end(),
                               [&](const HeaderField& f) { return same_header_name(f.name, field->name); });
  bool exists = existing != fields_.end();
  if (modifiers & HTTP_ADDREQ_FLAG_REPLACE) {
    // Remove and add: an empty value only removes; without ADD nothing new is added.
    if (!exists && !(modifiers & HTTP_ADDREQ_FLAG_ADD)) return ERROR_HTTP_HEADER_NOT_FOUND;
    if (exists) existing = fields_.erase(existing);
    if (!field->value.empty()) fields_.insert(existing, std::move(*field));
    return 0;
  }
  if (modifiers & HTTP_ADDREQ_FLAG_ADD_IF_NEW) {
    if (exists) return ERROR_HTTP_HEADER_ALREADY_EXISTS;
  } else if (exists && (modifiers & (HTTP_ADDREQ_FLAG_COALESCE_WITH_COMMA | HTTP_ADDREQ_FLAG_COALESCE_WITH_SEMICOLON))) {
    existing->value += (modifiers & HTTP_ADDREQ_FLAG_COALESCE_WITH_COMMA ? ", " : "; ") + field->value;
    return 0;
  }
  fields_.push_back(std::move(*field));
  return 0;
}

}  // namespace platform::inet
