// __argc, __argv and __wargv, filled before the program's own static objects are built.
#include <stdlib.h>
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "kernel/command_line.h"
#include "kernel/process_identity.h"
#include "kernel/text.h"

namespace {

struct Arguments {
  std::vector<std::string> ansi;
  std::vector<std::u16string> wide;
  std::vector<char*> ansi_pointers;
  std::vector<WCHAR*> wide_pointers;

  Arguments() : wide(platform::command_line::split(platform::process::command_line())) {
    for (const auto& argument : wide) ansi.push_back(platform::text::to_ansi(argument));
    for (auto& argument : ansi) ansi_pointers.push_back(argument.data());
    for (auto& argument : wide) wide_pointers.push_back(reinterpret_cast<WCHAR*>(argument.data()));
    ansi_pointers.push_back(nullptr);
    wide_pointers.push_back(nullptr);
  }
};

Arguments& arguments() {
  static auto* instance = new Arguments;  // the vectors stay while the program ends
  return *instance;
}

}  // namespace

extern "C" {
int __argc = 0;
char** __argv = nullptr;
WCHAR** __wargv = nullptr;
}

namespace {

// Runs with the C runtime's own start-up, ahead of the program's static objects. A process
// outside any machine (the machine tool with no root named, a test before it makes its machine)
// has no Windows command line: the vectors stay empty.
__attribute__((constructor(101))) void fill_arguments() {
  const char* root = std::getenv("WINSIM_ROOT");
  if (!root || !*root) return;
  Arguments& all = arguments();
  __argc = static_cast<int>(all.wide.size());
  __argv = all.ansi_pointers.data();
  __wargv = all.wide_pointers.data();
}

}  // namespace
