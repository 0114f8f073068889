// The installation road in a fresh machine: the batch file that runs Sornet, Pardex, Tarvolt and
// "net start", started as the wizard starts it, and what it leaves behind: the entries of
// network A with their credentials, the service Halvorn with its settings, a live connection.
#pragma once

#include <windows.h>
#include <shellapi.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>
#include <vector>

#include "scenarios/mardell_fixture.h"
#include "support/batch_argument.h"

namespace install_road_testing {

namespace fs = std::filesystem;

using testing_support::BatchArgument;

class InstallRoadTest : public mardell_testing::MardellTest {
 protected:
  // A fresh machine whose clock runs `scale` times faster. Where the service must connect within
  // the wizard's 120 machine seconds, a slow clock keeps the real time that starting its
  // processes takes on a loaded host from eating that wait.
  void use_clock_scale(double scale) {
    recreate(platform::machine::Options{scale, 0});
    auto installed = winsim({"install", testing_support::bin_dir().parent_path().string()});
    ASSERT_EQ(installed.exit_code, 0) << installed.err;
    platform::machine::set_config("desktop.box_timeout_ms", "600000");
  }
  // The wizard from a console, to its end: its exit code.
  int run_mardell(const std::vector<std::string>& args) {
    start_mardell(args);
    return background_exit_code();
  }
  void TearDown() override {
    // A service a test left running ends before its machine goes.
    if (service_state() != SERVICE_STOPPED && service_state() != 0) winsim({"net", "stop", "Halvorn"});
    MardellTest::TearDown();
  }

  // The Pardex line of one entry of network A, as the wizard writes it.
  static std::string pardex_line(int digit, const std::string& server, const std::string& user,
                                 const std::string& password) {
    return "pardex.exe -n AUTO-A" + std::to_string(digit) + " -s " + server + " -u " + user + " -p " +
           BatchArgument(password);
  }
  // "installservice.bat" in the program folder: 8-bit lines ending in CR LF.
  void write_install_batch(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) bytes += line + "\r\n";
    std::ofstream(program_folder() / "installservice.bat", std::ios::binary) << bytes;
  }
  // As the wizard starts it: from the program folder, hidden, without waiting.
  void start_install_batch() {
    ASSERT_TRUE(SetCurrentDirectoryW(L"C:\\Tarvolt"));
    HINSTANCE result = ShellExecuteW(nullptr, L"open", L"installservice.bat", L"", L".", SW_HIDE);
    ASSERT_GT(reinterpret_cast<INT_PTR>(result), 32);
  }

  DWORD service_state() {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    SC_HANDLE service = manager ? OpenServiceA(manager, "Halvorn", SERVICE_QUERY_STATUS) : nullptr;
    SERVICE_STATUS status{};
    BOOL queried = service && QueryServiceStatus(service, &status);
    if (service) CloseServiceHandle(service);
    if (manager) CloseServiceHandle(manager);
    return queried ? status.dwCurrentState : 0;
  }
  // A binary value under the service's key, as hex digits ("C0A80102"), or "absent".
  std::string setting(const std::string& subkey, const std::string& name) {
    std::string path = "SYSTEM\\CurrentControlSet\\Services\\Halvorn" + (subkey.empty() ? "" : "\\" + subkey);
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "absent";
    BYTE data[64];
    DWORD size = sizeof data, type = 0;
    LSTATUS status = RegQueryValueExA(key, name.c_str(), nullptr, &type, data, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || type != REG_BINARY) return "absent";
    std::string hex;
    for (DWORD i = 0; i < size; ++i) {
      char digits[3];
      std::snprintf(digits, sizeof digits, "%02X", unsigned(data[i]));
      hex += digits;
    }
    return hex;
  }

  // Waits for a live connection of one of the entries; its name, or empty after a loaded host's
  // bound of real time.
  std::string wait_for_connection_of(const std::vector<std::string>& entries, int seconds = 120) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
      for (const std::string& name : connections())
        if (std::find(entries.begin(), entries.end(), name) != entries.end()) return name;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return {};
  }
  bool wait_for_service_state(DWORD wanted, int seconds = 60) {
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (service_state() != wanted) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
    return true;
  }

  // Every file under the machine's drive whose bytes hold `secret` (8-bit or 16-bit), relative;
  // the programs themselves, which the road only runs, are left out (they carry the default
  // world's texts).
  std::vector<std::string> files_holding(const std::string& secret) {
    std::string wide;
    for (char c : secret) wide += std::string{c, '\0'};
    std::vector<std::string> found;
    for (const auto& item : fs::recursive_directory_iterator(root_ / "drive_c")) {
      if (!item.is_regular_file() || item.path().extension() == ".exe") continue;
      std::ifstream in(item.path(), std::ios::binary);
      std::string bytes(size_t(item.file_size()), '\0');
      in.read(bytes.data(), std::streamsize(bytes.size()));
      if (bytes.find(secret) != std::string::npos || bytes.find(wide) != std::string::npos)
        found.push_back(fs::relative(item.path(), root_ / "drive_c").string());
    }
    return found;
  }
};

}  // namespace install_road_testing
