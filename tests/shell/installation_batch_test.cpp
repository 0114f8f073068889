// The wizard's installation batch file run end to end in a machine: Sornet clears network A,
// Pardex makes the entries with the escaped credentials, Tarvolt installs the service with its
// settings and "net start" starts it.
#include <shellapi.h>

#include "shell_fixture.h"

namespace {

using shell_testing::ShellTest;

class InstallationBatchTest : public ShellTest {
 protected:
  void TearDown() override {
    winsim({"net", "stop", "Halvorn"});
    ShellTest::TearDown();
  }
  std::string entries() { return winsim({"ras", "entries"}).out; }
  // Waits until the service's dial shows as a connection of `entry`.
  bool connected(const std::string& entry) {
    for (int i = 0; i < 600; ++i) {
      if (winsim({"ras", "connections"}).out.find(entry) != std::string::npos) return true;
      Sleep(100);
    }
    return false;
  }
};

TEST_F(InstallationBatchTest, InstallationLinesRunFromShellExecute) {
  ASSERT_EQ(winsim({"run", "pardex.exe", "-n", "AUTO-A5", "-s", "old.example.net", "-u", "bob", "-p", "x"}).exit_code,
            0);
  ASSERT_NE(entries().find("AUTO-A5"), std::string::npos);
  // The account takes the password only as the batch file's escapes give it back.
  ASSERT_EQ(winsim({"world", "set", "account", "vpn1.example.net", "carol", "s^e%c&r+e|t"}).exit_code, 0);
  write("Tarvolt/installservice.bat",
        "sornet.exe AUTO-A\r\n"
        "pardex.exe -n AUTO-A0 -s vpn1.example.net -u carol -p s^^e%%c^&r^+e^|t\r\n"
        "pardex.exe -n AUTO-A1 -s vpn2.example.net -u alice -p secret -rg \r\n"
        "Tarvolt -i  -ip 10.8.0.2 -r 192.168.1.2\r\n"
        "net start halvorn\r\n");
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpVerb = L"open";
  info.lpFile = L"installservice.bat";
  info.lpParameters = L"";
  info.lpDirectory = L".";
  info.nShow = SW_HIDE;
  ASSERT_TRUE(ShellExecuteExW(&info));
  ASSERT_EQ(WaitForSingleObject(info.hProcess, 120000), WAIT_OBJECT_0);
  DWORD code = 1;
  GetExitCodeProcess(info.hProcess, &code);
  CloseHandle(info.hProcess);
  EXPECT_EQ(code, 0u);  // the last line's: net start succeeded

  std::string made = entries();
  EXPECT_EQ(made.find("AUTO-A5"), std::string::npos) << made;
  EXPECT_NE(made.find("AUTO-A1"), std::string::npos) << made;
  auto service = winsim({"sc", "query", "Halvorn"});
  EXPECT_NE(service.out.find("RUNNING"), std::string::npos) << service.out;
  EXPECT_TRUE(connected("AUTO-A0"));
}

}  // namespace
