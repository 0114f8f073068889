// Services run as processes of their own: started, controlled and watched from other processes.
#include <windows.h>
#include <signal.h>

#include <gtest/gtest.h>

#include <string>

#include "kernel/machine.h"
#include "support/service_fixture.h"

namespace service_testing {
namespace {

using ServiceControlTest = ServiceTest;

// Polls until the service leaves `pending` (a stop takes the service a moment after its handler).
DWORD settled_state(SC_HANDLE service, DWORD pending) {
  SERVICE_STATUS status{};
  for (int i = 0; i < 2000 && QueryServiceStatus(service, &status) && status.dwCurrentState == pending; ++i) Sleep(5);
  return status.dwCurrentState;
}

long long service_pid(const char* name) {
  platform::machine::Statement s("SELECT pid FROM svc_status WHERE name = upper(?)");
  s.bind(1, std::string(name));
  return s.step() ? s.column_int(0) : 0;
}

TEST_F(ServiceControlTest, StartRunsTheServiceInAProcessOfItsOwnUntilStopped) {
  SC_HANDLE service = create_sample("Sample");
  ASSERT_NE(service, nullptr);
  ASSERT_TRUE(StartServiceA(service, 0, nullptr));
  SERVICE_STATUS status = status_of(service);
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_EQ(status.dwControlsAccepted, DWORD(SERVICE_ACCEPT_STOP | SERVICE_ACCEPT_PAUSE_CONTINUE));
  long long pid = service_pid("Sample");
  EXPECT_NE(pid, 0);
  EXPECT_NE(pid, getpid());
  EXPECT_FALSE(StartServiceA(service, 0, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_ALREADY_RUNNING));

  // Another process sees what the service reported.
  auto query = winsim({"sc", "query", "sample"});
  EXPECT_EQ(query.exit_code, 0);
  EXPECT_NE(query.out.find("SERVICE_NAME: sample\n"), std::string::npos) << query.out;
  EXPECT_NE(query.out.find("TYPE               : 10  WIN32_OWN_PROCESS"), std::string::npos) << query.out;
  EXPECT_NE(query.out.find("STATE              : 4  RUNNING\n"
                           "                                (STOPPABLE, PAUSABLE, IGNORES_SHUTDOWN)\n"),
            std::string::npos)
      << query.out;
  EXPECT_NE(query.out.find("WIN32_EXIT_CODE    : 0  (0x0)"), std::string::npos) << query.out;

  ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &status));
  EXPECT_TRUE(status.dwCurrentState == SERVICE_STOP_PENDING || status.dwCurrentState == SERVICE_STOPPED);
  EXPECT_EQ(settled_state(service, SERVICE_STOP_PENDING), DWORD(SERVICE_STOPPED));
  status = {};
  EXPECT_FALSE(ControlService(service, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_NOT_ACTIVE));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_STOPPED));
  EXPECT_FALSE(ControlService(service, SERVICE_CONTROL_INTERROGATE, &status));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_NOT_ACTIVE));
  EXPECT_EQ(status.dwWin32ExitCode, 0u);
  // Stopped, it can start again.
  ASSERT_TRUE(StartServiceA(service, 0, nullptr));
  EXPECT_NE(service_pid("Sample"), pid);
  ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(settled_state(service, SERVICE_STOP_PENDING), DWORD(SERVICE_STOPPED));
  CloseServiceHandle(service);
}

TEST_F(ServiceControlTest, PauseContinueAndInterrogateReachTheServiceHandler) {
  SC_HANDLE service = create_sample("Sample");
  ASSERT_TRUE(StartServiceA(service, 0, nullptr));
  SERVICE_STATUS status{};
  ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_PAUSE, &status));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_PAUSED));  // what the handler reported before returning
  EXPECT_EQ(status_of(service).dwCurrentState, DWORD(SERVICE_PAUSED));
  ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_INTERROGATE, &status));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_PAUSED));
  ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_CONTINUE, &status));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_FALSE(ControlService(service, 0x50, &status));  // neither a known nor a user-defined control
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));

  SC_HANDLE query_only = OpenServiceA(manager_, "Sample", SERVICE_QUERY_STATUS);
  EXPECT_FALSE(ControlService(query_only, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  CloseServiceHandle(query_only);
  ASSERT_TRUE(ControlService(service, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(settled_state(service, SERVICE_STOP_PENDING), DWORD(SERVICE_STOPPED));
  CloseServiceHandle(service);
}

TEST_F(ServiceControlTest, StartWaitsWhileTheServiceReportsStartPending) {
  SC_HANDLE service = create_sample("Slow", nullptr, "slowstart");
  ASSERT_TRUE(StartServiceA(service, 0, nullptr));
  EXPECT_EQ(status_of(service).dwCurrentState, DWORD(SERVICE_RUNNING));
  SERVICE_STATUS status{};
  ControlService(service, SERVICE_CONTROL_STOP, &status);
  EXPECT_EQ(settled_state(service, SERVICE_STOP_PENDING), DWORD(SERVICE_STOPPED));
  CloseServiceHandle(service);
}

TEST_F(ServiceControlTest, ServiceWhoseProcessDiesIsStopped) {
  SC_HANDLE never = create_sample("Never", nullptr, "exit");
  EXPECT_FALSE(StartServiceA(never, 0, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_REQUEST_TIMEOUT));
  EXPECT_EQ(status_of(never).dwCurrentState, DWORD(SERVICE_STOPPED));
  CloseServiceHandle(never);

  SC_HANDLE service = create_sample("Sample");
  ASSERT_TRUE(StartServiceA(service, 0, nullptr));
  kill(pid_t(service_pid("Sample")), SIGKILL);
  EXPECT_EQ(settled_state(service, SERVICE_RUNNING), DWORD(SERVICE_STOPPED));
  EXPECT_EQ(status_of(service).dwWin32ExitCode, DWORD(ERROR_PROCESS_ABORTED));
  CloseServiceHandle(service);
}

TEST_F(ServiceControlTest, RunningServiceMarkedForDeletionGoesOnceStopped) {
  SC_HANDLE service = create_sample("Sample");
  ASSERT_TRUE(StartServiceA(service, 0, nullptr));
  ASSERT_TRUE(DeleteService(service));
  CloseServiceHandle(service);
  SC_HANDLE again = OpenServiceA(manager_, "Sample", SERVICE_ALL_ACCESS);  // still running, still there
  ASSERT_NE(again, nullptr);
  SERVICE_STATUS status{};
  ASSERT_TRUE(ControlService(again, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(settled_state(again, SERVICE_STOP_PENDING), DWORD(SERVICE_STOPPED));
  EXPECT_EQ(status_of(again).dwCurrentState, DWORD(SERVICE_STOPPED));  // `again` still holds it
  CloseServiceHandle(again);
  EXPECT_EQ(OpenServiceA(manager_, "Sample", SERVICE_QUERY_STATUS), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_DOES_NOT_EXIST));
}

TEST_F(ServiceControlTest, DispatcherFailsInAProcessNotStartedAsService) {
  SERVICE_TABLE_ENTRYA table[] = {{nullptr, nullptr}, {nullptr, nullptr}};
  EXPECT_FALSE(StartServiceCtrlDispatcherA(table));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_FAILED_SERVICE_CONTROLLER_CONNECT));
  auto run = testing_support::run_program(testing_support::program_dir() / "svc_sample.exe", {});
  EXPECT_EQ(run.exit_code, 1);
  EXPECT_EQ(run.out, "1063\n");
}

TEST_F(ServiceControlTest, NetStartsAndStopsByKeyOrDisplayName) {
  CloseServiceHandle(create_sample("Sample", "Sample Service"));
  auto start = winsim({"net", "start", "sample service"});
  EXPECT_EQ(start.exit_code, 0) << start.out << start.err;
  EXPECT_EQ(start.out,
            "The Sample Service service is starting.\n"
            "The Sample Service service was started successfully.\n\n");
  auto again = winsim({"net", "start", "SAMPLE"});
  EXPECT_EQ(again.exit_code, 2);
  EXPECT_EQ(again.out.rfind("The requested service has already been started.\n", 0), 0u) << again.out;
  auto stop = winsim({"net", "stop", "Sample"});
  EXPECT_EQ(stop.exit_code, 0) << stop.out << stop.err;
  EXPECT_EQ(stop.out,
            "The Sample Service service is stopping.\n"
            "The Sample Service service was stopped successfully.\n\n");
  auto stopped = winsim({"net", "stop", "Sample"});
  EXPECT_EQ(stopped.exit_code, 2);
  EXPECT_EQ(stopped.out.rfind("The Sample Service service is not started.\n", 0), 0u) << stopped.out;
  auto unknown = winsim({"net", "start", "NoSuchService"});
  EXPECT_EQ(unknown.exit_code, 2);
  EXPECT_EQ(unknown.out.rfind("The service name is invalid.\n", 0), 0u) << unknown.out;
}

TEST_F(ServiceControlTest, BootStartsAutomaticServicesAndScQueryNamesMissingOnes) {
  SC_HANDLE automatic = CreateServiceA(manager_, "Auto", nullptr, SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS,
                                       SERVICE_AUTO_START, SERVICE_ERROR_NORMAL, "C:\\Tarvolt\\svc_sample.exe",
                                       nullptr, nullptr, nullptr, nullptr, nullptr);
  SC_HANDLE manual = create_sample("Manual");
  auto boot = winsim({"boot"});
  EXPECT_EQ(boot.exit_code, 0) << boot.err;
  EXPECT_EQ(status_of(automatic).dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_EQ(status_of(manual).dwCurrentState, DWORD(SERVICE_STOPPED));
  SERVICE_STATUS status{};
  ControlService(automatic, SERVICE_CONTROL_STOP, &status);
  EXPECT_EQ(settled_state(automatic, SERVICE_STOP_PENDING), DWORD(SERVICE_STOPPED));
  CloseServiceHandle(automatic);
  CloseServiceHandle(manual);

  auto missing = winsim({"sc", "query", "NoSuchService"});
  EXPECT_EQ(missing.exit_code, 1);
  EXPECT_EQ(missing.out,
            "[SC] EnumQueryServicesStatus:OpenService FAILED 1060:\n\n"
            "The specified service does not exist as an installed service.\n\n");
}

}  // namespace
}  // namespace service_testing
