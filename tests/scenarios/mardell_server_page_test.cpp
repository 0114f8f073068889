// The wizard's server page as a user meets it: servers typed, validated by the button or by
// Enter, crosses with their tooltip for refused servers, the link to buy service, ticks and the
// step's mark for a good pair, and Next taken back by any later edit.
#include "scenarios/mardell_fixture.h"

namespace {

using namespace mardell_testing;

const char kPrimary[] = "1001";
const char kSecond[] = "1002";
const char kThird[] = "1003";
const char kValidate[] = "1004";
const char kStatus[] = "1054";
const char kLink[] = "1078";
const char kFailed[] = "Validation failed, verify information and try again";
const char kSucceeded[] = "Validation succeded Click Next to proceed";
const char kRefused[] = "Failed to respond to a ping";
const char kNoTip[] = "(no tooltip)";

// The step list lies left of this column, the page's fields right of it.
const int kStepListRight = 60;

class MardellServerPage : public MardellTest {
 protected:
  // The wizard started interactively and moved on to the server page.
  std::string open_server_page() {
    start_mardell({});
    std::string sheet = wait_for(kSheetCaption);
    EXPECT_FALSE(sheet.empty());
    EXPECT_TRUE(wait_for_title(sheet, "Welcome to the VPN Configuration Wizard"));
    EXPECT_TRUE(click(sheet, kNext));
    EXPECT_TRUE(wait_for_title(sheet, "Enter Server Addresses"));
    return sheet;
  }
  bool enabled(const std::string& sheet, const std::string& id) {
    std::optional<Control> control = visible_control(sheet, id);
    return control && control->enabled;
  }
  void type(const std::string& sheet, const std::string& id, const std::string& text) {
    ASSERT_EQ(winsim({"desktop", "type", sheet, id, text}).exit_code, 0) << id;
  }
  std::string status(const std::string& sheet) {
    std::optional<Control> control = visible_control(sheet, kStatus);
    return control ? control->text : "";
  }
  bool wait_for_status(const std::string& sheet, const std::string& text) {
    return wait_until([&] { return status(sheet) == text; });
  }
  // What the control's tooltip says when the mouse rests on it.
  std::string tip(const std::string& sheet, const std::string& id) {
    auto hovered = winsim({"desktop", "hover", sheet, id});
    if (hovered.exit_code != 0) return kNoTip;
    return hovered.out.substr(0, hovered.out.find('\n'));
  }
  // The id of the control that has the keyboard focus.
  std::string focused(const std::string& sheet) {
    std::istringstream lines(winsim({"desktop", "controls", sheet}).out);
    for (std::string line; std::getline(lines, line);)
      if (line.size() > 4 && line.compare(line.size() - 4, 4, "\tyes") == 0) return line.substr(0, line.find('\t'));
    return "";
  }
  int step_ticks(const Picture& picture) { return picture.count(0, 0, kStepListRight, picture.height, TickGreen); }
  int field_ticks(const Picture& picture) {
    return picture.count(kStepListRight, 0, picture.width, picture.height, TickGreen);
  }
  int crosses(const Picture& picture) { return picture.count(0, 0, picture.width, picture.height, CrossRed); }
};

TEST_F(MardellServerPage, RefusedServersShowCrossesWithTheirReasonAndTheLinkOpensItsTarget) {
  std::string sheet = open_server_page();
  ASSERT_FALSE(sheet.empty());
  EXPECT_FALSE(enabled(sheet, kNext)) << "Next waits for a validation";
  EXPECT_FALSE(visible_control(sheet, kStatus)) << "the status shows once a validation runs";
  EXPECT_TRUE(visible_control(sheet, kLink));
  EXPECT_EQ(crosses(screenshot(sheet, "mardell_server_page")), 0);

  // A literal of the loopback range and a name nobody knows.
  type(sheet, kPrimary, "127.0.0.1");
  type(sheet, kSecond, "vpn9.example.net");
  ASSERT_TRUE(click(sheet, kValidate));
  ASSERT_TRUE(wait_for_status(sheet, kFailed));
  EXPECT_FALSE(enabled(sheet, kNext));
  EXPECT_TRUE(enabled(sheet, kPrimary) && enabled(sheet, kSecond) && enabled(sheet, kValidate))
      << "the fields are given back";
  Picture refused = screenshot(sheet, "mardell_server_page_refused");
  EXPECT_GT(crosses(refused), 150) << "a cross beside each of the two fields";
  EXPECT_EQ(field_ticks(refused), 0);
  EXPECT_EQ(tip(sheet, kPrimary), kRefused);
  EXPECT_EQ(tip(sheet, kSecond), kRefused);
  EXPECT_EQ(tip(sheet, kThird), kNoTip) << "the empty optional field has nothing to say";

  // The link shows again and opens the purchase page, which the machine records.
  ASSERT_TRUE(visible_control(sheet, kLink));
  ASSERT_TRUE(click(sheet, kLink));
  EXPECT_TRUE(wait_until([&] {
    return winsim({"desktop", "opened"}).out.find("  mardell.exe  http://www.example.net/buy-vpn\n") !=
           std::string::npos;
  }));
  EXPECT_TRUE(boxes().empty());
}

TEST_F(MardellServerPage, AGoodPairValidatesAndAnyLaterEditTakesNextBack) {
  std::string sheet = open_server_page();
  ASSERT_FALSE(sheet.empty());
  int overview_ticks = step_ticks(screenshot(sheet, "mardell_server_page_start"));
  EXPECT_GT(overview_ticks, 20) << "the step before is ticked";

  // Blanks around the primary name do not count; the third field stays empty.
  type(sheet, kPrimary, "  vpn1.example.net  ");
  type(sheet, kSecond, "vpn2.example.net");
  ASSERT_TRUE(click(sheet, kValidate));
  ASSERT_TRUE(wait_for_status(sheet, kSucceeded));
  EXPECT_TRUE(wait_until([&] { return enabled(sheet, kNext) && focused(sheet) == kNext; }))
      << "Next is enabled and has the focus";
  EXPECT_FALSE(visible_control(sheet, kLink)) << "the link stays hidden after a pass";
  Picture validated = screenshot(sheet, "mardell_server_page_validated");
  EXPECT_GT(field_ticks(validated), 80) << "a tick beside each entered field";
  EXPECT_EQ(crosses(validated), 0);
  int validated_ticks = step_ticks(validated);
  EXPECT_GT(validated_ticks, overview_ticks + 20) << "the step is ticked";
  EXPECT_EQ(tip(sheet, kPrimary), kNoTip);

  // Typing again takes the validation back, and the step's tick with it.
  type(sheet, kSecond, "vpn2.example.ne");
  ASSERT_TRUE(wait_until([&] { return !enabled(sheet, kNext); }));
  EXPECT_LT(step_ticks(screenshot(sheet, "mardell_server_page_edited")), validated_ticks);

  // Enter in a server field validates: a failing optional server keeps Next and takes the focus.
  type(sheet, kSecond, "vpn9.example.net");
  ASSERT_EQ(winsim({"desktop", "key", sheet, "Enter"}).exit_code, 0);
  ASSERT_TRUE(wait_for_status(sheet, kFailed)) << "Enter in a server field did not validate";
  EXPECT_FALSE(enabled(sheet, kNext));
  EXPECT_TRUE(wait_until([&] { return focused(sheet) == kSecond; }));
  EXPECT_EQ(tip(sheet, kSecond), kRefused);

  type(sheet, kSecond, "vpn2.example.net");
  ASSERT_EQ(winsim({"desktop", "key", sheet, "Enter"}).exit_code, 0);
  ASSERT_TRUE(wait_for_status(sheet, kSucceeded));
  ASSERT_TRUE(wait_until([&] { return enabled(sheet, kNext); }));

  // Validated, the page lets the wizard go on, and keeps its state when the user comes back.
  ASSERT_TRUE(click(sheet, kNext));
  ASSERT_TRUE(wait_for_title(sheet, "Optional Routers"));
  ASSERT_TRUE(click(sheet, kBack));
  ASSERT_TRUE(wait_for_title(sheet, "Enter Server Addresses"));
  EXPECT_TRUE(wait_until([&] { return enabled(sheet, kNext); }));
  EXPECT_TRUE(boxes().empty());
}

}  // namespace
