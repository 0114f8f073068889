// winsim init: a fresh machine at WINSIM_ROOT, with the default network world or a world file's.
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>

#include "commands.h"
#include "machine/root.h"
#include "machine_root.h"
#include "net/world_text.h"

namespace platform::tool {
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
  std::optional<std::string> world_file;
  for (size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--force") {
      force = true;
    } else if (args[i] == "--scale") {
      if (i + 1 == args.size() || !parse_scale(args[++i], &options.scale))
        return fail("--scale takes a positive number");
    } else if (args[i] == "--world") {
      if (i + 1 == args.size()) return fail("--world takes a world file");
      world_file = args[++i];
    } else {
      return fail("init: unknown argument '" + args[i] + "'");
    }
  }
  // The world file is read before anything is made, so that a bad one leaves no machine behind.
  std::optional<net::World> world;
  if (world_file) {
    std::ifstream in(*world_file, std::ios::binary);
    if (!in) return fail("cannot read the world file " + *world_file);
    std::stringstream text;
    text << in.rdbuf();
    try {
      world = net::parse_world(text.str());
    } catch (const net::WorldError& error) {
      return fail(*world_file + ", " + error.what());
    }
  }
  auto root = root_from_environment();
  if (!root) return 1;
  if (holds_machine(*root)) {
    if (!force) return fail("there is a machine at " + root->string() + " already (--force replaces it)");
    for (const auto& entry : std::filesystem::directory_iterator(*root)) std::filesystem::remove_all(entry);
  }
  machine::create(*root, options);
  if (world) net::store_world(*world);
  std::printf("Created a machine at %s (clock scale %g).\n", root->c_str(), options.scale);
  return 0;
}

}  // namespace platform::tool
