// The authentication page as a user meets it: a test with a wrong password fails on the page and
// can be run again, a right one verifies the page for good; unattended, three failed attempts end
// the wizard with a message. The test's phone-book entry never stays, and the machine's other
// connections go when a test starts.
#include "scenarios/mardell_fixture.h"

namespace {

using namespace mardell_testing;
using phone_book_tools_testing::Put;
using testing_support::u16;

const char kAuthTitle[] = "Test Authentication Information";
const char kUser[] = "1010";
const char kPassword[] = "1011";
const char kTest[] = "1012";
const char kKey[] = "1013";
const char kResult[] = "1018";
const char kInstruction[] = "1044";
const char kProgress[] = "1059";
const char kCancel[] = "2";
// Line breaks as the automation channel shows them.
const char kFailedText[] =
    "Test connection failed.\\nCheck your Internet connection, your VPN server,\\nand your credentials and try again.";
const char kBusyText[] = "Please wait as we test your settings.";
const char kVerifiedText[] = "Your settings have been verified. Click Next to continue.";

class MardellAuthPage : public MardellTest {
 protected:
  bool enabled(const std::string& hwnd, const std::string& id) {
    std::optional<Control> control = visible_control(hwnd, id);
    return control && control->enabled;
  }
  bool shows(const std::string& hwnd, const std::string& id) { return visible_control(hwnd, id).has_value(); }
  std::string text_of(const std::string& hwnd, const std::string& id) {
    std::optional<Control> control = visible_control(hwnd, id);
    return control ? control->text : "";
  }
  bool wait_for_result(const std::string& sheet, const std::string& text) {
    return wait_until([&] { return text_of(sheet, kResult) == text; });
  }
  // From the welcome page to this page, the primary server validated on the way.
  std::string open_auth_page() {
    start_mardell({"-s", "vpn1.example.net", "-u", "alice"});
    std::string sheet = wait_for(kSheetCaption);
    EXPECT_FALSE(sheet.empty());
    EXPECT_TRUE(click(sheet, kNext));
    EXPECT_TRUE(wait_for_title(sheet, "Enter Server Addresses"));
    EXPECT_TRUE(click(sheet, "1004"));  // Validate
    EXPECT_TRUE(wait_until([&] { return enabled(sheet, kNext); }));
    for (const char* title : {"Optional Routers", "Split Tunneling", kAuthTitle}) {
      EXPECT_TRUE(click(sheet, kNext));
      EXPECT_TRUE(wait_for_title(sheet, title)) << title;
    }
    return sheet;
  }
  // An established connection of another entry of the machine.
  void dial_other_entry(const std::string& name) {
    add_entry(name, "vpn2.example.net");
    set_credentials(name, "alice", "secret");
    RASDIALPARAMSW params = {};
    params.dwSize = sizeof params;
    Put(params.szEntryName, u16(name));
    BOOL stored = FALSE;
    ASSERT_EQ(RasGetEntryDialParamsW(nullptr, &params, &stored), DWORD(ERROR_SUCCESS));
    HRASCONN connection = nullptr;
    ASSERT_EQ(RasDialW(nullptr, nullptr, &params, 0, nullptr, &connection), DWORD(ERROR_SUCCESS));
  }
  bool has_entry(const std::string& name) {
    std::vector<std::string> names = entry_names();
    return std::find(names.begin(), names.end(), name) != names.end();
  }
  bool connected(const std::string& name) {
    std::vector<std::string> names = connections();
    return std::find(names.begin(), names.end(), name) != names.end();
  }
  // Pixels that differ between two screenshots in the tick column of the step list.
  static int changed_ticks(const Picture& before, const Picture& after) {
    if (before.width != after.width || before.height != after.height) return -1;
    int changed = 0;
    for (int y = 0; y < before.height; ++y)
      for (int x = 0; x < 40 && x < before.width; ++x) changed += before.at(x, y) != after.at(x, y) ? 1 : 0;
    return changed;
  }
};

TEST_F(MardellAuthPage, AWrongPasswordFailsOnThePageAndTheRightOneVerifiesIt) {
  dial_other_entry("Office");
  std::string sheet = open_auth_page();
  ASSERT_FALSE(sheet.empty());
  EXPECT_EQ(text_of(sheet, kUser), "alice") << "the command line's user";
  EXPECT_FALSE(enabled(sheet, kNext)) << "not verified yet";
  EXPECT_TRUE(enabled(sheet, kTest));
  EXPECT_FALSE(shows(sheet, kProgress));
  EXPECT_FALSE(shows(sheet, kResult));

  ASSERT_TRUE(type(sheet, kPassword, "wrong"));
  ASSERT_TRUE(click(sheet, kTest));
  ASSERT_TRUE(wait_for_result(sheet, kFailedText));
  EXPECT_FALSE(connected("Office")) << "the test hangs up every connection";
  EXPECT_FALSE(has_entry("Kelvra"));
  EXPECT_TRUE(boxes().empty()) << "an interactive failure shows only on the page";
  EXPECT_FALSE(shows(sheet, kProgress));
  EXPECT_FALSE(enabled(sheet, kNext));
  for (const char* id : {kTest, kUser, kPassword, kKey, kBack, kCancel}) EXPECT_TRUE(enabled(sheet, id)) << id;

  // A slow server keeps the next test running while the page is looked at.
  auto slow = winsim({"world", "set", "vpn", "vpn1.example.net", "dial", "300s"});
  ASSERT_EQ(slow.exit_code, 0) << slow.err;
  Picture before = screenshot(sheet, "mardell_auth_before_test");
  ASSERT_TRUE(type(sheet, kPassword, "secret"));
  ASSERT_TRUE(click(sheet, kTest));
  ASSERT_TRUE(wait_for_result(sheet, kBusyText));
  // One look at the page, so that a loaded host cannot outlast the slow dial between the checks.
  std::vector<Control> busy = controls(sheet);
  auto busy_control = [&](const char* id) {
    return std::find_if(busy.begin(), busy.end(), [&](const Control& c) { return c.id == id && c.visible; });
  };
  ASSERT_NE(busy_control(kResult), busy.end());
  ASSERT_EQ(busy_control(kResult)->text, kBusyText) << "the dial is still running";
  EXPECT_NE(busy_control(kProgress), busy.end());
  for (const char* id : {kTest, kUser, kPassword, kKey, kBack, kCancel, kNext})
    EXPECT_TRUE(busy_control(id) != busy.end() && !busy_control(id)->enabled) << id;

  ASSERT_TRUE(wait_for_result(sheet, kVerifiedText));
  EXPECT_TRUE(enabled(sheet, kNext));
  EXPECT_TRUE(enabled(sheet, kBack));
  EXPECT_TRUE(enabled(sheet, kCancel));
  EXPECT_FALSE(shows(sheet, kProgress));
  EXPECT_FALSE(shows(sheet, kInstruction));
  for (const char* id : {kTest, kUser, kPassword, kKey}) EXPECT_FALSE(enabled(sheet, id)) << id << " stays frozen";
  EXPECT_GT(changed_ticks(before, screenshot(sheet, "mardell_auth_verified")), 50) << "the step is ticked";
  EXPECT_FALSE(has_entry("Kelvra"));
  EXPECT_TRUE(connections().empty()) << "the test connection is hung up";

  // Back and forth: still verified, Next focused.
  ASSERT_TRUE(click(sheet, kBack));
  ASSERT_TRUE(wait_for_title(sheet, "Split Tunneling"));
  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, kAuthTitle));
  EXPECT_TRUE(wait_until([&] {
    std::optional<Control> next = visible_control(sheet, kNext);
    return next && next->enabled && next->focused;
  }));
  for (const char* id : {kTest, kUser, kPassword, kKey}) EXPECT_FALSE(enabled(sheet, id)) << id;
  EXPECT_TRUE(boxes().empty());
}

TEST_F(MardellAuthPage, UnattendedThreeFailedAttemptsEndTheWizard) {
  dial_other_entry("Office");
  auto finished = run("mardell.exe", {"-s", "vpn1.example.net", "-u", "alice", "-p", "wrong"});
  EXPECT_EQ(finished.out, "Authentication Error:\nUnable to authenticate user\n");
  EXPECT_EQ(unattended_log(), "Authentication Error:\r\nUnable to authenticate user\r\n");
  EXPECT_TRUE(boxes().empty());
  EXPECT_FALSE(has_entry("Kelvra"));
  EXPECT_FALSE(connected("Office"));
  EXPECT_TRUE(connections().empty());
  EXPECT_FALSE(fs::exists(program_folder() / "installservice.bat")) << "nothing is installed";
}

}  // namespace
