// winsim net start|stop NAME: the machine's net.exe, run inside the machine.
#include "commands.h"
#include "machine_root.h"

namespace platform::tool {

int net_command(const Args& args) {
  if (args.size() != 2 || (args[0] != "start" && args[0] != "stop")) return fail("usage: winsim net start|stop NAME");
  return run_command({"C:\\Windows\\System32\\net.exe", args[0], args[1]});
}

}  // namespace platform::tool
