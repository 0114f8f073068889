// A GUI child for the console tests: the commands of probe_commands.h, from a program of the
// GUI subsystem.
#include <stdlib.h>

#include "probe_commands.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) { return probe::run_command(__argc, __argv); }
