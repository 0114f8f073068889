// The installation batch file byte for byte, in the current directory of a fresh machine, and
// the connection test that ends the wait for the installed service.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "any_connection.h"
#include "install_batch.h"
#include "install_thread.h"
#include "ras/dial_fixture.h"
#include "support/machine_fixture.h"

namespace {

namespace fs = std::filesystem;

const std::string kTarvoltLine = "Tarvolt -i  -ip 10.8.0.2 -r 192.168.1.2 -r 192.168.1.3\r\n";
const std::string kNetStartLine = "net start halvorn\r\n";

class InstallBatchTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    folder_ = root_ / "drive_c" / "Program Folder";
    fs::create_directories(folder_);
    ASSERT_TRUE(GetCurrentDirectoryW(MAX_PATH, saved_));
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Program Folder"));
  }
  void TearDown() override {
    SetCurrentDirectoryW(saved_);
    MachineTest::TearDown();
  }

  // Three servers, a key, the remote gateway, a required IP with blanks around it and the first
  // and third routers.
  static InstallSettings Settings() {
    InstallSettings settings;
    settings.strServers[0] = L"vpn1.example.net";
    settings.strServers[1] = L"vpn2.example.net";
    settings.strServers[2] = L"vpn3.example.net";
    settings.strUser = L"alice";
    settings.strPassword = L"secret";
    settings.strPreSharedKey = L"psk";
    settings.strRouters[0] = L"192.168.1.2";
    settings.strRouters[1] = L"0.0.0.0";
    settings.strRouters[2] = L"192.168.1.3";
    settings.strRequiredIp = L" 10.8.0.2 ";
    return settings;
  }
  static std::string PardexLine(const char* entry, const char* server, const char* tail) {
    return std::string("pardex.exe -n ") + entry + " -s " + server + " -u alice -p " + tail + "\r\n";
  }
  // The full file of the first server alone; tail: the password and what follows it.
  static std::string FirstServerFile(const char* tail) {
    return "sornet.exe AUTO-A\r\n" + PardexLine("AUTO-A0", "vpn1.example.net", tail) + kTarvoltLine + kNetStartLine;
  }
  // Settings() with the first server alone and without the remote gateway.
  static InstallSettings FirstServerSettings() {
    InstallSettings settings = Settings();
    settings.strServers[1].Empty();
    settings.strServers[2].Empty();
    settings.bNoRemoteGateway = true;
    return settings;
  }
  // The file that the record gives.
  std::string Write(InstallSettings settings, bool bShort = false) {
    EXPECT_TRUE(WriteInstallBatch(settings, bShort));
    return Read();
  }
  std::string Read() {
    std::ifstream file(folder_ / "installservice.bat", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }

  fs::path folder_;
  WCHAR saved_[MAX_PATH] = {};
};

TEST_F(InstallBatchTest, FullAndShortFile) {
  const std::string full = "sornet.exe AUTO-A\r\n" +
                           PardexLine("AUTO-A0", "vpn1.example.net", "secret -k psk") +
                           PardexLine("AUTO-A1", "vpn2.example.net", "secret -k psk") +
                           PardexLine("AUTO-A2", "vpn3.example.net", "secret -k psk");
  InstallSettings settings = Settings();
  settings.bNoRemoteGateway = true;
  EXPECT_EQ(Write(settings), full + kTarvoltLine + kNetStartLine);

  // The rewrite truncates the file to the lines without secrets.
  EXPECT_EQ(Write(settings, true), kTarvoltLine + kNetStartLine);

  // The remote gateway ends each Pardex line in a blank.
  settings.bNoRemoteGateway = false;
  std::string withGateway = Write(settings);
  EXPECT_EQ(withGateway.substr(0, withGateway.find("\r\n", 20) + 2),
            "sornet.exe AUTO-A\r\n" + PardexLine("AUTO-A0", "vpn1.example.net", "secret -k psk -rg "));
}

TEST_F(InstallBatchTest, SecretsAreEscapedForCmdAndQuotedWhenTheyHoldBlanks) {
  InstallSettings settings = FirstServerSettings();
  settings.strPassword = L"a^b%c&d+e";
  settings.strPreSharedKey = L"k|<>";
  EXPECT_EQ(Write(settings), FirstServerFile("a^^b%%c^&d^+e -k k^|^<^>"));

  settings.strPassword = L"pass word";
  settings.strPreSharedKey = L"";
  EXPECT_EQ(Write(settings), FirstServerFile("\"pass word\"")) << "an empty key gives no -k";

  settings.strPassword = L"secret";
  settings.strPreSharedKey = L"  ";
  EXPECT_EQ(Write(settings), FirstServerFile("secret -k \"  \"")) << "a key of blanks is a key";
}

TEST_F(InstallBatchTest, OnlyServersOfMoreThanThreeCharactersGetAnEntry) {
  InstallSettings settings = Settings();
  settings.bNoRemoteGateway = true;
  settings.strPreSharedKey.Empty();
  const std::string head = "sornet.exe AUTO-A\r\n" + PardexLine("AUTO-A0", "vpn1.example.net", "secret");
  const std::string tail = kTarvoltLine + kNetStartLine;

  settings.strServers[1] = L"a.b";
  settings.strServers[2] = L" a.b ";
  EXPECT_EQ(Write(settings), head + tail);

  settings.strServers[1] = L"  vpn2.example.net\t";
  settings.strServers[2].Empty();
  EXPECT_EQ(Write(settings), head + PardexLine("AUTO-A1", "vpn2.example.net", "secret") + tail)
      << "the server is trimmed";

  // The third server keeps its entry name without the second.
  settings.strServers[1].Empty();
  settings.strServers[2] = L"vpn3.example.net";
  EXPECT_EQ(Write(settings), head + PardexLine("AUTO-A2", "vpn3.example.net", "secret") + tail);
}

TEST_F(InstallBatchTest, TarvoltLineTakesTheRequiredIpAndTheSetRouters) {
  InstallSettings settings = Settings();
  settings.strRequiredIp.Empty();
  for (CString& strRouter : settings.strRouters) strRouter = L"0.0.0.0";
  EXPECT_EQ(Write(settings, true), "Tarvolt -i \r\n" + kNetStartLine);

  settings.strRouters[1] = L"192.168.1.2";
  EXPECT_EQ(Write(settings, true), "Tarvolt -i  -r 192.168.1.2\r\n" + kNetStartLine);

  settings.strRequiredIp = L"   ";
  EXPECT_EQ(Write(settings, true), "Tarvolt -i  -r 192.168.1.2\r\n" + kNetStartLine)
      << "a required IP of blanks is none";
}

TEST_F(InstallBatchTest, CharactersAreSingleBytesAndOthersRefuseTheWrite) {
  InstallSettings settings = FirstServerSettings();
  settings.strPreSharedKey.Empty();
  settings.strPassword = L"caf\u00e9";
  EXPECT_EQ(Write(settings), FirstServerFile("caf\xe9"));

  // A character without a byte: the earlier file stays as it was rather than holding a wrong
  // password.
  settings.strPassword = L"\u20ac100";
  EXPECT_FALSE(WriteInstallBatch(settings, false));
  EXPECT_EQ(Read(), FirstServerFile("caf\xe9"));
}

TEST_F(InstallBatchTest, AFileThatCannotBeOpenedIsReported) {
  fs::create_directory(folder_ / "installservice.bat");
  InstallSettings settings = Settings();
  EXPECT_FALSE(WriteInstallBatch(settings, false));
  EXPECT_FALSE(WriteInstallBatch(settings, true));
}

TEST_F(InstallBatchTest, AnUnwrittenFileIsReportedAndNothingElseHappens) {
  fs::create_directory(folder_ / "installservice.bat");
  std::ofstream(folder_ / "Tarvolt.txt", std::ios::binary) << "log of the earlier run\r\n";
  HWND hPage = CreateWindowExW(0, L"Static", L"page", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
  ASSERT_NE(hPage, nullptr);
  InstallSettings* pSettings = new InstallSettings(Settings());
  pSettings->hPage = hPage;
  EXPECT_EQ(InstallThread(pSettings), 0u);

  MSG msg;
  ASSERT_TRUE(PeekMessageW(&msg, hPage, WM_INSTALL_PROGRESS, WM_INSTALL_PROGRESS, PM_REMOVE));
  EXPECT_EQ(msg.wParam, WPARAM(InstallBatchWritten));
  EXPECT_EQ(msg.lParam, 0);
  EXPECT_FALSE(PeekMessageW(&msg, hPage, WM_INSTALL_PROGRESS, WM_INSTALL_PROGRESS, PM_REMOVE)) << "no start";
  EXPECT_TRUE(fs::exists(folder_ / "Tarvolt.txt")) << "the log of the earlier run stays";
  DestroyWindow(hPage);
}

using AnyConnectionTest = ras_testing::RasDialTest;

TEST_F(AnyConnectionTest, SeesAnyConnectionOfTheMachine) {
  EXPECT_FALSE(IsAnyConnectionActive());

  add_entry(u"Office", u"vpn1.example.net");
  HRASCONN connection = nullptr;
  ASSERT_EQ(dial(u"Office", &connection), DWORD(ERROR_SUCCESS));
  EXPECT_TRUE(IsAnyConnectionActive()) << "not only the AUTO-A entries count";

  // More connections than the first listing's buffer holds.
  const char16_t* const names[] = {u"AUTO-A0", u"AUTO-B0"};
  for (const char16_t* name : names) {
    add_entry(name, u"vpn2.example.net");
    HRASCONN more = nullptr;
    ASSERT_EQ(dial(name, &more), DWORD(ERROR_SUCCESS));
  }
  std::vector<BYTE> buffer;
  DWORD dwCount = 0;
  EXPECT_EQ(ListRasConnections(buffer, dwCount), DWORD(ERROR_SUCCESS));
  EXPECT_EQ(dwCount, 3u);
  EXPECT_GE(buffer.size(), size_t(3) * kRasConnRecordSize);
  EXPECT_TRUE(IsAnyConnectionActive());
}

}  // namespace
