// The updater Zolvane in a fresh machine: it runs as a real process from the program folder while
// the test drives its dialog through the desktop's automation channel. What a user would see is
// checked: the list, the controls' texts, message boxes (answered at once by their default
// button, read from the desktop log), the files of the program folder with their times, the
// service's state and its settings.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "machine/clock.h"
#include "machine/desktop_log.h"
#include "scenarios/install_road_fixture.h"

namespace zolvane_testing {

namespace fs = std::filesystem;
using Clock = std::chrono::system_clock;
using platform::desktop::LoggedBox;
using testing_support::Control;
using testing_support::Picture;
using testing_support::Window;

const char kDialogCaption[] = "Zolvane";
const char kAboutCaption[] = "About Zolvane";
const char kProgram[] = "zolvane.exe";
const char kServiceKey[] = "HKLM\\SYSTEM\\CurrentControlSet\\Services\\Halvorn";

// The dialog's controls.
const char kDownloadLatest[] = "1000";
const char kDownloadSpecified[] = "1001";
const char kUseSelected[] = "1003";
const char kVersionDate[] = "1004";
const char kVersionList[] = "1007";
const char kPurchaseLink[] = "1008";
const char kCurrentVersion[] = "1010";

// One line of the archive list.
struct Item {
  std::string text;
  bool selected = false;
  bool operator==(const Item&) const = default;
};
inline std::ostream& operator<<(std::ostream& out, const Item& item) {
  return out << '"' << item.text << '"' << (item.selected ? " (selected)" : "");
}

inline Clock::time_point Utc(int y, unsigned m, unsigned d, int hh, int mm, int ss) {
  using namespace std::chrono;
  return sys_days{year{y} / month{m} / day{d}} + hours{hh} + minutes{mm} + seconds{ss};
}

inline std::string Upper(std::string s) {
  for (char& c : s) c = char(std::toupper(static_cast<unsigned char>(c)));
  return s;
}

class ZolvaneTest : public install_road_testing::InstallRoadTest {
 protected:
  void SetUp() override {
    InstallRoadTest::SetUp();
    answer_boxes_at_once();
  }
  void TearDown() override {
    // A dialog (or About box) a failed test left open must not keep the updater from ending.
    if (zolvane_.running()) {
      wait_until([&] {
        std::vector<Window> open = zolvane_windows();
        for (const Window& window : open) close_window(window.hwnd);
        return open.empty();
      });
      zolvane_.exit_code();
    }
    InstallRoadTest::TearDown();
  }

  // A fresh machine with this clock and time zone, the programs installed.
  void fresh_machine(double scale, int tz_bias_minutes) {
    recreate(platform::machine::Options{scale, tz_bias_minutes});
    auto installed = winsim({"install", testing_support::bin_dir().parent_path().string()});
    ASSERT_EQ(installed.exit_code, 0) << installed.err;
    answer_boxes_at_once();
  }
  // Every box takes its default button at once; the test reads what it said from the log.
  static void answer_boxes_at_once() { platform::machine::set_config("desktop.box_timeout_ms", "0"); }

  // The wizard's installation road: its batch file replaces the entries of network A, installs
  // Halvorn and starts it, and the service connects.
  void install_halvorn() {
    write_install_batch({"sornet.exe AUTO-A", pardex_line(0, "vpn1.example.net", "alice", "secret"),
                         pardex_line(1, "vpn2.example.net", "alice", "secret"), "Tarvolt -i  -r 192.168.1.2",
                         "net start halvorn"});
    start_install_batch();
    ASSERT_FALSE(wait_for_connection_of({"AUTO-A0", "AUTO-A1"}).empty()) << "the service never connected";
    ASSERT_EQ(service_state(), DWORD(SERVICE_RUNNING));
  }
  // The service's key with every value and subkey, as `reg query /s` prints it.
  std::string service_settings() { return winsim({"reg", "query", kServiceKey, "/s"}).out; }
  std::string sc_state() {
    std::string out = winsim({"sc", "query", "Halvorn"}).out;
    size_t at = out.find("STATE");
    return at == std::string::npos ? out : out.substr(at, out.find('\n', at) - at);
  }

  // Zolvane started from the program folder (its current directory), its dialog shown.
  void start_zolvane() {
    ASSERT_TRUE(zolvane_.start(kProgram, {}));
    dialog_ = wait_for(kDialogCaption);
    ASSERT_FALSE(dialog_.empty()) << "no dialog \"" << kDialogCaption << "\"";
  }
  std::vector<Window> zolvane_windows() {
    std::vector<Window> found;
    for (const Window& window : windows())
      if (Upper(window.program) == Upper(kProgram)) found.push_back(window);
    return found;
  }
  bool dialog_open() { return !wait_for(kDialogCaption, "0").empty(); }
  // Waits until the updater has ended by itself: its exit code, -1 while a window stays.
  int wait_for_zolvane_end() {
    if (!wait_until([&] { return zolvane_windows().empty(); })) return -1;
    return zolvane_.exit_code();
  }

  std::string text_of(const std::string& id) {
    std::optional<Control> control = visible_control(dialog_, id);
    return control ? control->text : "<no control " + id + ">";
  }
  bool enabled(const std::string& id) {
    std::optional<Control> control = visible_control(dialog_, id);
    return control && control->enabled;
  }
  // The archive list, top first.
  std::vector<Item> items() {
    std::vector<Item> result;
    std::istringstream lines(desktop({"items", dialog_, kVersionList}).out);
    for (std::string line; std::getline(lines, line);) {
      size_t first = line.find('\t'), last = line.rfind('\t');
      if (first == std::string::npos || last == first) continue;
      result.push_back({line.substr(first + 1, last - first - 1), line.substr(last + 1) == "1"});
    }
    return result;
  }

  // The message boxes the updater showed so far.
  std::vector<LoggedBox> zolvane_boxes() {
    std::vector<LoggedBox> found;
    for (const LoggedBox& box : platform::desktop::logged_boxes())
      if (Upper(box.program) == Upper(kProgram)) found.push_back(box);
    return found;
  }
  // Clicks the button and waits for the first box of the updater's own that follows (a box of
  // the shell's error display does not count); an empty box, and a failure, when none shows.
  LoggedBox click_for_box(const std::string& id) {
    size_t before = zolvane_boxes().size();
    EXPECT_TRUE(click(dialog_, id)) << "click " << id;
    LoggedBox shown;
    bool found = wait_until([&] {
      std::vector<LoggedBox> boxes = zolvane_boxes();
      for (size_t i = before; i < boxes.size(); ++i) {
        if (!IsUpdaterCaption(boxes[i].caption)) continue;
        shown = boxes[i];
        return true;
      }
      return false;
    });
    EXPECT_TRUE(found) << "no box after clicking " << id;
    return shown;
  }
  static bool ShowsStopIcon(const LoggedBox& box) { return (box.style & MB_ICONMASK) == MB_ICONSTOP; }

  // The program folder's file of that name in any case (Windows names compare so), or the
  // plain path when there is none.
  fs::path in_program_folder(const std::string& name) const {
    for (const auto& item : fs::directory_iterator(program_folder()))
      if (Upper(item.path().filename().string()) == Upper(name)) return item.path();
    return program_folder() / name;
  }
  int files_named(const std::string& name) const {
    int n = 0;
    for (const auto& item : fs::directory_iterator(program_folder()))
      n += Upper(item.path().filename().string()) == Upper(name) ? 1 : 0;
    return n;
  }
  // Last-write times to the second, as the updater compares them.
  static Clock::time_point write_time(const fs::path& file) {
    return std::chrono::floor<std::chrono::seconds>(std::chrono::file_clock::to_sys(fs::last_write_time(file)));
  }
  static void set_write_time(const fs::path& file, Clock::time_point when) {
    fs::last_write_time(file, std::chrono::file_clock::from_sys(when));
  }
  // A copy of the installed program under an archive's name, with its own write time. Its name
  // follows the program's bytes, which tells the archive from the program and keeps it runnable.
  fs::path put_archive(const std::string& name, Clock::time_point written) {
    fs::path archive = program_folder() / name;
    fs::copy_file(in_program_folder("tarvolt.exe"), archive, fs::copy_options::overwrite_existing);
    std::ofstream(archive, std::ios::binary | std::ios::app) << "\n" << name;
    set_write_time(archive, written);
    return archive;
  }

  testing_support::BackgroundRun zolvane_;
  std::string dialog_;

 private:
  // The captions of the updater's boxes: its own ones and the application's name.
  static bool IsUpdaterCaption(const std::string& caption) {
    for (const char* own : {"Success", "Error", "Download successful", "Downloading Error"})
      if (caption == own) return true;
    return Upper(caption) == "ZOLVANE";
  }
};

}  // namespace zolvane_testing
