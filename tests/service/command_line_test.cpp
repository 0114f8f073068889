// The command-line role: the service installed, updated and removed, and its settings written
// in the registry format the service reads.
#include <gtest/gtest.h>

#include <algorithm>

#include "service/tarvolt_fixture.h"
#include "tarvolt_app.h"

namespace tarvolt_testing {
namespace {

using CommandLineTest = TarvoltTest;

bool contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

std::string module_path() {
  char path[1024];
  DWORD length = GetModuleFileNameA(nullptr, path, sizeof(path));
  return std::string(path, length);
}

std::vector<BYTE> binary(const std::optional<TarvoltTest::Value>& value) {
  EXPECT_TRUE(value.has_value());
  if (!value) return {};
  EXPECT_EQ(value->type, DWORD(REG_BINARY));
  return value->data;
}

std::string text(const std::optional<TarvoltTest::Value>& value) {
  if (!value) return "(absent)";
  return std::string(value->data.begin(), value->data.end());
}

TEST_F(CommandLineTest, InstallCreatesTheServiceAndWritesEverySetting) {
  run_command_line({"-i", "-ip", "10.1.2.3", "-r", "192.168.0.1", "-r", "192.168.1.1"});

  SC_HANDLE service = OpenServiceA(manager_, "Halvorn", SERVICE_QUERY_CONFIG);
  ASSERT_NE(service, nullptr);
  CloseServiceHandle(service);
  auto type = read_value("", "Type");
  ASSERT_TRUE(type);
  EXPECT_EQ(type->data, bytes({0x10, 0, 0, 0}));
  EXPECT_EQ(read_value("", "Start")->data, bytes({2, 0, 0, 0}));
  EXPECT_EQ(read_value("", "ErrorControl")->data, bytes({1, 0, 0, 0}));
  EXPECT_EQ(text(read_value("", "ImagePath")), module_path() + '\0');
  EXPECT_EQ(text(read_value("", "ObjectName")), std::string("LocalSystem") + '\0');
  auto depend = read_value("", "DependOnService");
  ASSERT_TRUE(depend);
  EXPECT_EQ(depend->type, DWORD(REG_MULTI_SZ));
  EXPECT_EQ(text(depend), std::string("RpcSs\0\0", 7));

  EXPECT_EQ(binary(read_value("Gateways", "Gateway_IP1")), bytes({192, 168, 0, 1}));
  EXPECT_EQ(binary(read_value("Gateways", "Gateway_IP2")), bytes({192, 168, 1, 1}));
  EXPECT_EQ(binary(read_value("", "GatewayCount")), bytes({2}));
  EXPECT_EQ(binary(read_value("", "GenerateLog")), bytes({1}));
  EXPECT_EQ(binary(read_value("AUTO-A", "Required_IP")), bytes({10, 1, 2, 3}));
  EXPECT_EQ(binary(read_value("AUTO-B", "Required_IP")), bytes({10, 1, 2, 3}));
  EXPECT_FALSE(read_value("", "MaxConnectionHours"));

  // At level 1 the log holds the success line and the logger's close, nothing more detailed.
  std::vector<std::string> expected{"Tarvolt service has been installed successfully", "ShutdownServices Part 12",
                                    "Closing the logger and Shutting Down", std::string(52, '-')};
  EXPECT_EQ(log_messages(), expected);
}

TEST_F(CommandLineTest, OptionsChangeTheSettingsOfAnInstalledService) {
  run_command_line({"-i", "-ip", "10.1.2.3", "-r", "192.168.0.1", "-r", "192.168.1.1", "-l", "3"});
  EXPECT_EQ(binary(read_value("", "GenerateLog")), bytes({3}));

  // Without -l the threshold goes back to 1; without -ip both addresses accept anything.
  run_command_line({"-mh", "48"});
  EXPECT_EQ(binary(read_value("", "MaxConnectionHours")), bytes({48}));
  EXPECT_EQ(binary(read_value("", "GenerateLog")), bytes({1}));
  EXPECT_EQ(binary(read_value("AUTO-A", "Required_IP")), bytes({0, 0, 0, 0}));
  EXPECT_EQ(binary(read_value("AUTO-B", "Required_IP")), bytes({0, 0, 0, 0}));
  // Routers are kept when a run names none.
  EXPECT_EQ(binary(read_value("", "GatewayCount")), bytes({2}));

  run_command_line({"-MH", "300", "-ip", "10.9.9.9"});
  EXPECT_EQ(binary(read_value("", "MaxConnectionHours")), bytes({44}));

  // An -ip without a value leaves the addresses as they are.
  run_command_line({"-ip"});
  EXPECT_EQ(binary(read_value("AUTO-A", "Required_IP")), bytes({10, 9, 9, 9}));

  // One router replaces the count, not the second router's value.
  run_command_line({"-r"});
  EXPECT_EQ(binary(read_value("Gateways", "Gateway_IP1")), bytes({0, 0, 0, 0}));
  EXPECT_EQ(binary(read_value("", "GatewayCount")), bytes({1}));
  EXPECT_EQ(binary(read_value("Gateways", "Gateway_IP2")), bytes({192, 168, 1, 1}));

  // Prefix matching: -router is -r, -log is -l, -IP5 is -ip; -ix is no option.
  run_command_line({"-router", "1.2.3.4", "-log", "2", "-IP5", "5.6.7.8", "-ix", "-x"});
  EXPECT_EQ(binary(read_value("Gateways", "Gateway_IP1")), bytes({1, 2, 3, 4}));
  EXPECT_EQ(binary(read_value("", "GenerateLog")), bytes({2}));
  EXPECT_EQ(binary(read_value("AUTO-B", "Required_IP")), bytes({5, 6, 7, 8}));

  // An option's value is the next argument even when it looks like an option.
  run_command_line({"-ip", "-r", "-l", "x"});
  EXPECT_EQ(binary(read_value("AUTO-A", "Required_IP")), bytes({0, 0, 0, 0}));
  EXPECT_EQ(binary(read_value("", "GenerateLog")), bytes({0}));
}

TEST_F(CommandLineTest, ThresholdZeroOpensNoLogger) {
  run_command_line({"-i"});
  std::filesystem::remove(log_path());
  run_command_line({"-l", "0", "-mh", "5"});
  EXPECT_EQ(binary(read_value("", "MaxConnectionHours")), bytes({5}));
  EXPECT_FALSE(std::filesystem::exists(log_path()));
}

TEST_F(CommandLineTest, NothingIsWrittenWhenTheServiceIsNotInstalled) {
  run_command_line({"-l", "3", "-mh", "5", "-r", "1.2.3.4", "-ip", "1.1.1.1"});
  EXPECT_FALSE(service_key_exists());
}

TEST_F(CommandLineTest, TheAccountFollowsTheUserOption) {
  run_command_line({"-i", "-u", "alice", "secret", "-ip", "10.1.2.3"});
  EXPECT_EQ(text(read_value("", "ObjectName")), std::string(".\\alice") + '\0');

  // Installing again updates the account: without -u it is the local system again.
  run_command_line({"-i"});
  EXPECT_EQ(text(read_value("", "ObjectName")), std::string("LocalSystem") + '\0');

  // With only three arguments -u is not looked for; an empty name drops the password.
  run_command_line({"-i", "-u", "alice"});
  EXPECT_EQ(text(read_value("", "ObjectName")), std::string("LocalSystem") + '\0');
  run_command_line({"-i", "-U", "", "secret"});
  EXPECT_EQ(text(read_value("", "ObjectName")), std::string("LocalSystem") + '\0');
}

TEST_F(CommandLineTest, ACredentialTooLongForItsBufferInstallsNothing) {
  run_command_line({"-i", "-u", std::string(127, 'u'), std::string(128, 'p')});
  EXPECT_FALSE(service_key_exists());
  std::vector<std::string> lines = log_messages();
  EXPECT_TRUE(contains(lines, "User name or password longer than 127 characters: the service is not installed"));
  EXPECT_FALSE(contains(lines, "Tarvolt service has been installed successfully"));

  run_command_line({"-i", "-u", std::string(127, 'u'), std::string(127, 'p')});
  EXPECT_EQ(text(read_value("", "ObjectName")), ".\\" + std::string(127, 'u') + '\0');
}

TEST_F(CommandLineTest, RoutersBeyondWhatTheCountCanHoldAreRefused) {
  std::vector<std::string> args{"-i"};
  for (int i = 1; i <= 256; ++i) {
    args.push_back("-r");
    args.push_back("10.0." + std::to_string(i / 256) + "." + std::to_string(i % 256));
  }
  run_command_line(args);
  EXPECT_EQ(binary(read_value("", "GatewayCount")), bytes({255}));
  EXPECT_EQ(binary(read_value("Gateways", "Gateway_IP255")), bytes({10, 0, 0, 255}));
  EXPECT_FALSE(read_value("Gateways", "Gateway_IP256"));
  EXPECT_TRUE(contains(log_messages(), "Only 255 routers can be stored: router 10.0.1.0 is ignored"));
}

TEST_F(CommandLineTest, InstallOverAnExistingServiceBringsItsConfigurationUpToDate) {
  SC_HANDLE sample = create_sample("Halvorn");
  ASSERT_NE(sample, nullptr);
  CloseServiceHandle(sample);
  run_command_line({"-i"});
  EXPECT_EQ(read_value("", "Type")->data, bytes({0x10, 0, 0, 0}));
  EXPECT_EQ(read_value("", "Start")->data, bytes({2, 0, 0, 0}));
  EXPECT_EQ(text(read_value("", "ImagePath")), module_path() + '\0');
  // The dependency stays as it was: an update does not set it.
  EXPECT_FALSE(read_value("", "DependOnService"));
  EXPECT_TRUE(contains(log_messages(), "Tarvolt service has been installed successfully"));
}

TEST_F(CommandLineTest, WithoutTheRpcDisplayNameTheServiceHasNoDependency) {
  SC_HANDLE rpc = OpenServiceA(manager_, "RpcSs", SERVICE_ALL_ACCESS);
  ASSERT_NE(rpc, nullptr);
  ASSERT_TRUE(ChangeServiceConfigA(rpc, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, "Remoteprozeduraufruf (RPC)"));
  CloseServiceHandle(rpc);
  run_command_line({"-i"});
  ASSERT_TRUE(service_key_exists());
  auto depend = read_value("", "DependOnService");
  EXPECT_TRUE(!depend || text(depend) == std::string("\0\0", 2) || text(depend) == std::string("\0", 1))
      << text(depend);
}

TEST_F(CommandLineTest, UninstallStopsARunningServiceAndRemovesItsKey) {
  SC_HANDLE sample = create_sample("Halvorn");
  ASSERT_NE(sample, nullptr);
  ASSERT_TRUE(StartServiceA(sample, 0, nullptr));
  CloseServiceHandle(sample);

  run_command_line({"-d", "-l", "3"});
  SC_HANDLE gone = nullptr;
  for (int i = 0; i < 400 && (gone = OpenServiceA(manager_, "Halvorn", SERVICE_QUERY_STATUS)) != nullptr; ++i) {
    CloseServiceHandle(gone);
    Sleep(10);
  }
  EXPECT_EQ(gone, nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_DOES_NOT_EXIST));
  EXPECT_FALSE(service_key_exists());
  std::vector<std::string> expected{"Stopping Tarvolt service before UnInstall",
                                    std::string(52, '-'),
                                    "Tarvolt service initiating UnInstall",
                                    std::string(52, '-'),
                                    "ShutdownServices Part 12",
                                    "Closing the logger and Shutting Down",
                                    std::string(52, '-')};
  EXPECT_EQ(log_messages(), expected);

  // Removing what is not there changes nothing and creates nothing.
  run_command_line({"-d"});
  EXPECT_FALSE(service_key_exists());
}

TEST_F(CommandLineTest, SettingsOfTheWrongSizeReadAsAbsent) {
  run_command_line({"-i"});
  RV_TarvoltApp app;
  EXPECT_EQ(app.GetMaxConnectionHours(), 144);
  write_value("", "MaxConnectionHours", REG_BINARY, bytes({12, 0}));
  EXPECT_EQ(app.GetMaxConnectionHours(), 144);
  write_value("", "MaxConnectionHours", REG_BINARY, {});
  EXPECT_EQ(app.GetMaxConnectionHours(), 144);
  // Any type whose data is one byte is read.
  write_value("", "MaxConnectionHours", REG_SZ, bytes({12}));
  EXPECT_EQ(app.GetMaxConnectionHours(), 12);
  write_value("", "GenerateLog", REG_DWORD, bytes({3, 0, 0, 0}));
  EXPECT_EQ(app.AccessGenerateLog(RV_TarvoltApp::REG_ACCESS_READ, 7), 7);
  EXPECT_EQ(app.AccessGenerateLog(RV_TarvoltApp::REG_ACCESS_WRITE, 0x103), 0x103);
  EXPECT_EQ(app.AccessGenerateLog(RV_TarvoltApp::REG_ACCESS_READ, 7), 3);

  RegDeleteTreeA(HKEY_LOCAL_MACHINE, "SYSTEM\\CurrentControlSet\\Services\\Halvorn");
  EXPECT_EQ(app.GetMaxConnectionHours(), 0);
  EXPECT_EQ(app.AccessGenerateLog(RV_TarvoltApp::REG_ACCESS_READ, 1), 1);
}

}  // namespace
}  // namespace tarvolt_testing
