#include "kernel/process_test_helpers.h"

#include <stdio.h>
#include <sys/wait.h>

#include <cstring>
#include <filesystem>

#include "kernel/handles.h"
#include "kernel/wait.h"

namespace process_testing {

namespace fs = std::filesystem;

void ProcessTest::install(const std::string& program, const std::string& folder, const std::string& as) {
  fs::path target = root_ / "drive_c" / folder;
  fs::create_directories(target);
  fs::copy_file(testing_support::program_dir() / (program + ".exe"), target / (as.empty() ? program + ".exe" : as),
                fs::copy_options::overwrite_existing);
}

ProcessTest::Result ProcessTest::run(const std::u16string& command_line, DWORD flags) {
  Result result;
  SECURITY_ATTRIBUTES inheritable{sizeof(SECURITY_ATTRIBUTES), nullptr, TRUE};
  HANDLE read_end, write_end;
  EXPECT_TRUE(CreatePipe(&read_end, &write_end, &inheritable, 0));
  SetHandleInformation(read_end, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESTDHANDLES;
  si.hStdOutput = si.hStdError = write_end;
  PROCESS_INFORMATION pi;
  result.error = start(command_line, &pi, TRUE, flags, &si);
  CloseHandle(write_end);
  if (result.error == 0) {
    result.started = true;
    DWORD read_error = 0;
    result.output = read_all(read_end, &read_error);
    EXPECT_EQ(read_error, DWORD(ERROR_BROKEN_PIPE));
    result.exit_code = exit_code_of(pi.hProcess);
    close_process(pi);
  }
  CloseHandle(read_end);
  return result;
}

ProcessTest::Result ProcessTest::run_from_linux(const std::string& arguments) {
  Result result;
  std::string command = "'" + (testing_support::program_dir() / "proc_probe.exe").string() + "' " + arguments;
  FILE* child = popen(command.c_str(), "r");
  if (!child) return result;
  result.started = true;
  char buffer[512];
  for (size_t n; (n = fread(buffer, 1, sizeof buffer, child)) > 0;) result.output.append(buffer, n);
  int status = pclose(child);
  result.exit_code = WIFEXITED(status) ? DWORD(WEXITSTATUS(status)) : DWORD(-1);
  return result;
}

DWORD wait_for(HANDLE h, DWORD timeout_ms) {
  auto waitable = platform::handles::get_as<platform::Waitable>(h);
  if (!waitable) return WAIT_FAILED;
  return platform::wait::for_objects({waitable}, false, timeout_ms, 0);
}

DWORD exit_code_of(HANDLE process) {
  EXPECT_EQ(wait_for(process, 30000), DWORD(WAIT_OBJECT_0));
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeProcess(process, &code));
  return code;
}

DWORD start(const std::u16string& command_line, PROCESS_INFORMATION* pi, BOOL inherit, DWORD flags,
            STARTUPINFOW* startup, const std::u16string& application, const std::u16string& directory) {
  STARTUPINFOW plain{};
  plain.cb = sizeof plain;
  std::u16string line = command_line;  // CreateProcessW may write to it
  auto wide = [](const std::u16string& s) { return s.empty() ? nullptr : reinterpret_cast<LPCWSTR>(s.c_str()); };
  if (!CreateProcessW(wide(application), reinterpret_cast<LPWSTR>(line.data()), nullptr, nullptr, inherit, flags,
                      nullptr, wide(directory), startup ? startup : &plain, pi))
    return GetLastError();
  return 0;
}

void close_process(PROCESS_INFORMATION& pi) {
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
}

std::string read_all(HANDLE h, DWORD* error) {
  std::string out;
  char buffer[1023];
  DWORD got = 0;
  while (ReadFile(h, buffer, sizeof buffer, &got, nullptr)) out.append(buffer, got);
  *error = GetLastError();
  return out;
}

std::u16string handle_text(HANDLE h) {
  std::string digits = std::to_string(reinterpret_cast<uintptr_t>(h));
  return std::u16string(digits.begin(), digits.end());
}

}  // namespace process_testing
