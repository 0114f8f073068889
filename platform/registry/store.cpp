#include "registry/store.h"

#include "machine/clock.h"
#include "kernel/machine.h"
#include "kernel/text.h"

namespace platform::registry {
namespace {

using machine::Statement;

std::string stored(std::u16string_view name) { return text::utf8(name); }

void touch(KeyId key) {
  Statement s("UPDATE reg_keys SET last_write_ns = ? WHERE id = ?");
  s.bind(1, clock::now_ns()).bind(2, key);
  s.step();
}

Value read_value(Statement& s) {
  return Value{text::utf16(s.column_text(0)), DWORD(s.column_int(1)), s.column_blob(2)};
}

}  // namespace

std::string folded_name(std::u16string_view name) { return text::utf8(text::upper(name)); }

std::optional<std::vector<std::u16string>> split_path(std::u16string_view path) {
  std::vector<std::u16string> names;
  size_t start = 0;
  while (start < path.size()) {
    size_t end = path.find(u'\\', start);
    if (end == std::u16string_view::npos) end = path.size();
    if (end == start) return std::nullopt;
    names.emplace_back(path.substr(start, end - start));
    start = end + 1;
  }
  return names;
}

bool key_exists(KeyId key) {
  Statement s("SELECT 1 FROM reg_keys WHERE id = ?");
  s.bind(1, key);
  return s.step();
}

std::optional<KeyId> find_subkey(KeyId parent, std::u16string_view name) {
  Statement s("SELECT id FROM reg_keys WHERE parent = ? AND name_upper = ?");
  s.bind(1, parent).bind(2, folded_name(name));
  if (!s.step()) return std::nullopt;
  return s.column_int(0);
}

std::optional<KeyId> find_path(KeyId from, const std::vector<std::u16string>& names) {
  std::optional<KeyId> key = from;
  for (const auto& name : names)
    if (!(key = find_subkey(*key, name))) break;
  return key;
}

KeyId add_subkey(KeyId parent, std::u16string_view name) {
  int64_t now = clock::now_ns();
  Statement s("INSERT INTO reg_keys(parent, name, name_upper, last_write_ns) VALUES(?, ?, ?, ?)");
  s.bind(1, parent).bind(2, stored(name)).bind(3, folded_name(name)).bind(4, now);
  s.step();
  KeyId id = sqlite3_last_insert_rowid(machine::db());
  touch(parent);
  return id;
}

bool has_subkeys(KeyId key) {
  Statement s("SELECT 1 FROM reg_keys WHERE parent = ? LIMIT 1");
  s.bind(1, key);
  return s.step();
}

void remove_key(KeyId key) {
  // Subkeys and values go with it (ON DELETE CASCADE).
  Statement s("DELETE FROM reg_keys WHERE id = ?");
  s.bind(1, key);
  s.step();
}

void clear_key(KeyId key) {
  Statement keys("DELETE FROM reg_keys WHERE parent = ?");
  keys.bind(1, key);
  keys.step();
  Statement vals("DELETE FROM reg_values WHERE key_id = ?");
  vals.bind(1, key);
  vals.step();
  touch(key);
}

std::optional<Value> find_value(KeyId key, std::u16string_view name) {
  Statement s("SELECT name, type, data FROM reg_values WHERE key_id = ? AND name_upper = ?");
  s.bind(1, key).bind(2, folded_name(name));
  if (!s.step()) return std::nullopt;
  return read_value(s);
}

void set_value(KeyId key, std::u16string_view name, DWORD type, const std::string& data) {
  Statement s(
      "INSERT INTO reg_values(key_id, name, name_upper, type, data) VALUES(?, ?, ?, ?, ?) "
      "ON CONFLICT(key_id, name_upper) DO UPDATE SET type = excluded.type, data = excluded.data");
  s.bind(1, key).bind(2, stored(name)).bind(3, folded_name(name)).bind(4, (long long)type);
  s.bind_blob(5, data.data(), int(data.size()));
  s.step();
  touch(key);
}

bool remove_value(KeyId key, std::u16string_view name) {
  Statement s("DELETE FROM reg_values WHERE key_id = ? AND name_upper = ?");
  s.bind(1, key).bind(2, folded_name(name));
  s.step();
  if (sqlite3_changes(machine::db()) == 0) return false;
  touch(key);
  return true;
}

std::vector<std::u16string> subkey_names(KeyId key) {
  Statement s("SELECT name FROM reg_keys WHERE parent = ? ORDER BY name_upper");
  s.bind(1, key);
  std::vector<std::u16string> names;
  while (s.step()) names.push_back(text::utf16(s.column_text(0)));
  return names;
}

std::vector<Value> values(KeyId key) {
  Statement s("SELECT name, type, data FROM reg_values WHERE key_id = ? ORDER BY rowid");
  s.bind(1, key);
  std::vector<Value> out;
  while (s.step()) out.push_back(read_value(s));
  return out;
}

}  // namespace platform::registry
