#include "machine_root.h"

#include <cstdio>
#include <cstdlib>

#include "machine/root.h"

namespace platform::tool {

int fail(const std::string& message) {
  std::fprintf(stderr, "winsim: %s\n", message.c_str());
  return 1;
}

std::optional<std::filesystem::path> root_from_environment() {
  const char* root = std::getenv("WINSIM_ROOT");
  if (!root || !*root) {
    fail("set WINSIM_ROOT to the folder of the machine");
    return std::nullopt;
  }
  return std::filesystem::absolute(root);
}

bool holds_machine(const std::filesystem::path& root) { return std::filesystem::exists(root / "machine.db"); }

bool attach_machine() {
  auto root = root_from_environment();
  if (!root) return false;
  if (!holds_machine(*root)) {
    fail("there is no machine at " + root->string() + " (create one with: winsim init)");
    return false;
  }
  machine::attach(*root);
  return true;
}

}  // namespace platform::tool
