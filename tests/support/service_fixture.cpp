#include "support/service_fixture.h"

#include <signal.h>

#include <filesystem>

#include "kernel/machine.h"

namespace service_testing {

namespace fs = std::filesystem;

void ServiceTest::SetUp() {
  MachineTest::SetUp();
  fs::create_directories(root_ / "drive_c/Tarvolt");
  fs::copy_file(testing_support::program_dir() / "svc_sample.exe", root_ / "drive_c/Tarvolt/svc_sample.exe");
  fs::copy_file(testing_support::bin_dir() / "net.exe", root_ / "drive_c/Windows/System32/net.exe");
  manager_ = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_ALL_ACCESS);
  ASSERT_NE(manager_, nullptr);
}

void ServiceTest::TearDown() {
  CloseServiceHandle(manager_);
  // A failed test may leave a service running; it must not outlive its machine.
  platform::machine::Statement s("SELECT pid FROM svc_status WHERE pid != 0");
  while (s.step()) kill(pid_t(s.column_int(0)), SIGKILL);
  MachineTest::TearDown();
}

SC_HANDLE ServiceTest::create_sample(const char* name, const char* display_name, const char* arguments) {
  std::string image = std::string("C:\\Tarvolt\\svc_sample.exe ") + arguments;
  return CreateServiceA(manager_, name, display_name, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                        SERVICE_DEMAND_START, SERVICE_ERROR_NORMAL, image.c_str(), nullptr, nullptr, nullptr,
                        nullptr, nullptr);
}

SERVICE_STATUS ServiceTest::status_of(SC_HANDLE service) {
  SERVICE_STATUS status{};
  EXPECT_TRUE(QueryServiceStatus(service, &status));
  return status;
}

testing_support::Finished ServiceTest::winsim(const std::vector<std::string>& args) {
  return testing_support::run_program(testing_support::bin_dir() / "winsim", args);
}

}  // namespace service_testing
