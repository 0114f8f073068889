#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <filesystem>
#include <fstream>

#include "kernel/machine.h"
#include "scenarios/phone_book_tools_fixture.h"

namespace {

using namespace phone_book_tools_testing;
namespace fs = std::filesystem;

const std::string kEncryptedPassword = "G+2nwNJfIkeL8SHkcxUCNQ==";  // "s3cret!" under "install-pw"
const std::string kEncryptedKey = "HUn63cyYJf7QkrIiv9saig==";       // "psk-key-1" under "install-pw"
const std::string kCaption = "Enter installation password";

struct Png {
  uint32_t width = 0, height = 0;
  size_t image_bytes = 0;  // the compressed image data
};

uint32_t BigEndian(const std::string& s, size_t at) {
  return uint32_t(uint8_t(s[at])) << 24 | uint32_t(uint8_t(s[at + 1])) << 16 | uint32_t(uint8_t(s[at + 2])) << 8 |
         uint32_t(uint8_t(s[at + 3]));
}

// The header and the size of the image data of a PNG file; nothing when it is none.
std::optional<Png> ReadPng(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  if (bytes.size() < 33 || bytes.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0 || bytes.compare(12, 4, "IHDR") != 0)
    return std::nullopt;
  Png png{BigEndian(bytes, 16), BigEndian(bytes, 20), 0};
  for (size_t at = 8; at + 8 <= bytes.size();) {
    uint32_t length = BigEndian(bytes, at);
    if (bytes.compare(at + 4, 4, "IDAT") == 0) png.image_bytes += length;
    at += 12 + size_t(length);
  }
  return png;
}

class PardexPasswordDialog : public PhoneBookToolsTest {
 protected:
  void SetUp() override {
    PhoneBookToolsTest::SetUp();
    // Boxes wait for the test to answer them.
    platform::machine::set_config("desktop.box_timeout_ms", "600000");
  }
  void TearDown() override {
    // A window a failed test left open must not keep its program from ending.
    for (const std::string& caption : {kCaption, std::string("Pardex")}) {
      std::string hwnd = wait_for(caption, "0");
      if (!hwnd.empty()) winsim({"desktop", "close", hwnd});
    }
    if (pardex_ > 0) pardex_exit_code();
    PhoneBookToolsTest::TearDown();
  }
  // Pardex runs while the test drives its windows. Started before any other child, it
  // inherits no pipe of the test's other runs, which would otherwise wait for it.
  void start_pardex(std::vector<std::string> extra) {
    std::vector<std::string> args{(testing_support::bin_dir() / "winsim").string(), "run", "pardex.exe", "-n", "Dlg",
                                  "-s", "vpn1.example.net", "-u", "alice"};
    args.insert(args.end(), extra.begin(), extra.end());
    std::vector<char*> argv;
    for (auto& arg : args) argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    ASSERT_EQ(posix_spawn(&pardex_, argv[0], &actions, nullptr, argv.data(), environ), 0);
    posix_spawn_file_actions_destroy(&actions);
  }
  // The window's handle, empty when none of that caption shows within the time.
  std::string wait_for(const std::string& caption, const std::string& seconds = "20") {
    auto found = winsim({"desktop", "wait", caption, seconds});
    std::string hwnd = found.out.substr(0, found.out.find('\n'));
    return found.exit_code == 0 ? hwnd : "";
  }
  int pardex_exit_code() {
    int status = 0;
    pid_t pid = pardex_;
    pardex_ = 0;
    return waitpid(pid, &status, 0) == pid && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }
  // A screenshot of the window, kept in the build's "screenshots" folder, checked to be a PNG
  // of a plausible size that is not blank.
  void expect_screenshot(const std::string& hwnd, const std::string& name, uint32_t min_width, uint32_t min_height) {
    fs::path folder = testing_support::bin_dir().parent_path() / "screenshots";
    fs::create_directories(folder);
    fs::path file = folder / (name + ".png");
    fs::remove(file);
    ASSERT_EQ(winsim({"desktop", "screenshot", hwnd, file.string()}).exit_code, 0);
    auto png = ReadPng(file);
    ASSERT_TRUE(png) << file;
    EXPECT_GE(png->width, min_width);
    EXPECT_GE(png->height, min_height);
    EXPECT_LE(png->width, 800u);
    EXPECT_LE(png->height, 600u);
    // One colour all over compresses to a few hundred bytes; a caption, text and buttons do not.
    EXPECT_GT(png->image_bytes, 1500u) << "the window looks blank";
  }

  pid_t pardex_ = 0;
};

TEST_F(PardexPasswordDialog, ConfirmedPasswordDecodesBothOptions) {
  start_pardex({"-ep", kEncryptedPassword, "-ek", kEncryptedKey});
  std::string hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  auto controls = winsim({"desktop", "controls", hwnd}).out;
  // The password edit hides what is typed (ES_PASSWORD 0x20) and scrolls (ES_AUTOHSCROLL 0x80).
  std::smatch edit;
  ASSERT_TRUE(std::regex_search(controls, edit, std::regex("(^|\n)1000\t\\w+\tEdit\t\t([0-9A-F]{8})\t")));
  EXPECT_EQ(std::stoul(edit[2], nullptr, 16) & 0xA0, 0xA0u);
  EXPECT_NE(controls.find("\tButton\tOK\t"), std::string::npos);
  EXPECT_NE(controls.find("\tButton\tCancel\t"), std::string::npos);
  expect_screenshot(hwnd, "password_dialog", 200, 100);

  ASSERT_EQ(winsim({"desktop", "type", hwnd, "1000", "install-pw"}).exit_code, 0);
  ASSERT_EQ(winsim({"desktop", "click", hwnd, "1"}).exit_code, 0);
  EXPECT_EQ(pardex_exit_code(), 0);
  EXPECT_EQ(all_users_credentials("Dlg").password, u"s3cret!");
  EXPECT_EQ(key_of("Dlg"), u"psk-key-1");
  EXPECT_TRUE(boxes().empty());
}

TEST_F(PardexPasswordDialog, CancelledOrClosedEndsWithoutEntryOrMessage) {
  start_pardex({"-ep", kEncryptedPassword});
  std::string hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  ASSERT_EQ(winsim({"desktop", "type", hwnd, "1000", "install-pw"}).exit_code, 0);
  ASSERT_EQ(winsim({"desktop", "click", hwnd, "2"}).exit_code, 0);
  EXPECT_EQ(pardex_exit_code(), 1);

  start_pardex({"-ek", kEncryptedKey, "-p", "plain"});
  hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  ASSERT_EQ(winsim({"desktop", "close", hwnd}).exit_code, 0);
  EXPECT_EQ(pardex_exit_code(), 1);

  EXPECT_TRUE(entry_names().empty());
  EXPECT_TRUE(boxes().empty());
}

TEST_F(PardexPasswordDialog, BadStrategyIsReportedEvenAfterACancelledDialog) {
  start_pardex({"-ep", kEncryptedPassword, "-ek", kEncryptedKey, "-vt", "Fastest"});
  std::string hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  ASSERT_EQ(winsim({"desktop", "click", hwnd, "2"}).exit_code, 0);
  std::string box = wait_for("Pardex");
  ASSERT_FALSE(box.empty());
  ASSERT_EQ(winsim({"desktop", "answer", box, "OK"}).exit_code, 0);
  EXPECT_EQ(pardex_exit_code(), 1);
  auto logged = boxes();
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_EQ(logged[0].text.rfind("Unrecognized -vt type (VPN Strategy).", 0), 0u);
  EXPECT_EQ(logged[0].answer, "OK (clicked)");
  EXPECT_TRUE(entry_names().empty());
}

TEST_F(PardexPasswordDialog, WrongPasswordShowsItsErrorBox) {
  start_pardex({"-ep", kEncryptedPassword});
  std::string hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  ASSERT_EQ(winsim({"desktop", "type", hwnd, "1000", "not-it"}).exit_code, 0);
  ASSERT_EQ(winsim({"desktop", "click", hwnd, "1"}).exit_code, 0);
  std::string box = wait_for("Pardex");
  ASSERT_FALSE(box.empty());
  expect_screenshot(box, "incorrect_password_box", 120, 80);
  ASSERT_EQ(winsim({"desktop", "answer", box, "OK"}).exit_code, 0);
  EXPECT_EQ(pardex_exit_code(), 1);
  auto logged = boxes();
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_EQ(logged[0].program, "pardex.exe");
  EXPECT_EQ(logged[0].text, "Incorrect encryption password");
  EXPECT_TRUE(entry_names().empty());
}

}  // namespace
