// winsim reg query: a key's values and subkeys in the output format of the Windows reg tool.
#include <cstdio>
#include <optional>
#include <string>

#include "commands.h"
#include "kernel/text.h"
#include "machine_root.h"
#include "reg_format.h"
#include "registry/store.h"

namespace platform::tool {
namespace {

using registry::KeyId;
using registry::Value;

struct Root {
  const char* abbreviation;
  const char* name;
  KeyId key;
};

constexpr Root kRoots[] = {
    {"HKLM", "HKEY_LOCAL_MACHINE", registry::kLocalMachine},
    {"HKCU", "HKEY_CURRENT_USER", registry::kCurrentUser},
    {"HKCR", "HKEY_CLASSES_ROOT", registry::kClassesRoot},
    {"HKU", "HKEY_USERS", registry::kUsers},
};

struct Query {
  std::string key_name;  // the full name, as the output shows it
  KeyId key = 0;
  std::optional<std::u16string> value;  // /v NAME, or "" for /ve
  bool recursive = false;
};

int not_found() {
  std::fputs("ERROR: The system was unable to find the specified registry key or value.\n", stderr);
  return 1;
}

int invalid_key_name() {
  std::fputs("ERROR: Invalid key name.\nType \"winsim help\" for usage.\n", stderr);
  return 1;
}

int invalid_syntax() {
  std::fputs("ERROR: Invalid syntax.\nType \"winsim help\" for usage.\n", stderr);
  return 1;
}

bool same(const std::string& a, const char* b) { return text::iequals(text::utf16(a), text::utf16(b)); }

const Root* find_root(const std::string& name) {
  for (const Root& root : kRoots)
    if (same(name, root.abbreviation) || same(name, root.name)) return &root;
  return nullptr;
}

void print_values(const std::string& name, KeyId key) {
  std::printf("%s\n", name.c_str());
  auto values = registry::values(key);
  for (const Value& value : values) std::printf("%s\n", reg_value_line(value).c_str());
  if (!values.empty()) std::printf("\n");
}

// Every key below, each with its values.
void print_tree(const std::string& name, KeyId key) {
  print_values(name, key);
  for (const auto& subkey : registry::subkey_names(key)) {
    std::string sub_name = name + "\\" + text::utf8(subkey);
    if (auto sub = registry::find_subkey(key, subkey)) print_tree(sub_name, *sub);
  }
}

int print_key(const Query& query) {
  std::printf("\n");
  if (query.recursive) {
    print_tree(query.key_name, query.key);
    return 0;
  }
  print_values(query.key_name, query.key);
  for (const auto& subkey : registry::subkey_names(query.key))
    std::printf("%s\\%s\n", query.key_name.c_str(), text::utf8(subkey).c_str());
  return 0;
}

// The keys below that hold the value, and how many they were.
int search_value(const std::string& name, KeyId key, const std::u16string& value_name) {
  int found = 0;
  if (auto value = registry::find_value(key, value_name)) {
    std::printf("%s\n%s\n\n", name.c_str(), reg_value_line(*value).c_str());
    ++found;
  }
  for (const auto& subkey : registry::subkey_names(key))
    if (auto sub = registry::find_subkey(key, subkey))
      found += search_value(name + "\\" + text::utf8(subkey), *sub, value_name);
  return found;
}

int print_value(const Query& query) {
  if (query.recursive) {
    std::printf("\n");
    int found = search_value(query.key_name, query.key, *query.value);
    if (!found) return not_found();
    std::printf("End of search: %d match(es) found.\n", found);
    return 0;
  }
  auto value = registry::find_value(query.key, *query.value);
  // An unset default value is shown as such rather than missing, as reg does.
  if (!value && !query.value->empty()) return not_found();
  std::string line = value ? reg_value_line(*value) : "    (Default)    REG_SZ    (value not set)";
  std::printf("\n%s\n%s\n\n", query.key_name.c_str(), line.c_str());
  return 0;
}

int query_command(const Args& args) {
  if (args.empty()) return invalid_syntax();
  Query query;
  for (size_t i = 1; i < args.size(); ++i) {
    const std::string& option = args[i];
    if ((same(option, "/v") || same(option, "-v")) && i + 1 < args.size() && !query.value)
      query.value = text::utf16(args[++i]);
    else if ((same(option, "/ve") || same(option, "-ve")) && !query.value)
      query.value = u"";
    else if (same(option, "/s") || same(option, "-s"))
      query.recursive = true;
    else
      return invalid_syntax();
  }
  // "HKLM\SOFTWARE\Tarvolt": the output names the root in full and the rest as given.
  std::string name = args[0];
  while (!name.empty() && name.back() == '\\') name.pop_back();
  size_t slash = name.find('\\');
  const Root* root = find_root(name.substr(0, slash));
  if (!root) return invalid_key_name();
  std::string rest = slash == std::string::npos ? "" : name.substr(slash + 1);
  if (!attach_machine()) return 1;
  auto names = registry::split_path(text::utf16(rest));
  auto key = names ? registry::find_path(root->key, *names) : std::nullopt;
  if (!key) return not_found();
  query.key_name = rest.empty() ? root->name : std::string(root->name) + "\\" + rest;
  query.key = *key;
  return query.value ? print_value(query) : print_key(query);
}

}  // namespace

int reg_command(const Args& args) {
  if (args.empty() || !same(args[0], "query"))
    return fail("reg: only 'reg query KEY [/v NAME | /ve] [/s]' is supported");
  return query_command(Args(args.begin() + 1, args.end()));
}

}  // namespace platform::tool
