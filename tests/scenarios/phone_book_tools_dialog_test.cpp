#include "kernel/machine.h"
#include "scenarios/phone_book_tools_fixture.h"
#include "support/desktop_driver.h"

namespace {

using namespace phone_book_tools_testing;
using testing_support::BackgroundRun;
using testing_support::Near;
using testing_support::Picture;

const std::string kEncryptedPassword = "G+2nwNJfIkeL8SHkcxUCNQ==";  // "s3cret!" under "install-pw"
const std::string kEncryptedKey = "HUn63cyYJf7QkrIiv9saig==";       // "psk-key-1" under "install-pw"
const std::string kCaption = "Enter installation password";

class PardexPasswordDialog : public PhoneBookToolsTest, public testing_support::DesktopDriver {
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
      if (!hwnd.empty()) close_window(hwnd);
    }
    pardex_.exit_code();
    PhoneBookToolsTest::TearDown();
  }
  void start_pardex(std::vector<std::string> extra) {
    std::vector<std::string> args{"-n", "Dlg", "-s", "vpn1.example.net", "-u", "alice"};
    args.insert(args.end(), extra.begin(), extra.end());
    ASSERT_TRUE(pardex_.start("pardex.exe", args));
  }
  int pardex_exit_code() { return pardex_.exit_code(); }
  // A screenshot of the window, kept in the build's "screenshots" folder, checked to be of a
  // plausible size and to show more than one colour: a caption, text and buttons.
  void expect_screenshot(const std::string& hwnd, const std::string& name, int min_width, int min_height) {
    Picture picture = screenshot(hwnd, name);
    ASSERT_GT(picture.width, 0) << name;
    EXPECT_GE(picture.width, min_width);
    EXPECT_GE(picture.height, min_height);
    EXPECT_LE(picture.width, 800);
    EXPECT_LE(picture.height, 600);
    uint32_t background = picture.at(picture.width / 2, picture.height / 2);
    int others = picture.count(0, 0, picture.width, picture.height, [&](uint32_t c) { return c != background; });
    int dark = picture.count(0, 0, picture.width, picture.height, [](uint32_t c) { return Near(c, 0, 0, 0, 60); });
    EXPECT_GT(others, picture.width * picture.height / 50) << "the window looks blank";
    EXPECT_GT(dark, 200) << "the window shows no text";
  }

  BackgroundRun pardex_;
};

TEST_F(PardexPasswordDialog, ConfirmedPasswordDecodesBothOptions) {
  start_pardex({"-ep", kEncryptedPassword, "-ek", kEncryptedKey});
  std::string hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  // The password edit is empty, hides what is typed (ES_PASSWORD 0x20) and scrolls (ES_AUTOHSCROLL 0x80).
  std::optional<testing_support::Control> edit = visible_control(hwnd, "1000");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->cls, "Edit");
  EXPECT_EQ(edit->text, "");
  EXPECT_EQ(edit->style & 0xA0, 0xA0u);
  std::vector<std::string> buttons;
  for (const testing_support::Control& control : controls(hwnd))
    if (control.cls == "Button") buttons.push_back(control.text);
  EXPECT_NE(std::find(buttons.begin(), buttons.end(), "OK"), buttons.end());
  EXPECT_NE(std::find(buttons.begin(), buttons.end(), "Cancel"), buttons.end());
  expect_screenshot(hwnd, "password_dialog", 200, 100);

  ASSERT_TRUE(type(hwnd, "1000", "install-pw"));
  ASSERT_TRUE(click(hwnd, "1"));
  EXPECT_EQ(pardex_exit_code(), 0);
  EXPECT_EQ(all_users_credentials("Dlg").password, u"s3cret!");
  EXPECT_EQ(key_of("Dlg"), u"psk-key-1");
  EXPECT_TRUE(boxes().empty());
}

TEST_F(PardexPasswordDialog, CancelledOrClosedEndsWithoutEntryOrMessage) {
  start_pardex({"-ep", kEncryptedPassword});
  std::string hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  ASSERT_TRUE(type(hwnd, "1000", "install-pw"));
  ASSERT_TRUE(click(hwnd, "2"));
  EXPECT_EQ(pardex_exit_code(), 1);

  start_pardex({"-ek", kEncryptedKey, "-p", "plain"});
  hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  ASSERT_TRUE(close_window(hwnd));
  EXPECT_EQ(pardex_exit_code(), 1);

  EXPECT_TRUE(entry_names().empty());
  EXPECT_TRUE(boxes().empty());
}

TEST_F(PardexPasswordDialog, BadStrategyIsReportedEvenAfterACancelledDialog) {
  start_pardex({"-ep", kEncryptedPassword, "-ek", kEncryptedKey, "-vt", "Fastest"});
  std::string hwnd = wait_for(kCaption);
  ASSERT_FALSE(hwnd.empty());
  ASSERT_TRUE(click(hwnd, "2"));
  std::string box = wait_for("Pardex");
  ASSERT_FALSE(box.empty());
  ASSERT_TRUE(answer(box, "OK"));
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
  ASSERT_TRUE(type(hwnd, "1000", "not-it"));
  ASSERT_TRUE(click(hwnd, "1"));
  std::string box = wait_for("Pardex");
  ASSERT_FALSE(box.empty());
  expect_screenshot(box, "incorrect_password_box", 120, 80);
  ASSERT_TRUE(answer(box, "OK"));
  EXPECT_EQ(pardex_exit_code(), 1);
  auto logged = boxes();
  ASSERT_EQ(logged.size(), 1u);
  EXPECT_EQ(logged[0].program, "pardex.exe");
  EXPECT_EQ(logged[0].text, "Incorrect encryption password");
  EXPECT_TRUE(entry_names().empty());
}

}  // namespace
