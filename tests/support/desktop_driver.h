// The machine's desktop driven as its user would drive it, through `winsim desktop`: windows and
// controls read, controls clicked, typed into, hovered, keys pressed, message boxes answered,
// screenshots saved in the build's "screenshots" folder and read back as pixels.
// A fixture mixes it in beside its machine fixture; winsim finds the machine by WINSIM_ROOT.
#pragma once

#include <cairo.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "support/machine_fixture.h"
#include "support/program_runner.h"

namespace testing_support {

struct Control {
  std::string id, hwnd, cls, text;
  unsigned long style = 0;
  bool enabled = false, visible = false, focused = false;
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

// A program run inside the machine in the background while the test drives its windows; its
// console output goes to a file of the test, or nowhere.
class BackgroundRun {
 public:
  BackgroundRun() = default;
  BackgroundRun(const BackgroundRun&) = delete;
  BackgroundRun& operator=(const BackgroundRun&) = delete;
  ~BackgroundRun() { exit_code(); }

  // `winsim run PROGRAM ARGS...`; false when it could not start.
  bool start(const std::string& program, const std::vector<std::string>& program_args,
             const std::filesystem::path& console = "/dev/null") {
    if (running()) return false;
    std::vector<std::string> args{(bin_dir() / "winsim").string(), "run", program};
    args.insert(args.end(), program_args.begin(), program_args.end());
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, console.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    bool started = posix_spawn(&pid_, argv[0], &actions, nullptr, argv.data(), environ) == 0;
    posix_spawn_file_actions_destroy(&actions);
    if (!started) pid_ = 0;
    return started;
  }
  bool running() const { return pid_ > 0; }
  // Waits for the program's end: its exit code, -1 when it did not end by itself or never ran.
  int exit_code() {
    if (!running()) return -1;
    int status = 0;
    pid_t pid = pid_;
    pid_ = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

 private:
  pid_t pid_ = 0;
};

class DesktopDriver {
 public:
  // Every top-level window of every process of the machine.
  std::vector<Window> windows() {
    std::vector<Window> result;
    for (const std::vector<std::string>& f : records({"windows"}))
      if (f.size() >= 6) result.push_back({f[0], f[1], f[2], f[3], f[4], Yes(f[5])});
    return result;
  }
  std::vector<Control> controls(const std::string& hwnd) {
    std::vector<Control> result;
    for (const std::vector<std::string>& f : records({"controls", hwnd})) {
      if (f.size() < 7) continue;
      result.push_back({f[0], f[1], f[2], f[3], std::strtoul(f[4].c_str(), nullptr, 16), Yes(f[5]), Yes(f[6]),
                        f.size() > 7 && Yes(f[7])});
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
    Finished found = desktop({"wait", caption, seconds});
    return found.exit_code == 0 ? found.out.substr(0, found.out.find('\n')) : "";
  }
  // Waits until the condition holds, checking after each automation round trip; false after
  // the time-out of a loaded host.
  bool wait_until(const std::function<bool()>& condition, int seconds = 60) {
    auto end = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
    while (!condition()) {
      if (std::chrono::steady_clock::now() > end) return false;
      desktop({"windows"});  // one round trip of the machine between checks
    }
    return true;
  }

  bool click(const std::string& hwnd, const std::string& id) { return succeeds({"click", hwnd, id}); }
  // Sets the control's text as typing would.
  bool type(const std::string& hwnd, const std::string& id, const std::string& text) {
    return succeeds({"type", hwnd, id, text});
  }
  // Presses a key in the window: "Enter", "Escape", "Tab", "Space", a letter, ...
  bool key(const std::string& hwnd, const std::string& key_name) { return succeeds({"key", hwnd, key_name}); }
  // Points the mouse at the control; the tooltip that shows, nothing when none does.
  std::optional<std::string> hover(const std::string& hwnd, const std::string& id) {
    Finished shown = desktop({"hover", hwnd, id});
    if (shown.exit_code != 0) return std::nullopt;
    return shown.out.substr(0, shown.out.size() - (shown.out.ends_with('\n') ? 1 : 0));
  }
  // Answers a message box with one of its buttons ("OK", "Cancel", "Yes", ...).
  bool answer(const std::string& hwnd, const std::string& button) { return succeeds({"answer", hwnd, button}); }
  bool close_window(const std::string& hwnd) { return succeeds({"close", hwnd}); }

  // A screenshot, kept in the build's "screenshots" folder and read back; an empty picture (and a
  // failure of the test) when none was saved.
  Picture screenshot(const std::string& hwnd, const std::string& name) {
    std::filesystem::path file = screenshot_folder() / (name + ".png");
    std::filesystem::remove(file);
    Picture picture;
    bool saved = succeeds({"screenshot", hwnd, file.string()});
    EXPECT_TRUE(saved) << "no screenshot of " << hwnd;
    if (!saved) return picture;
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
  static std::filesystem::path screenshot_folder() {
    std::filesystem::path folder = bin_dir().parent_path() / "screenshots";
    std::filesystem::create_directories(folder);
    return folder;
  }

  // Any other request of the automation channel: `winsim desktop ARGS...`.
  Finished desktop(const std::vector<std::string>& args) {
    std::vector<std::string> command{"desktop"};
    command.insert(command.end(), args.begin(), args.end());
    return run_program(bin_dir() / "winsim", command);
  }

 private:
  bool succeeds(const std::vector<std::string>& args) { return desktop(args).exit_code == 0; }
  static bool Yes(const std::string& s) { return s == "1" || s == "yes" || s == "true"; }
  // The tab-separated records a listing prints, one a line.
  std::vector<std::vector<std::string>> records(const std::vector<std::string>& args) {
    std::vector<std::vector<std::string>> result;
    std::istringstream lines(desktop(args).out);
    for (std::string line; std::getline(lines, line);) {
      std::vector<std::string> f;
      std::istringstream in(line);
      for (std::string field; std::getline(in, field, '\t');) f.push_back(field);
      result.push_back(std::move(f));
    }
    return result;
  }
};

}  // namespace testing_support
