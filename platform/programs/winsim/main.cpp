// winsim, the machine tool: creates a simulated machine, installs programs into it, runs them
// and shows its state in the formats of the Windows tools.
#include <cstdio>
#include <cstring>
#include <string>

#include "commands.h"

namespace {

using namespace platform::tool;

struct Command {
  const char* name;
  int (*run)(const Args&);
};

constexpr Command kCommands[] = {
    {"init", init_command}, {"install", install_command}, {"run", run_command},
    {"reg", reg_command},   {"clock", clock_command},     {"help", help_command},
    {"sc", sc_command},
    {"net", net_command},
    {"boot", boot_command},
    {"desktop", desktop_command},
    {"world", world_command},
    {"ras", ras_command},
};

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) return help_command({});
  Args args(argv + 2, argv + argc);
  for (const Command& command : kCommands)
    if (std::strcmp(argv[1], command.name) == 0) return command.run(args);
  std::fprintf(stderr, "winsim: unknown command '%s'\n\n", argv[1]);
  print_usage(stderr);
  return 1;
}
