// The configuration wizard in a fresh machine: Mardell runs as a real process, to its end or in
// the background while the test drives its windows through the desktop's automation channel.
// What the user would see is checked: the console, "unattended.log", message boxes, windows,
// controls and screenshots.
#pragma once

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "kernel/machine.h"
#include "scenarios/phone_book_tools_fixture.h"
#include "support/desktop_driver.h"

namespace mardell_testing {

namespace fs = std::filesystem;

const char kSheetCaption[] = "VPN Configuration Wizard";
const char kPasswordCaption[] = "Enter the installation password";

// The sheet's buttons.
const char kBack[] = "12323";
const char kNext[] = "12324";
const char kFinish[] = "12325";

using phone_book_tools_testing::Put;
using testing_support::Blue;
using testing_support::Control;
using testing_support::Green;
using testing_support::Near;
using testing_support::Picture;
using testing_support::Red;
using testing_support::U;
using testing_support::u16;
using testing_support::u8;
using testing_support::W;
using testing_support::Window;

// The colours of the wizard's pictures: the blue of the titles, the green of the ticks, the red of
// the crosses.
inline bool TitleBlue(uint32_t c) { return Near(c, 0, 102, 204, 40) && Blue(c) > Red(c) + 100; }
inline bool TickGreen(uint32_t c) { return Near(c, 0, 150, 60, 50) && Green(c) > Red(c) + 60; }
inline bool CrossRed(uint32_t c) { return Near(c, 210, 30, 30, 50) && Red(c) > Green(c) + 100; }

class MardellTest : public phone_book_tools_testing::PhoneBookToolsTest, public testing_support::DesktopDriver {
 protected:
  void SetUp() override {
    PhoneBookToolsTest::SetUp();
    // Boxes wait for the test to answer them.
    platform::machine::set_config("desktop.box_timeout_ms", "600000");
  }
  void TearDown() override {
    // A window a failed test left open must not keep the wizard from ending.
    if (background_.running()) {
      for (const Window& window : windows())
        if (window.program == "mardell.exe") close_window(window.hwnd);
      background_exit_code();
    }
    PhoneBookToolsTest::TearDown();
  }

  fs::path program_folder() const { return root_ / "drive_c" / "Tarvolt"; }
  static std::string file_bytes(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
  }
  std::string unattended_log() const { return file_bytes(program_folder() / "unattended.log"); }

  // The wizard in the background; its console output goes to a file of the test.
  void start_mardell(const std::vector<std::string>& extra) {
    ASSERT_FALSE(background_.running()) << "one wizard at a time";
    console_file_ = root_ / "mardell_console.txt";
    ASSERT_TRUE(background_.start("mardell.exe", extra, console_file_));
  }
  int background_exit_code() { return background_.exit_code(); }
  std::string background_console() const { return file_bytes(console_file_); }

  // The page title that shows, which names the active page.
  std::string active_title(const std::string& sheet) {
    std::optional<Control> title = visible_control(sheet, "1043");
    return title ? title->text : "";
  }
  bool wait_for_title(const std::string& sheet, const std::string& title) {
    return wait_until([&] { return active_title(sheet) == title; });
  }

 private:
  testing_support::BackgroundRun background_;
  fs::path console_file_;
};

}  // namespace mardell_testing
