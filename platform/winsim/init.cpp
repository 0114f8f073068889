// winsim init: a fresh machine at WINSIM_ROOT.
#include <cstdio>
#include <filesystem>

#include "commands.h"
#include "kernel/machine.h"
#include "machine_root.h"

namespace winsim::tool {
namespace {

bool parse_scale(const std::string& text, double* scale) {
  try {
    size_t used = 0;
    *scale = std::stod(text, &used);
    return used == text.size() && *scale > 0;
  } catch (...) {
    return false;
  }
}

}  // namespace

int init_command(const Args& args) {
  machine::Options options;
  bool force = false;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--force") {
      force = true;
    } else if (args[i] == "--scale") {
      if (i + 1 == args.size() || !parse_scale(args[++i], &options.scale))
        return fail("--scale takes a positive number");
    } else if (args[i] == "--world") {
      return fail("--world is not supported yet");
    } else {
      return fail("init: unknown argument '" + args[i] + "'");
    }
  }
  auto root = root_from_environment();
  if (!root) return 1;
  if (holds_machine(*root)) {
    if (!force) return fail("there is a machine at " + root->string() + " already (--force replaces it)");
    for (const auto& entry : std::filesystem::directory_iterator(*root)) std::filesystem::remove_all(entry);
  }
  machine::create(*root, options);
  std::printf("Created a machine at %s (clock scale %g).\n", root->c_str(), options.scale);
  return 0;
}

}  // namespace winsim::tool
