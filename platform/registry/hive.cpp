#include "registry/hive.h"

#include <algorithm>
#include <mutex>

#include "kernel/commit_count.h"
#include "kernel/machine.h"
#include "kernel/text.h"

namespace platform::registry {
namespace {

using machine::Statement;

// Counted in every process that links the registry, which is every process of the machine.
const machine::CommitCount g_commits("registry.commits", "reg_");

std::mutex g_lock;
std::shared_ptr<const Hive> g_hive;
machine::CommitStamp g_stamp;

bool by_name(const std::pair<std::string, KeyId>& subkey, const std::string& folded) { return subkey.first < folded; }

}  // namespace

std::shared_ptr<const Hive> Hive::load() {
  auto hive = std::make_shared<Hive>();
  // Both tables as one commit left them.
  bool own_transaction = !machine::in_transaction();
  if (own_transaction) machine::exec("BEGIN");
  {
    Statement keys("SELECT id, parent, name, name_upper, last_write_ns FROM reg_keys");
    while (keys.step()) {
      HiveKey& key = hive->keys_[keys.column_int(0)];
      key.id = keys.column_int(0);
      key.name = text::utf16(keys.column_text(2));
      key.last_write_ns = keys.column_int(4);
      if (!keys.column_is_null(1))
        hive->keys_[keys.column_int(1)].subkeys.emplace_back(keys.column_text(3), keys.column_int(0));
    }
    Statement values("SELECT key_id, name, name_upper, type, data FROM reg_values ORDER BY rowid");
    while (values.step()) {
      HiveKey& key = hive->keys_[values.column_int(0)];
      key.values.push_back(Value{text::utf16(values.column_text(1)), DWORD(values.column_int(3)), values.column_blob(4)});
      key.folded_values.push_back(values.column_text(2));
    }
  }
  if (own_transaction) machine::exec("COMMIT");
  for (auto& [id, key] : hive->keys_) std::sort(key.subkeys.begin(), key.subkeys.end());
  return hive;
}

const HiveKey* Hive::key(KeyId id) const {
  auto found = keys_.find(id);
  return found == keys_.end() ? nullptr : &found->second;
}

const HiveKey* Hive::find_path(const HiveKey& from, const std::vector<std::u16string>& names) const {
  const HiveKey* at = &from;
  for (const auto& name : names) {
    std::string folded = folded_name(name);
    auto found = std::lower_bound(at->subkeys.begin(), at->subkeys.end(), folded, by_name);
    if (found == at->subkeys.end() || found->first != folded || !(at = key(found->second))) return nullptr;
  }
  return at;
}

const Value* Hive::find_value(const HiveKey& key, std::u16string_view name) const {
  std::string folded = folded_name(name);
  auto found = std::find(key.folded_values.begin(), key.folded_values.end(), folded);
  return found == key.folded_values.end() ? nullptr : &key.values[found - key.folded_values.begin()];
}

KeyInfo Hive::info(const HiveKey& key) const {
  KeyInfo out;
  out.subkeys = DWORD(key.subkeys.size());
  for (const auto& [folded, id] : key.subkeys)
    if (const HiveKey* subkey = this->key(id)) out.max_subkey_name = std::max(out.max_subkey_name, DWORD(subkey->name.size()));
  out.values = DWORD(key.values.size());
  for (const Value& value : key.values) {
    out.max_value_name = std::max(out.max_value_name, DWORD(value.name.size()));
    out.max_value_data = std::max(out.max_value_data, DWORD(value.data.size()));
  }
  out.last_write_ns = key.last_write_ns;
  return out;
}

std::shared_ptr<const Hive> current_hive() {
  // Read before loading: a commit that begins after it makes the next read load again.
  machine::CommitStamp stamp = g_commits.now();
  if (machine::in_transaction()) return Hive::load();
  {
    std::lock_guard g(g_lock);
    if (g_hive && stamp.settled && stamp == g_stamp) return g_hive;
  }
  std::shared_ptr<const Hive> hive = Hive::load();
  // A commit under way may or may not be in what was loaded: that hive serves this read only.
  if (stamp.settled) {
    std::lock_guard g(g_lock);
    g_hive = hive;
    g_stamp = stamp;
  }
  return hive;
}

}  // namespace platform::registry
