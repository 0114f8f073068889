// A console child for the process tests: the commands of probe_commands.h.
#include "probe_commands.h"

int main(int argc, char** argv) { return probe::run_command(argc, argv); }
