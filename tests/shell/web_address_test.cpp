// ShellExecute of a web address: the machine runs no browser, so the address is recorded for the
// machine's user (`winsim desktop opened` lists it) and the call succeeds without a process.
#include <shellapi.h>

#include "machine/opened_targets.h"
#include "shell_fixture.h"

namespace {

using shell_testing::ShellTest;

int result_of(HINSTANCE h) { return static_cast<int>(reinterpret_cast<INT_PTR>(h)); }

std::vector<std::string> opened_addresses() {
  std::vector<std::string> targets;
  for (const auto& opened : platform::desktop::opened_targets()) targets.push_back(opened.target);
  return targets;
}

TEST_F(ShellTest, WebAddressesAreRecordedInPlaceOfABrowser) {
  EXPECT_GT(result_of(ShellExecuteW(nullptr, L"open", L"http://www.example.net/buy-vpn", nullptr, nullptr,
                                    SW_SHOWNORMAL)),
            32);
  // No verb is "open"; the scheme is case-insensitive; no process comes back.
  SHELLEXECUTEINFOW info{};
  info.cbSize = sizeof info;
  info.fMask = SEE_MASK_NOCLOSEPROCESS;
  info.lpFile = L"HTTPS://www.example.net/shop?plan=2";
  info.nShow = SW_SHOWNORMAL;
  ASSERT_TRUE(ShellExecuteExW(&info));
  EXPECT_GT(result_of(info.hInstApp), 32);
  EXPECT_EQ(info.hProcess, nullptr);
  EXPECT_GT(result_of(ShellExecuteA(nullptr, nullptr, "https://www.example.net/caf\xE9", nullptr, nullptr,
                                    SW_SHOWNORMAL)),
            32);

  // Another verb has no association, and a name that only begins like an address is a file.
  EXPECT_EQ(result_of(ShellExecuteW(nullptr, L"print", L"http://www.example.net/", nullptr, nullptr, SW_SHOWNORMAL)),
            SE_ERR_NOASSOC);
  EXPECT_EQ(result_of(ShellExecuteW(nullptr, L"open", L"http.exe", nullptr, nullptr, SW_SHOWNORMAL)), SE_ERR_FNF);

  std::vector<std::string> expected{"http://www.example.net/buy-vpn", "HTTPS://www.example.net/shop?plan=2",
                                    "https://www.example.net/caf\xC3\xA9"};
  EXPECT_EQ(opened_addresses(), expected);
  for (const auto& opened : platform::desktop::opened_targets()) {
    EXPECT_EQ(opened.pid, GetCurrentProcessId());
    EXPECT_FALSE(opened.program.empty());
  }

  // The machine tool lists them, one a line, after the time and the program.
  std::istringstream lines(winsim({"desktop", "opened"}).out);
  std::vector<std::string> listed;
  for (std::string line; std::getline(lines, line);) listed.push_back(line.substr(line.rfind("  ") + 2));
  EXPECT_EQ(listed, expected);
}

}  // namespace
