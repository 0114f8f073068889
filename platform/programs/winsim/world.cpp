// winsim world show | set STATEMENT...: the machine's network world, in the world file's
// language (net/world_language.h).
#include <cstdio>

#include "commands.h"
#include "machine_root.h"
#include "machine/world.h"
#include "net/world_text.h"

namespace platform::tool {

int world_command(const Args& args) {
  if (args.empty() || (args[0] != "show" && args[0] != "set"))
    return fail("world: use 'world show' or 'world set STATEMENT...'");
  if (!attach_machine()) return 1;
  if (args[0] == "show") {
    if (args.size() > 1) return fail("world show takes no arguments");
    std::fputs(net::format_world(net::load_world()).c_str(), stdout);
    return 0;
  }
  std::vector<std::string> statement(args.begin() + 1, args.end());
  try {
    net::change_world([&](net::World& world) { net::apply_statement(world, statement); });
  } catch (const net::WorldError& error) {
    return fail(std::string("world set: ") + error.what());
  }
  return 0;
}

}  // namespace platform::tool
