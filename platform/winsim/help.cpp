#include <cstdio>

#include "commands.h"

namespace winsim::tool {

void print_usage(FILE* out) {
  std::fputs(
      "usage: winsim COMMAND [ARGUMENTS]    (WINSIM_ROOT names the machine's folder)\n"
      "\n"
      "  init [--scale N] [--force]          create a machine (--force replaces an existing one)\n"
      "  install BUILD_DIR                   copy the built programs into C:\\Tarvolt\n"
      "  run [--cwd WINPATH] PROGRAM [ARGS]  run a program in the machine, with its exit code\n"
      "  reg query KEY [/v NAME | /ve] [/s]  show registry values, as reg query does\n"
      "  clock                               the machine's time, clock scale and tick count\n"
      "  sc query NAME                       a service's status, as sc query shows it\n"
      "  net start|stop NAME                 start or stop a service with the machine's net.exe\n"
      "  boot                                start the automatic services\n"
      "  desktop log                         the message boxes shown so far, with their answers\n"
      "  help                                this listing\n",
      out);
}

int help_command(const Args&) {
  print_usage(stdout);
  return 0;
}

}  // namespace winsim::tool
