// The wizard driven by hand from its first page to a connected service, through the desktop
// alone (typing, clicks, keys, hovering for tooltips): every page refuses what it must, and a
// screenshot of every page shows its title, the ticks of the steps done so far and the crosses
// of what was refused.
#include <fstream>

#include "scenarios/mardell_fixture.h"

namespace {

using namespace mardell_testing;


const char kServerFailed[] = "Validation failed, verify information and try again";
const char kServerPassed[] = "Validation succeded Click Next to proceed";
const char kNoPing[] = "Failed to respond to a ping";
const char kTestFailed[] = "Test connection failed.";
const char kVerified[] = "Your settings have been verified. Click Next to continue.";

// What a screenshot of the sheet shows: the step list runs down its left 160 pixels, the page
// to the right of it.
struct PageLook {
  int width = 0, height = 0;
  int title = 0;        // pixels of the blue title
  int step_ticks = 0;   // pixels of the step list's ticks
  int page_ticks = 0;   // pixels of the ticks of passed checks on the page
  int page_crosses = 0; // pixels of the crosses of refused entries
};

class MardellInteractive : public MardellTest {
 protected:
  void SetUp() override {
    MardellTest::SetUp();
    // A slower clock: the installation waits 120 machine seconds for the service's connection,
    // which must outlast the start of five programs on a loaded host.
    recreate(platform::machine::Options{2.0, 0});
    auto installed = winsim({"install", testing_support::bin_dir().parent_path().string()});
    ASSERT_EQ(installed.exit_code, 0) << installed.err;
    platform::machine::set_config("desktop.box_timeout_ms", "600000");
  }
  void TearDown() override {
    // The service the installation started ends before its machine goes.
    winsim({"net", "stop", "Halvorn"});
    MardellTest::TearDown();
  }

  bool usable(const std::string& id) {
    std::optional<Control> control = visible_control(sheet_, id);
    return control && control->enabled;
  }
  std::string text_of(const std::string& id) {
    std::optional<Control> control = visible_control(sheet_, id);
    return control ? control->text : "<hidden>";
  }
  bool wait_for_text(const std::string& id, const std::string& start) {
    return wait_until([&] { return text_of(id).rfind(start, 0) == 0; });
  }
  // A screenshot of the page, kept as "mardell_interactive_<name>.png".
  PageLook look(const std::string& name) {
    Picture p = screenshot(sheet_, "mardell_interactive_" + name);
    PageLook look{p.width, p.height};
    look.title = p.count(160, 0, p.width, p.height / 4, TitleBlue);
    look.step_ticks = p.count(0, 0, 60, p.height, TickGreen);
    look.page_ticks = p.count(160, 0, p.width, p.height, TickGreen);
    look.page_crosses = p.count(160, 0, p.width, p.height, CrossRed);
    EXPECT_GE(look.width, 450) << name;
    EXPECT_GE(look.height, 322) << name;
    EXPECT_GT(look.title, 20) << name << ": the title in blue";
    return look;
  }
  void next_page(const std::string& title) {
    ASSERT_TRUE(click(sheet_, kNext));
    ASSERT_TRUE(wait_for_title(sheet_, title)) << title;
  }

  std::string sheet_;
};

TEST_F(MardellInteractive, ByHandFromTheWelcomePageToAConnectedService) {
  start_mardell({});
  sheet_ = wait_for(kSheetCaption);
  ASSERT_FALSE(sheet_.empty());
  ASSERT_TRUE(wait_for_title(sheet_, "Welcome to the VPN Configuration Wizard"));
  PageLook welcome = look("1_welcome");
  EXPECT_EQ(welcome.step_ticks, 0);
  next_page("Enter Server Addresses");

  // A reserved address and a name that does not resolve are refused, each with its tooltip.
  EXPECT_FALSE(usable(kNext));
  PageLook overview = look("2_servers");
  EXPECT_GT(overview.step_ticks, 20) << "Overview is done";
  ASSERT_TRUE(type(sheet_, "1001", "127.0.0.1"));
  ASSERT_TRUE(type(sheet_, "1002", "nowhere.example.invalid"));
  ASSERT_TRUE(click(sheet_, "1004"));
  ASSERT_TRUE(wait_for_text("1054", kServerFailed));
  EXPECT_EQ(hover(sheet_, "1001"), kNoPing);
  EXPECT_EQ(hover(sheet_, "1002"), kNoPing);
  EXPECT_FALSE(usable(kNext));
  PageLook refused = look("3_servers_refused");
  EXPECT_GT(refused.page_crosses, 2 * 40) << "two crosses";
  EXPECT_EQ(refused.step_ticks, overview.step_ticks);

  // A name that resolves, validated by Enter in its field.
  ASSERT_TRUE(type(sheet_, "1002", ""));
  ASSERT_TRUE(type(sheet_, "1001", "  vpn1.example.net "));
  ASSERT_TRUE(key(sheet_, "Enter"));
  ASSERT_TRUE(wait_for_text("1054", kServerPassed));
  EXPECT_TRUE(usable(kNext));
  EXPECT_EQ(hover(sheet_, "1001"), std::nullopt) << "a passed field has no tooltip";
  PageLook servers = look("4_servers_passed");
  EXPECT_GT(servers.page_ticks, 40) << "the tick beside the primary field";
  EXPECT_EQ(servers.page_crosses, 0) << "the empty optional field lost its cross";
  EXPECT_GT(servers.step_ticks, overview.step_ticks);
  next_page("Optional Routers");

  // The default gateway is no router.
  EXPECT_NE(text_of("1044").find("(192.168.1.1)"), std::string::npos) << text_of("1044");
  ASSERT_TRUE(type(sheet_, "1009", "192.168.1.1"));
  ASSERT_TRUE(click(sheet_, kNext));
  EXPECT_EQ(active_title(sheet_), "Optional Routers") << "the page stays";
  PageLook router = look("5_router_refused");
  EXPECT_GT(router.page_crosses, 40);
  EXPECT_EQ(router.step_ticks, servers.step_ticks);
  ASSERT_TRUE(type(sheet_, "1009", "192.168.1.2"));
  next_page("Split Tunneling");

  PageLook split = look("6_split_tunneling");
  EXPECT_GT(split.step_ticks, router.step_ticks) << "Router Addresses is done";
  next_page("Test Authentication Information");

  // A wrong password fails the test; the right one passes it and unlocks Next.
  EXPECT_FALSE(usable(kNext));
  ASSERT_TRUE(type(sheet_, "1010", "alice"));
  ASSERT_TRUE(type(sheet_, "1011", "wrong"));
  ASSERT_TRUE(click(sheet_, "1012"));
  ASSERT_TRUE(wait_until([&] { return text_of("1018").rfind(kTestFailed, 0) == 0 && usable("1012"); }));
  EXPECT_FALSE(usable(kNext));
  PageLook failed = look("7_authentication_failed");
  EXPECT_GT(failed.step_ticks, split.step_ticks) << "Split Tunneling is done";
  ASSERT_TRUE(type(sheet_, "1011", "secret"));
  ASSERT_TRUE(click(sheet_, "1012"));
  ASSERT_TRUE(wait_for_text("1018", kVerified));
  EXPECT_TRUE(usable(kNext));
  EXPECT_FALSE(usable("1010")) << "the credentials are frozen";
  EXPECT_FALSE(usable("1012"));
  PageLook verified = look("8_authentication_verified");
  EXPECT_GT(verified.step_ticks, failed.step_ticks);
  next_page("IP Address Assignment Options");

  // The test's address is offered as the static one.
  EXPECT_EQ(text_of("1009"), "10.8.0.2");
  EXPECT_FALSE(usable("1009")) << "any address is the default";
  ASSERT_TRUE(click(sheet_, "1059"));
  EXPECT_TRUE(usable("1009"));
  PageLook assignment = look("9_ip_assignment");
  EXPECT_EQ(assignment.step_ticks, verified.step_ticks);
  next_page("Almost There");

  PageLook almost = look("10_almost_there");
  EXPECT_GT(almost.step_ticks, assignment.step_ticks) << "IP Assignment is done";
  // The test's own connection is hung up without waiting: once it is gone, only the service's
  // connection can end the installation's wait.
  ASSERT_TRUE(wait_until([&] { return connections().empty(); }));
  next_page("Final Configuration");
  for (const char* button : {kBack, kNext, kFinish, "2"}) EXPECT_FALSE(usable(button)) << button;
  PageLook final_page = look("11_final_configuration");
  EXPECT_EQ(final_page.step_ticks, almost.step_ticks);

  // The service connects, the wizard ends, and no password stays on disk.
  ASSERT_TRUE(wait_until([&] { return wait_for(kSheetCaption, "0").empty(); }, 240))
      << "still on: " << active_title(sheet_);
  EXPECT_EQ(background_exit_code(), 0) << background_console();
  std::vector<std::string> up = connections();
  EXPECT_NE(std::find(up.begin(), up.end(), "AUTO-A0"), up.end());
  EXPECT_NE(winsim({"sc", "query", "Halvorn"}).out.find("RUNNING"), std::string::npos);
  EXPECT_EQ(file_bytes(program_folder() / "installservice.bat"),
            "Tarvolt -i  -ip 10.8.0.2 -r 192.168.1.2\r\nnet start halvorn\r\n");
  EXPECT_TRUE(boxes().empty());
}

}  // namespace
