// The registry as the last commit left it, in this process's memory: the functions that only read
// serve from it. Every commit that changes the registry's tables, in any process of the machine,
// is counted in memory the processes share; a read that finds the count moved loads the hive
// again first, so it sees every change committed before it began.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "registry/store.h"

namespace platform::registry {

struct HiveKey {
  KeyId id = 0;
  std::u16string name;
  int64_t last_write_ns = 0;
  // By folded name, the order the store enumerates them in.
  std::vector<std::pair<std::string, KeyId>> subkeys;
  // In the order they were added, with their folded names beside them.
  std::vector<Value> values;
  std::vector<std::string> folded_values;
};

struct KeyInfo {
  DWORD subkeys = 0;
  DWORD max_subkey_name = 0;  // UTF-16 units
  DWORD values = 0;
  DWORD max_value_name = 0;  // UTF-16 units
  DWORD max_value_data = 0;  // bytes
  int64_t last_write_ns = 0;
};

class Hive {
 public:
  // The registry as this thread's connection sees it now.
  static std::shared_ptr<const Hive> load();

  const HiveKey* key(KeyId id) const;
  const HiveKey* find_path(const HiveKey& from, const std::vector<std::u16string>& names) const;
  const Value* find_value(const HiveKey& key, std::u16string_view name) const;
  KeyInfo info(const HiveKey& key) const;

 private:
  std::unordered_map<KeyId, HiveKey> keys_;
};

// The hive as committed now; inside a transaction of this thread, with its own changes.
std::shared_ptr<const Hive> current_hive();

}  // namespace platform::registry
