#include "kernel/object_names.h"

#include <map>
#include <mutex>

#include "kernel/text.h"

namespace platform::object_names {
namespace {

struct Registry {
  std::mutex lock;
  std::map<std::u16string, std::weak_ptr<Object>> objects;
};

Registry& registry() {
  static auto* r = new Registry;  // used by threads still running at exit
  return *r;
}

std::u16string strip_session_prefix(std::u16string name) {
  for (std::u16string_view prefix : {u"Global\\", u"Local\\"})
    if (name.size() >= prefix.size() && text::iequals(std::u16string_view(name).substr(0, prefix.size()), prefix))
      return name.substr(prefix.size());
  return name;
}

}  // namespace

std::u16string key(const WCHAR* name) { return strip_session_prefix(text::from_wide(name)); }

std::u16string key(const char* ansi_name) {
  return ansi_name ? strip_session_prefix(text::from_ansi(ansi_name)) : std::u16string();
}

std::shared_ptr<Object> find_or_make(const std::u16string& key, const Maker& make, bool* existed) {
  Registry& r = registry();
  std::lock_guard held(r.lock);
  *existed = false;
  auto it = r.objects.find(key);
  if (it != r.objects.end()) {
    if (auto alive = it->second.lock()) {
      *existed = true;
      return alive;
    }
    r.objects.erase(it);
  }
  std::shared_ptr<Object> made = make(existed);
  if (made) r.objects[key] = made;
  return made;
}

}  // namespace platform::object_names
