// Helpers of the process, pipe and console tests: the test programs placed inside the machine,
// children run with their output captured.
#pragma once

#include <windows.h>

#include <string>

#include "support/machine_fixture.h"

namespace process_testing {

class ProcessTest : public testing_support::MachineTest {
 protected:
  // Copies bin/<program>.exe to drive C: (`folder` like "Tarvolt" or "Windows/System32").
  void install(const std::string& program, const std::string& folder, const std::string& as = "");

  struct Result {
    bool started = false;
    DWORD error = 0;       // GetLastError() when not started
    DWORD exit_code = 0;
    std::string output;    // standard output and error, read until the pipe broke
  };
  // Runs `command_line` with its standard output and error on a pipe, inheriting handles.
  Result run(const std::u16string& command_line, DWORD flags = 0);
  // Runs the probe as a process started from Linux (as `winsim run` is), its descriptor 1 on a
  // pipe: what reaches its console is what winsim would print.
  Result run_from_linux(const std::string& arguments);
};

// Waits for a process or thread handle; WAIT_OBJECT_0 or WAIT_TIMEOUT.
DWORD wait_for(HANDLE h, DWORD timeout_ms);
// The exit code once the process ended (waits up to 30 s).
DWORD exit_code_of(HANDLE process);
// Starts `command_line` with the given start-up information; the error on failure, else 0.
DWORD start(const std::u16string& command_line, PROCESS_INFORMATION* pi, BOOL inherit = TRUE, DWORD flags = 0,
            STARTUPINFOW* startup = nullptr, const std::u16string& application = u"",
            const std::u16string& directory = u"");
void close_process(PROCESS_INFORMATION& pi);
// Reads `h` until ReadFile fails; `error` receives its last error.
std::string read_all(HANDLE h, DWORD* error);
std::u16string handle_text(HANDLE h);

}  // namespace process_testing
