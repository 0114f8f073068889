#include <cstdio>

#include "commands.h"

namespace winsim::tool {

void print_usage(FILE* out) {
  std::fputs(
      "usage: winsim COMMAND [ARGUMENTS]    (WINSIM_ROOT names the machine's folder)\n"
      "\n"
      "  init [--scale N] [--world FILE] [--force]\n"
      "                                      create a machine (--force replaces an existing one)\n"
      "  install BUILD_DIR                   copy the built programs into C:\\Tarvolt\n"
      "  run [--cwd WINPATH] PROGRAM [ARGS]  run a program in the machine, with its exit code\n"
      "  reg query KEY [/v NAME | /ve] [/s]  show registry values, as reg query does\n"
      "  clock                               the machine's time, clock scale and tick count\n"
      "  sc query NAME                       a service's status, as sc query shows it\n"
      "  net start|stop NAME                 start or stop a service with the machine's net.exe\n"
      "  boot                                start the automatic services\n"
      "  desktop log                         the message boxes shown so far, with their answers\n"
      "  ras entries | connections           the phone-book entries; the connections, as rasdial lists them\n"
      "  ras drop NAME                       end the connections of an entry, as a failing server would\n"
      "  ras add NAME --server S --user U --password P [--psk K] [--phonebook all|user] [--device vpn|modem]\n"
      "                                      a VPN entry with credentials for all users, as the entry tool makes it\n"
      "  world show                          the network world, in the world file's language\n"
      "  world set STATEMENT...              change it: a statement of a world file, e.g.\n"
      "                                      world set vpn vpn1.example.net down\n"
      "  help                                this listing\n",
      out);
}

int help_command(const Args&) {
  print_usage(stdout);
  return 0;
}

}  // namespace winsim::tool
