// winsim desktop: the machine's desktop as its user would see it. `log` lists every message box
// shown so far, one line each:
//   <local time>  <program>  "<caption>"  "<text>"  [<buttons>]  -> <answer> (<how>)
#include <time.h>

#include <cstdio>
#include <string>

#include "commands.h"
#include "kernel/clock.h"
#include "machine_root.h"
#include "user/desktop_log.h"

namespace winsim::tool {
namespace {

// "2024-05-01 12:00:00" in the machine's local time.
std::string local_time(int64_t utc_ns) {
  time_t seconds = time_t(utc_ns / 1000000000 - int64_t(clock::tz_bias_minutes()) * 60);
  tm parts;
  gmtime_r(&seconds, &parts);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &parts);
  return text;
}

// Keeps a box on one line: its line breaks and tabs show as \r, \n and \t.
std::string one_line(const std::string& text) {
  std::string out;
  for (char c : text) {
    if (c == '\r') out += "\\r";
    else if (c == '\n') out += "\\n";
    else if (c == '\t') out += "\\t";
    else out += c;
  }
  return out;
}

int print_log() {
  for (const desktop::LoggedBox& box : desktop::logged_boxes())
    std::printf("%s  %s  \"%s\"  \"%s\"  [%s]  -> %s (%s)\n", local_time(box.time_ns).c_str(), box.program.c_str(),
                one_line(box.caption).c_str(), one_line(box.text).c_str(), box.buttons.c_str(), box.answer.c_str(),
                box.how.c_str());
  return 0;
}

}  // namespace

int desktop_command(const Args& args) {
  if (args.size() != 1 || args[0] != "log") return fail("usage: winsim desktop log");
  if (!attach_machine()) return 1;
  return print_log();
}

}  // namespace winsim::tool
