#include <cstdio>

#include "commands.h"

namespace platform::tool {

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
      "  desktop windows                     every top-level window: HWND PID PROGRAM CLASS CAPTION VISIBLE\n"
      "  desktop controls HWND               a window's controls: ID HWND CLASS TEXT STYLE ENABLED VISIBLE FOCUSED\n"
      "  desktop type HWND ID TEXT           set a control's text as typing would\n"
      "  desktop click HWND ID               click a control\n"
      "  desktop items HWND ID               a list box's items: INDEX TEXT SELECTED (1 or 0)\n"
      "  desktop select HWND ID TEXT         select the list box item of exactly that text as a click would\n"
      "  desktop key HWND KEY                press Enter, Escape, Tab, Space, F1, A, ... in the window\n"
      "  desktop close HWND                  close a window\n"
      "  desktop answer HWND BUTTON          answer a message box: OK Cancel Yes No Retry Ignore Abort TryAgain Continue\n"
      "  desktop screenshot HWND FILE.png    save the window as a picture\n"
      "  desktop wait CAPTION [SECONDS]      wait for a visible window with that caption (default 10 s), print its HWND\n"
      "  desktop hover HWND ID               point the mouse at a control, print the tooltip it shows\n"
      "  desktop clipboard                   the text on the clipboard\n"
      "  desktop opened                      the web addresses programs opened (no browser runs)\n"
      "  ras entries | connections           the phone-book entries; the connections, as rasdial lists them\n"
      "  ras drop NAME                       end the connections of an entry, as a failing server would\n"
      "  ras add NAME --server S --user U --password P [--psk K] [--phonebook all|user] [--device vpn|modem]\n"
      "                                      a VPN entry with credentials for all users, as the entry tool makes it\n"
      "  world show                          the network world, in the world file's language\n"
      "  world set STATEMENT...              change it: a statement of a world file, e.g.\n"
      "                                      world set vpn vpn1.example.net down\n"
      "                                      world set host updates.example.net port 80 38017\n"
      "                                      (a host's port 80 reached at 127.0.0.1:38017 here)\n"
      "  help                                this listing\n",
      out);
}

int help_command(const Args&) {
  print_usage(stdout);
  return 0;
}

}  // namespace platform::tool
