// The configuration wizard in a fresh machine: Mardell runs as a real process, to its end or in
// the background while the test drives its windows through the desktop's automation channel.
// What the user would see is checked: the console, "unattended.log", message boxes, windows,
// controls and screenshots.
#pragma once

#include <cairo.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "kernel/machine.h"
#include "scenarios/phone_book_tools_fixture.h"

namespace mardell_testing {

namespace fs = std::filesystem;

const char kSheetCaption[] = "VPN Configuration Wizard";
const char kPasswordCaption[] = "Enter the installation password";

// The sheet's buttons.
const char kBack[] = "12323";
const char kNext[] = "12324";
const char kFinish[] = "12325";

struct Control {
  std::string id, hwnd, cls, text;
  unsigned long style = 0;
  bool enabled = false, visible = false;
};

struct Window {
  std::string hwnd, pid, program, cls, caption;
  bool visible = false;
};

// A screenshot read back: its size and its pixels as 0xRRGGBB.
struct Picture {
  int width = 0, height = 0;
  std::vector<uint32_t> pixels;
  uint32_t at(int x, int y) const { return pixels[size_t(y) * size_t(width) + size_t(x)]; }
  // How many pixels of the rectangle satisfy the test.
  int count(int left, int top, int right, int bottom, const std::function<bool(uint32_t)>& test) const {
    int n = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
      for (int x = std::max(left, 0); x < std::min(right, width); ++x) n += test(at(x, y)) ? 1 : 0;
    return n;
  }
};

inline int Red(uint32_t c) { return int(c >> 16 & 0xFF); }
inline int Green(uint32_t c) { return int(c >> 8 & 0xFF); }
inline int Blue(uint32_t c) { return int(c & 0xFF); }
inline bool Near(uint32_t c, int r, int g, int b, int tolerance = 24) {
  return std::abs(Red(c) - r) <= tolerance && std::abs(Green(c) - g) <= tolerance && std::abs(Blue(c) - b) <= tolerance;
}

class MardellTest : public phone_book_tools_testing::PhoneBookToolsTest {
 protected:
  void SetUp() override {
    PhoneBookToolsTest::SetUp();
    // Boxes wait for the test to answer them.
    platform::machine::set_config("desktop.box_timeout_ms", "600000");
  }
  void TearDown() override {
    // A window a failed test left open must not keep the wizard from ending.
    if (background_ > 0) {
      for (const Window& window : windows())
        if (window.program == "mardell.exe") winsim({"desktop", "close", window.hwnd});
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
    ASSERT_EQ(background_, 0) << "one wizard at a time";
    std::vector<std::string> args{(testing_support::bin_dir() / "winsim").string(), "run", "mardell.exe"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    console_file_ = root_ / "mardell_console.txt";
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, console_file_.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ASSERT_EQ(posix_spawn(&background_, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
  }
  int background_exit_code() {
    int status = 0;
    pid_t pid = background_;
    background_ = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  std::string background_console() const { return file_bytes(console_file_); }

  std::vector<Window> windows() {
    std::vector<Window> result;
    std::istringstream lines(winsim({"desktop", "windows"}).out);
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> f = fields(line);
      if (f.size() >= 6) result.push_back({f[0], f[1], f[2], f[3], f[4], f[5] == "1" || f[5] == "yes"});
    }
    return result;
  }
  std::vector<Control> controls(const std::string& hwnd) {
    std::vector<Control> result;
    std::istringstream lines(winsim({"desktop", "controls", hwnd}).out);
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> f = fields(line);
      if (f.size() < 7) continue;
      result.push_back({f[0], f[1], f[2], f[3], std::strtoul(f[4].c_str(), nullptr, 16), Yes(f[5]), Yes(f[6])});
    }
    return result;
  }
  // The visible controls of that id (a sheet holds one of each per created page).
  std::optional<Control> visible_control(const std::string& hwnd, const std::string& id) {
    for (const Control& control : controls(hwnd))
      if (control.id == id && control.visible) return control;
    return std::nullopt;
  }
  // Waits (real time) for a visible top-level window of that caption; its handle, or empty.
  std::string wait_for(const std::string& caption, const std::string& seconds = "30") {
    auto found = winsim({"desktop", "wait", caption, seconds});
    return found.exit_code == 0 ? found.out.substr(0, found.out.find('\n')) : "";
  }
  // Waits until the condition holds, checking after each automation round trip; false after
  // the time-out of a loaded host.
  bool wait_until(const std::function<bool()>& condition, int seconds = 60) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > end) return false;
      winsim({"desktop", "windows"});  // one round trip of the machine between checks
    }
    return true;
  }
  bool click(const std::string& hwnd, const std::string& id) {
    return winsim({"desktop", "click", hwnd, id}).exit_code == 0;
  }
  // The page title that shows, which names the active page.
  std::string active_title(const std::string& sheet) {
    std::optional<Control> title = visible_control(sheet, "1043");
    return title ? title->text : "";
  }
  bool wait_for_title(const std::string& sheet, const std::string& title) {
    return wait_until([&] { return active_title(sheet) == title; });
  }

  // A screenshot, kept in the build's "screenshots" folder and read back.
  Picture screenshot(const std::string& hwnd, const std::string& name) {
    fs::path folder = testing_support::bin_dir().parent_path() / "screenshots";
    fs::create_directories(folder);
    fs::path file = folder / (name + ".png");
    fs::remove(file);
    Picture picture;
    EXPECT_EQ(winsim({"desktop", "screenshot", hwnd, file.string()}).exit_code, 0);
    cairo_surface_t* surface = cairo_image_surface_create_from_png(file.c_str());
    if (cairo_surface_status(surface) == CAIRO_STATUS_SUCCESS) {
      cairo_surface_flush(surface);
      picture.width = cairo_image_surface_get_width(surface);
      picture.height = cairo_image_surface_get_height(surface);
      int stride = cairo_image_surface_get_stride(surface);
      const unsigned char* data = cairo_image_surface_get_data(surface);
      for (int y = 0; y < picture.height; ++y)
        for (int x = 0; x < picture.width; ++x)
          picture.pixels.push_back(reinterpret_cast<const uint32_t*>(data + size_t(y) * size_t(stride))[x] & 0xFFFFFF);
    }
    cairo_surface_destroy(surface);
    return picture;
  }

 private:
  static bool Yes(const std::string& s) { return s == "1" || s == "yes" || s == "true"; }
  static std::vector<std::string> fields(const std::string& line) {
    std::vector<std::string> f;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');) f.push_back(field);
    return f;
  }

  pid_t background_ = 0;
  fs::path console_file_;
};

}  // namespace mardell_testing
