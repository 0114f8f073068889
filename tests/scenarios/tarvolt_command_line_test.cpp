// Tarvolt's command line as an administrator uses it: real processes in a fresh machine, seen
// through the machine tool.
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>

#include "support/winsim_fixture.h"

namespace {

namespace fs = std::filesystem;

class TarvoltCommandLine : public testing_support::WinsimTest {
 protected:
  void SetUp() override {
    WinsimTest::SetUp();
    auto installed = winsim({"install", testing_support::bin_dir().parent_path().string()});
    ASSERT_EQ(installed.exit_code, 0) << installed.err;
  }
  std::string file(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
  }
  const std::string key_ = "HKLM\\SYSTEM\\CurrentControlSet\\Services\\Halvorn";
};

bool has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(TarvoltCommandLine, InstallsHalvornWithItsSettings) {
  auto run = winsim({"run", "tarvolt.exe", "-i", "-ip", "10.1.2.3", "-r", "192.168.0.1", "-r", "192.168.1.1"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "");

  auto sc = winsim({"sc", "query", "Halvorn"});
  EXPECT_EQ(sc.exit_code, 0);
  EXPECT_TRUE(has(sc.out, "TYPE               : 10  WIN32_OWN_PROCESS")) << sc.out;
  EXPECT_TRUE(has(sc.out, "STATE              : 1  STOPPED")) << sc.out;

  auto key = winsim({"reg", "query", key_});
  EXPECT_TRUE(has(key.out, "    Start    REG_DWORD    0x2\n")) << key.out;
  EXPECT_TRUE(has(key.out, "    ErrorControl    REG_DWORD    0x1\n")) << key.out;
  EXPECT_TRUE(has(key.out, "    ImagePath    REG_EXPAND_SZ    C:\\Tarvolt\\tarvolt.exe\n")) << key.out;
  EXPECT_TRUE(has(key.out, "    DependOnService    REG_MULTI_SZ    RpcSs\n")) << key.out;
  EXPECT_TRUE(has(key.out, "    ObjectName    REG_SZ    LocalSystem\n")) << key.out;
  EXPECT_TRUE(has(key.out, "    GenerateLog    REG_BINARY    01\n")) << key.out;
  EXPECT_TRUE(has(key.out, "    GatewayCount    REG_BINARY    02\n")) << key.out;
  auto gateways = winsim({"reg", "query", key_ + "\\Gateways"});
  EXPECT_TRUE(has(gateways.out, "    Gateway_IP1    REG_BINARY    C0A80001\n")) << gateways.out;
  EXPECT_TRUE(has(gateways.out, "    Gateway_IP2    REG_BINARY    C0A80101\n")) << gateways.out;
  for (const char* network : {"\\AUTO-A", "\\AUTO-B"}) {
    auto required = winsim({"reg", "query", key_ + network, "/v", "Required_IP"});
    EXPECT_TRUE(has(required.out, "    Required_IP    REG_BINARY    0A010203\n")) << required.out;
  }

  std::string log = file(root_ / "drive_c/Tarvolt/Tarvolt.txt");
  EXPECT_TRUE(std::regex_search(
      log, std::regex("^\\d{4}-\\d{2}-\\d{2}, \\d{2}:\\d{2}:\\d{2}\\.0\\d{1,3}\t: "
                      "Tarvolt service has been installed successfully\r\n")))
      << log;

  // -d stops and removes it; its key goes with it.
  EXPECT_EQ(winsim({"run", "tarvolt.exe", "-d"}).exit_code, 0);
  EXPECT_TRUE(has(winsim({"sc", "query", "Halvorn"}).out, "OpenService FAILED 1060:"));
  EXPECT_NE(winsim({"reg", "query", key_}).exit_code, 0);
}

TEST_F(TarvoltCommandLine, AProgramFolderWithBlanksIsRegisteredUnquoted) {
  fs::path folder = root_ / "drive_c/Program Files/Tarvolt";
  fs::create_directories(folder);
  fs::copy_file(root_ / "drive_c/Tarvolt/tarvolt.exe", folder / "tarvolt.exe");
  EXPECT_EQ(winsim({"run", "C:\\Program Files\\Tarvolt\\tarvolt.exe", "-i", "-u", "svc", "pw", "-l", "2"}).exit_code,
            0);
  auto key = winsim({"reg", "query", key_});
  EXPECT_TRUE(has(key.out, "    ImagePath    REG_EXPAND_SZ    C:\\Program Files\\Tarvolt\\tarvolt.exe\n")) << key.out;
  EXPECT_TRUE(has(key.out, "    ObjectName    REG_SZ    .\\svc\n")) << key.out;
  // The log lies beside the program that wrote it.
  EXPECT_TRUE(has(file(folder / "Tarvolt.txt"), "\t: Setting up Registry for required IP.\r\n"));
}

TEST_F(TarvoltCommandLine, WithoutArgumentsOutsideTheServiceManagerItEndsAtOnce) {
  auto run = winsim({"run", "tarvolt.exe"});
  EXPECT_EQ(run.exit_code, 0);
  EXPECT_EQ(run.out, "");
  EXPECT_TRUE(has(winsim({"sc", "query", "Halvorn"}).out, "OpenService FAILED 1060:"));
  // The logger starts (the level of a missing key is 1) but has no line of that level to write.
  fs::path log = root_ / "drive_c/Tarvolt/Tarvolt.txt";
  EXPECT_TRUE(!fs::exists(log) || fs::file_size(log) == 0);
}

}  // namespace
