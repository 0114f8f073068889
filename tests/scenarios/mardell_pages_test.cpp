// The wizard's router, split-tunnelling and address pages as a user meets them: default gateways
// named and refused with a cross while a free router gets a tick, the split-tunnelling box set
// from "-rg", and the address field that only the static choice enables.
#include "scenarios/mardell_fixture.h"

namespace {

using namespace mardell_testing;

const char kServerTitle[] = "Enter Server Addresses";
const char kRouterTitle[] = "Optional Routers";
const char kSplitTitle[] = "Split Tunneling";
const char kAuthTitle[] = "Test Authentication Information";
const char kAddressTitle[] = "IP Address Assignment Options";

bool Dark(uint32_t c) { return Red(c) < 90 && Green(c) < 90 && Blue(c) < 90; }

class MardellPages : public MardellTest {
 protected:
  bool enabled(const std::string& hwnd, const std::string& id) {
    std::optional<Control> control = visible_control(hwnd, id);
    return control && control->enabled;
  }
  std::string text_of(const std::string& hwnd, const std::string& id) {
    std::optional<Control> control = visible_control(hwnd, id);
    return control ? control->text : "(not shown)";
  }
  // The wizard with the command line's values, on the router page: the server page validates
  // the server of the command line first.
  std::string open_router_page(const std::vector<std::string>& args) {
    start_mardell(args);
    std::string sheet = wait_for(kSheetCaption);
    EXPECT_FALSE(sheet.empty());
    if (sheet.empty()) return "";
    EXPECT_TRUE(wait_for_title(sheet, "Welcome to the VPN Configuration Wizard"));
    EXPECT_TRUE(click(sheet, kNext));
    EXPECT_TRUE(wait_for_title(sheet, kServerTitle));
    EXPECT_TRUE(click(sheet, "1004")) << "Validate";
    EXPECT_TRUE(wait_until([&] { return enabled(sheet, kNext); })) << "the server validates";
    EXPECT_TRUE(click(sheet, kNext));
    EXPECT_TRUE(wait_for_title(sheet, kRouterTitle));
    return sheet;
  }
  // The parts of the page right of the step list, where the page's own pictures are.
  static int page_pixels(const Picture& picture, bool (*test)(uint32_t)) {
    return picture.count(170, 0, picture.width, picture.height, test);
  }
};

TEST_F(MardellPages, RouterPageRefusesEveryDefaultGatewayAndSplitTunnellingFollowsTheCommandLine) {
  ASSERT_EQ(winsim({"world", "set", "adapter", "Local Area Connection", "gateway", "192.168.1.1,192.168.1.254"}).exit_code, 0);
  std::string sheet = open_router_page({"-s", "vpn1.example.net", "-rg"});
  ASSERT_FALSE(sheet.empty());
  EXPECT_NE(text_of(sheet, "1044").find("Do not enter your default gateways (192.168.1.1 192.168.1.254)."),
            std::string::npos)
      << text_of(sheet, "1044");
  for (const char* field : {"1009", "1010", "1011"}) EXPECT_EQ(text_of(sheet, field), "0.0.0.0") << field;
  Picture untouched = screenshot(sheet, "mardell_router_page");
  EXPECT_EQ(page_pixels(untouched, CrossRed), 0);
  EXPECT_EQ(page_pixels(untouched, TickGreen), 0);

  // The second gateway of the adapter is refused with a cross, the free router gets a tick.
  ASSERT_TRUE(type(sheet, "1009", "192.168.1.254"));
  ASSERT_TRUE(type(sheet, "1010", "192.168.1.2"));
  ASSERT_TRUE(click(sheet, kNext));
  EXPECT_EQ(active_title(sheet), kRouterTitle) << "a default gateway keeps the page";
  Picture refused = screenshot(sheet, "mardell_router_refused");
  EXPECT_GT(page_pixels(refused, CrossRed), 40) << "the cross";
  EXPECT_GT(page_pixels(refused, TickGreen), 30) << "the tick";

  // A router inside a gateway's text is another router: 192.168.1.25 is free.
  ASSERT_TRUE(type(sheet, "1009", "192.168.1.25"));
  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, kSplitTitle));

  std::optional<Control> box = visible_control(sheet, "1070");
  ASSERT_TRUE(box);
  EXPECT_EQ(box->text, "Use Default Gateway on Remote Network\\n(turn off split tunneling)");
  EXPECT_EQ(box->style & 0x200F, unsigned(BS_MULTILINE | BS_AUTOCHECKBOX));
  EXPECT_EQ(text_of(sheet, "1073"), "This option is to route Internet traffic through the VPN connection.");
  // "-rg" checked the box: the first click takes its check mark away, the second brings it back.
  int checked = page_pixels(screenshot(sheet, "mardell_split_checked"), Dark);
  ASSERT_TRUE(click(sheet, "1070"));
  int unchecked = page_pixels(screenshot(sheet, "mardell_split_unchecked"), Dark);
  ASSERT_TRUE(click(sheet, "1070"));
  EXPECT_GT(checked, unchecked + 10);
  EXPECT_EQ(page_pixels(screenshot(sheet, "mardell_split_rechecked"), Dark), checked);

  // Back keeps what the user entered.
  ASSERT_TRUE(click(sheet, kBack));
  ASSERT_TRUE(wait_for_title(sheet, kRouterTitle));
  EXPECT_EQ(text_of(sheet, "1009"), "192.168.1.25");
  EXPECT_EQ(text_of(sheet, "1010"), "192.168.1.2");
  ASSERT_TRUE(click(sheet, "2"));  // Cancel
  EXPECT_EQ(background_exit_code(), 0);
  EXPECT_TRUE(boxes().empty()) << "a refusal shows no message";
}

TEST_F(MardellPages, AddressPageOffersTheTestAddressAndOnlyTheStaticChoiceEnablesIt) {
  std::string sheet = open_router_page({"-s", "vpn1.example.net", "-u", "alice"});
  ASSERT_FALSE(sheet.empty());
  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, kSplitTitle));
  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, kAuthTitle));
  ASSERT_TRUE(type(sheet, "1011", "secret"));
  ASSERT_TRUE(click(sheet, "1012")) << "Test";
  ASSERT_TRUE(wait_until([&] { return enabled(sheet, kNext); })) << "the test dial succeeds";
  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, kAddressTitle));

  // The dynamic choice with the address the test obtained, which waits disabled.
  EXPECT_EQ(text_of(sheet, "1009"), "10.8.0.2");
  EXPECT_FALSE(enabled(sheet, "1009"));
  EXPECT_EQ(text_of(sheet, "1058"), "Use Any IP Address (Dynamic IP)");
  EXPECT_EQ(text_of(sheet, "1059"), "Require a Specific IP Address (Static IP)");
  ASSERT_TRUE(click(sheet, "1059"));
  EXPECT_TRUE(enabled(sheet, "1009")) << "the static choice enables the field";
  ASSERT_TRUE(click(sheet, "1058"));
  EXPECT_FALSE(enabled(sheet, "1009"));
  ASSERT_TRUE(click(sheet, "1059"));
  ASSERT_TRUE(type(sheet, "1009", "10.8.0.77"));

  // Going back to the test and returning keeps the choice and the address.
  ASSERT_TRUE(click(sheet, kBack));
  ASSERT_TRUE(wait_for_title(sheet, kAuthTitle));
  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, kAddressTitle));
  EXPECT_EQ(text_of(sheet, "1009"), "10.8.0.77");
  EXPECT_TRUE(enabled(sheet, "1009"));
  ASSERT_TRUE(click(sheet, "2"));  // Cancel
  EXPECT_EQ(background_exit_code(), 0);
}

}  // namespace
