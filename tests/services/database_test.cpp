// The service database: the registry values of a service, names, configuration changes,
// deletion, and the system service every machine has.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/service_fixture.h"

namespace service_testing {
namespace {

std::string string_value(const char* service, const char* value) {
  std::string path = std::string("SYSTEM\\CurrentControlSet\\Services\\") + service;
  char data[512] = {};
  DWORD size = sizeof data, type = 0;
  HKEY key;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return "<no key>";
  LSTATUS status = RegQueryValueExA(key, value, nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return "<no value>";
  if (type == REG_DWORD) return "dword:" + std::to_string(*reinterpret_cast<DWORD*>(data));
  if (type == REG_MULTI_SZ) {
    std::string joined;
    for (const char* p = data; *p; p += strlen(p) + 1) joined += std::string(p) + "|";
    return "multi:" + joined;
  }
  return data;
}

bool key_exists(const char* service) { return string_value(service, "Type") != "<no key>"; }

using ServiceDatabaseTest = ServiceTest;

TEST_F(ServiceDatabaseTest, MachineComesWithRunningRpcServiceThatCannotBeStoppedOrStarted) {
  EXPECT_EQ(string_value("RpcSs", "DisplayName"), "Remote Procedure Call (RPC)");
  EXPECT_EQ(string_value("RpcSs", "Start"), "dword:2");
  SC_HANDLE rpc = OpenServiceA(manager_, "rpcss", SERVICE_ALL_ACCESS);
  ASSERT_NE(rpc, nullptr);
  EXPECT_EQ(status_of(rpc).dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_FALSE(StartServiceA(rpc, 0, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_ALREADY_RUNNING));
  SERVICE_STATUS status{};
  EXPECT_FALSE(ControlService(rpc, SERVICE_CONTROL_STOP, &status));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_SERVICE_CONTROL));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_TRUE(ControlService(rpc, SERVICE_CONTROL_INTERROGATE, &status));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_RUNNING));
  EXPECT_TRUE(CloseServiceHandle(rpc));
}

TEST_F(ServiceDatabaseTest, CreateWritesTheValuesWindowsKeepsAndReportsStopped) {
  SC_HANDLE service = CreateServiceA(manager_, "Sample", "Sample Service", SERVICE_ALL_ACCESS,
                                     SERVICE_WIN32_OWN_PROCESS, SERVICE_AUTO_START, SERVICE_ERROR_NORMAL,
                                     "C:\\Tarvolt\\svc_sample.exe", nullptr, nullptr, "RpcSs\0Tcpip\0", nullptr,
                                     nullptr);
  ASSERT_NE(service, nullptr);
  EXPECT_EQ(string_value("Sample", "Type"), "dword:16");
  EXPECT_EQ(string_value("Sample", "Start"), "dword:2");
  EXPECT_EQ(string_value("Sample", "ErrorControl"), "dword:1");
  EXPECT_EQ(string_value("Sample", "ImagePath"), "C:\\Tarvolt\\svc_sample.exe");
  EXPECT_EQ(string_value("Sample", "DisplayName"), "Sample Service");
  EXPECT_EQ(string_value("Sample", "ObjectName"), "LocalSystem");
  EXPECT_EQ(string_value("Sample", "DependOnService"), "multi:RpcSs|Tcpip|");
  SERVICE_STATUS status = status_of(service);
  EXPECT_EQ(status.dwServiceType, DWORD(SERVICE_WIN32_OWN_PROCESS));
  EXPECT_EQ(status.dwCurrentState, DWORD(SERVICE_STOPPED));
  EXPECT_EQ(status.dwControlsAccepted, 0u);
  CloseServiceHandle(service);
}

TEST_F(ServiceDatabaseTest, CreateRefusesTakenAndMalformedNames) {
  SC_HANDLE service = create_sample("Sample", "Sample Service");
  ASSERT_NE(service, nullptr);
  EXPECT_EQ(create_sample("SAMPLE"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_EXISTS));
  EXPECT_EQ(create_sample("Other", "sample service"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DUPLICATE_SERVICE_NAME));
  EXPECT_EQ(create_sample("Other", "rpcss"), nullptr);  // another service's key name
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DUPLICATE_SERVICE_NAME));
  EXPECT_EQ(create_sample(""), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
  EXPECT_EQ(create_sample("a\\b"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_NAME));
  // Services are opened by key name only.
  EXPECT_EQ(OpenServiceA(manager_, "Sample Service", SERVICE_QUERY_STATUS), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_DOES_NOT_EXIST));
  EXPECT_EQ(OpenServiceA(service, "Sample", SERVICE_QUERY_STATUS), nullptr);  // not a manager handle
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  CloseServiceHandle(service);
}

TEST_F(ServiceDatabaseTest, KeyNameFromDisplayNameFollowsTheBufferSizeProtocol) {
  char name[16];
  DWORD size = 3;
  EXPECT_FALSE(GetServiceKeyNameA(manager_, "remote procedure call (rpc)", name, &size));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(size, 5u);
  size = 5;  // no room for the terminating null
  EXPECT_FALSE(GetServiceKeyNameA(manager_, "Remote Procedure Call (RPC)", name, &size));
  size = sizeof name;
  ASSERT_TRUE(GetServiceKeyNameA(manager_, "Remote Procedure Call (RPC)", name, &size));
  EXPECT_STREQ(name, "RpcSs");
  EXPECT_EQ(size, 5u);
  size = sizeof name;
  EXPECT_FALSE(GetServiceKeyNameA(manager_, "RpcSs", name, &size));  // a key name is no display name
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_DOES_NOT_EXIST));
}

TEST_F(ServiceDatabaseTest, ChangeConfigKeepsWhatIsNotChangedAndGuardsDisplayNames) {
  SC_HANDLE first = create_sample("First", "First Service");
  SC_HANDLE second = create_sample("Second", "Second Service");
  ASSERT_TRUE(first && second);
  ASSERT_TRUE(ChangeServiceConfigA(first, SERVICE_NO_CHANGE, SERVICE_AUTO_START, SERVICE_NO_CHANGE, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, "Renamed"));
  EXPECT_EQ(string_value("First", "Start"), "dword:2");
  EXPECT_EQ(string_value("First", "ErrorControl"), "dword:1");
  EXPECT_EQ(string_value("First", "ImagePath"), "C:\\Tarvolt\\svc_sample.exe ");
  EXPECT_EQ(string_value("First", "DisplayName"), "Renamed");
  EXPECT_FALSE(ChangeServiceConfigA(second, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, nullptr,
                                    nullptr, nullptr, nullptr, nullptr, nullptr, "RENAMED"));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_DUPLICATE_SERVICE_NAME));
  // Its own display name in another case is no clash.
  EXPECT_TRUE(ChangeServiceConfigA(second, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, SERVICE_NO_CHANGE, nullptr, nullptr,
                                   nullptr, nullptr, nullptr, nullptr, "SECOND SERVICE"));
  EXPECT_FALSE(ChangeServiceConfigA(second, SERVICE_NO_CHANGE, 9, SERVICE_NO_CHANGE, nullptr, nullptr, nullptr,
                                    nullptr, nullptr, nullptr, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  CloseServiceHandle(first);
  CloseServiceHandle(second);
}

TEST_F(ServiceDatabaseTest, DeletedServiceGoesWhenItsLastHandleCloses) {
  SC_HANDLE service = create_sample("Sample");
  SC_HANDLE other = OpenServiceA(manager_, "Sample", SERVICE_QUERY_STATUS);
  ASSERT_TRUE(service && other);
  SC_HANDLE reader = OpenServiceA(manager_, "Sample", SERVICE_QUERY_STATUS);
  EXPECT_FALSE(DeleteService(reader));  // needs DELETE access
  EXPECT_EQ(GetLastError(), DWORD(ERROR_ACCESS_DENIED));
  CloseServiceHandle(reader);
  ASSERT_TRUE(DeleteService(service));
  EXPECT_FALSE(DeleteService(service));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_MARKED_FOR_DELETE));
  EXPECT_EQ(create_sample("Sample"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_MARKED_FOR_DELETE));
  EXPECT_FALSE(StartServiceA(service, 0, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_MARKED_FOR_DELETE));
  CloseServiceHandle(service);
  EXPECT_TRUE(key_exists("Sample"));  // `other` still holds it
  CloseServiceHandle(other);
  EXPECT_FALSE(key_exists("Sample"));
  EXPECT_EQ(OpenServiceA(manager_, "Sample", SERVICE_QUERY_STATUS), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_SERVICE_DOES_NOT_EXIST));
  SC_HANDLE again = create_sample("Sample");  // the name is free again
  EXPECT_NE(again, nullptr);
  EXPECT_EQ(status_of(again).dwCurrentState, DWORD(SERVICE_STOPPED));
  CloseServiceHandle(again);
}

}  // namespace
}  // namespace service_testing
