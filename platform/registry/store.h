// The registry's keys and values in the machine database, for the functions that change them
// (inside their transactions) and the machine's own services and tools. The functions that only
// read go through the hive (registry/hive.h).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <windows.h>

namespace platform::registry {

using KeyId = int64_t;

// The fixed rows of the root keys (created with the machine's schema).
constexpr KeyId kClassesRoot = 1;
constexpr KeyId kCurrentUser = 2;
constexpr KeyId kLocalMachine = 3;
constexpr KeyId kUsers = 4;

// Splits "A\B\C" into its names; a trailing "\" is allowed. Nothing for a malformed path
// (a leading "\" or an empty name inside).
std::optional<std::vector<std::u16string>> split_path(std::u16string_view path);

// Names are compared without regard to case: by their folded form, upper-cased UTF-8.
std::string folded_name(std::u16string_view name);

bool key_exists(KeyId key);
std::optional<KeyId> find_subkey(KeyId parent, std::u16string_view name);
std::optional<KeyId> find_path(KeyId from, const std::vector<std::u16string>& names);
// Adds a subkey that does not exist yet, keeping the case of `name`.
KeyId add_subkey(KeyId parent, std::u16string_view name);
bool has_subkeys(KeyId key);
// Removes a key with everything below it.
void remove_key(KeyId key);
// Removes every subkey and value of a key, keeping the key.
void clear_key(KeyId key);

struct Value {
  std::u16string name;
  DWORD type = REG_NONE;
  std::string data;
};
std::optional<Value> find_value(KeyId key, std::u16string_view name);
// Adds a value or replaces the type and data of the one with that name (which keeps its name).
void set_value(KeyId key, std::u16string_view name, DWORD type, const std::string& data);
bool remove_value(KeyId key, std::u16string_view name);

// Subkeys in the order of their folded names, values in the order they were added.
std::vector<std::u16string> subkey_names(KeyId key);
std::vector<Value> values(KeyId key);

}  // namespace platform::registry
