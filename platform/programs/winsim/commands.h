// The sub-commands of the machine tool. Each takes the arguments after its name and returns
// the tool's exit code.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace platform::tool {

using Args = std::vector<std::string>;

int init_command(const Args& args);
int install_command(const Args& args);
int run_command(const Args& args);
int reg_command(const Args& args);
int clock_command(const Args& args);
int sc_command(const Args& args);
int net_command(const Args& args);
int boot_command(const Args& args);
int desktop_command(const Args& args);
int world_command(const Args& args);
int ras_command(const Args& args);
int help_command(const Args& args);

// The usage listing (help, and after a command line the tool does not understand).
void print_usage(FILE* out);

}  // namespace platform::tool
