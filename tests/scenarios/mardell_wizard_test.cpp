// The wizard's windows as a user meets them: the wait dialog while the old service goes, the
// password dialog, a second wizard, and the sheet's frame on its first two pages. The pages'
// own checks and the road to a connected service have scenarios of their own.
#include "cipher/parameter_encoder.h"
#include "scenarios/mardell_fixture.h"

namespace {

using namespace mardell_testing;

const char kWelcome[] = "Welcome to the VPN Configuration Wizard";
const char kServers[] = "Enter Server Addresses";
const char kAuthenticationFailed[] = "Authentication Error:\nUnable to authenticate user\n";

// The background picture: a pale blue, lighter at the top.
bool BackgroundBlue(uint32_t c) { return Red(c) >= 160 && Red(c) <= 245 && Blue(c) > Red(c) + 10 && Blue(c) > 200; }

class MardellWizard : public MardellTest {
 protected:
  bool shown(const std::string& hwnd, const std::string& id) {
    std::optional<Control> control = visible_control(hwnd, id);
    return control && control->enabled;
  }
  // The pixel columns of the step list's ticks, left of the step names.
  int ticks(const Picture& picture) { return picture.count(0, 0, 60, picture.height, TickGreen); }
};

TEST_F(MardellWizard, TheFrameShowsItsButtonsBackgroundAndTicksAndCancelEndsIt) {
  start_mardell({});
  std::string sheet = wait_for(kSheetCaption);
  ASSERT_FALSE(sheet.empty());
  ASSERT_TRUE(wait_for_title(sheet, kWelcome));
  EXPECT_FALSE(shown(sheet, kBack));
  EXPECT_TRUE(shown(sheet, kNext));
  EXPECT_FALSE(shown(sheet, kFinish));
  EXPECT_TRUE(shown(sheet, "2")) << "Cancel";
  EXPECT_FALSE(visible_control(sheet, "9")) << "the Help button never shows";

  Picture welcome = screenshot(sheet, "mardell_welcome_page");
  EXPECT_GE(welcome.width, 450);
  EXPECT_GE(welcome.height, 322);
  EXPECT_GT(welcome.count(0, 0, 170, welcome.height, BackgroundBlue), 10000) << "the background at the left";
  EXPECT_GT(welcome.count(150, 0, welcome.width, welcome.height / 3, TitleBlue), 20) << "the title in blue";
  EXPECT_EQ(ticks(welcome), 0) << "no step is done yet";

  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, kServers));
  EXPECT_TRUE(shown(sheet, kBack));
  EXPECT_FALSE(shown(sheet, kNext)) << "the servers are not validated yet";
  EXPECT_GT(ticks(screenshot(sheet, "mardell_overview_ticked")), 20) << "Overview shows a tick";

  ASSERT_TRUE(click(sheet, kBack));
  ASSERT_TRUE(wait_for_title(sheet, kWelcome));
  EXPECT_FALSE(shown(sheet, kBack));
  ASSERT_TRUE(click(sheet, "2"));
  background_exit_code();
  EXPECT_EQ(background_console(), "");
  EXPECT_TRUE(boxes().empty());
  EXPECT_EQ(unattended_log(), "");
  EXPECT_FALSE(fs::exists(program_folder() / "installservice.bat"));
}

TEST_F(MardellWizard, WaitDialogShowsWhileTheServiceIsRemoved) {
  // The service program holds until the test has looked at the wait dialog.
  fs::copy_file(testing_support::program_dir() / "gate.exe", program_folder() / "tarvolt.exe",
                fs::copy_options::overwrite_existing);
  start_mardell({});
  std::string dialog;
  ASSERT_TRUE(wait_until([&] {
    for (const Window& window : windows())
      if (window.program == "mardell.exe" && window.caption.empty() && window.visible) dialog = window.hwnd;
    return !dialog.empty();
  }));
  std::optional<Control> text = visible_control(dialog, "1054");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->text, "Stopping Tarvolt service...");
  EXPECT_TRUE(wait_for(kSheetCaption, "0").empty()) << "the sheet waits for the removal";

  Picture picture = screenshot(dialog, "mardell_wait_dialog");
  EXPECT_GE(picture.width, 150);
  EXPECT_GE(picture.height, 30);
  int all = picture.width * picture.height;
  EXPECT_GT(picture.count(0, 0, picture.width, picture.height, [](uint32_t c) { return c == 0xFFFFFF; }), all / 2)
      << "a white dialog";
  EXPECT_GT(picture.count(0, 0, picture.width, picture.height, [](uint32_t c) { return Red(c) < 100; }), 30)
      << "with its text";

  std::ofstream(program_folder() / "tarvolt.release") << "go";
  std::string sheet = wait_for(kSheetCaption);
  ASSERT_FALSE(sheet.empty());
  EXPECT_TRUE(wait_until([&] {
    for (const Window& window : windows())
      if (window.hwnd == dialog && window.visible) return false;
    return true;
  })) << "the wait dialog closes";
}

TEST_F(MardellWizard, PasswordDialogAsksForTheMissingDecryptionPassword) {
  start_mardell({"-s", "vpn1.example.net", "-u", "alice", "-ep",
                 cipher_testing::EncryptParameter("s3cret!", "install-pw")});
  std::string dialog = wait_for(kPasswordCaption);
  ASSERT_FALSE(dialog.empty());
  std::optional<Control> edit = visible_control(dialog, "1011");
  ASSERT_TRUE(edit);
  EXPECT_EQ(edit->style & 0xA0, 0xA0u) << "masked (ES_PASSWORD) and scrolling (ES_AUTOHSCROLL)";
  EXPECT_FALSE(shown(dialog, "1")) << "OK waits for a password";
  Picture picture = screenshot(dialog, "mardell_password_dialog");
  EXPECT_GE(picture.width, 200);
  EXPECT_GE(picture.height, 60);

  ASSERT_EQ(winsim({"desktop", "type", dialog, "1011", "install-pw"}).exit_code, 0);
  ASSERT_TRUE(wait_until([&] { return shown(dialog, "1"); }));
  ASSERT_TRUE(click(dialog, "1"));
  // Decoded: the run goes on to the settings test, which the world's account refuses.
  background_exit_code();
  EXPECT_EQ(background_console(), kAuthenticationFailed);

  start_mardell({"-s", "vpn1.example.net", "-u", "alice", "-p", "secret", "-ek",
                 cipher_testing::EncryptParameter("psk-key-1", "install-pw")});
  dialog = wait_for(kPasswordCaption);
  ASSERT_FALSE(dialog.empty());
  ASSERT_TRUE(click(dialog, "2"));
  EXPECT_EQ(background_exit_code(), 0);
  const std::string kMessage = "ERROR:\nA decryption password was not specified.\n";
  EXPECT_EQ(background_console(), kMessage);
  EXPECT_EQ(unattended_log(), "ERROR:\r\nA decryption password was not specified.\r\n");
  EXPECT_TRUE(boxes().empty());
}

TEST_F(MardellWizard, ASecondWizardEndsSilently) {
  start_mardell({});
  std::string sheet = wait_for(kSheetCaption);
  ASSERT_FALSE(sheet.empty());
  // What the running wizard's log holds must survive the second start.
  { std::ofstream(program_folder() / "unattended.log", std::ios::app) << "first"; }

  auto second = run("mardell.exe", {"-x"});
  EXPECT_EQ(second.out, "") << "no message for the second";
  EXPECT_EQ(unattended_log(), "first");
  EXPECT_TRUE(boxes().empty());
  int sheets = 0;
  for (const Window& window : windows()) sheets += window.caption == kSheetCaption ? 1 : 0;
  EXPECT_EQ(sheets, 1);

  ASSERT_TRUE(click(sheet, "2"));  // Cancel
  EXPECT_EQ(background_exit_code(), 0);
}

}  // namespace
