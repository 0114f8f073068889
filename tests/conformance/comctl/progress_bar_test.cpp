// The progress bar's range, position and steps, with the values each message hands back.
#include <cstdlib>

#include "conformance/comctl/comctl_fixture.h"

namespace {

using ComctlTest = comctl_test::ComctlTestOn<::testing::Test>;

class ProgressBar : public ComctlTest {
 protected:
  void SetUp() override {
    ComctlTest::SetUp();
    bar_ = make(PROGRESS_CLASSW, 0, 1014);
    ASSERT_NE(bar_, nullptr);
  }
  LRESULT pos() { return SendMessageW(bar_, PBM_GETPOS, 0, 0); }
  HWND bar_ = nullptr;
};

TEST_F(ProgressBar, StartsAtZeroOfAHundredAndKeepsThePositionInsideTheRange) {
  EXPECT_EQ(SendMessageW(bar_, PBM_GETRANGE, TRUE, 0), 0);
  EXPECT_EQ(SendMessageW(bar_, PBM_GETRANGE, FALSE, 0), 100);
  EXPECT_EQ(SendMessageW(bar_, PBM_SETPOS, 40, 0), 0);  // the old position
  EXPECT_EQ(SendMessageW(bar_, PBM_SETPOS, 500, 0), 40);
  EXPECT_EQ(pos(), 100);
  EXPECT_EQ(SendMessageW(bar_, PBM_DELTAPOS, WPARAM(-30), 0), 100);
  EXPECT_EQ(pos(), 70);
  EXPECT_EQ(SendMessageW(bar_, PBM_SETPOS, WPARAM(-5), 0), 70);
  EXPECT_EQ(pos(), 0);
  // A narrower range pulls the position in with it.
  SendMessageW(bar_, PBM_SETPOS, 90, 0);
  EXPECT_EQ(SendMessageW(bar_, PBM_SETRANGE, 0, MAKELPARAM(10, 50)), MAKELRESULT(0, 100));
  EXPECT_EQ(pos(), 50);
}

TEST_F(ProgressBar, ThirtyTwoBitRangesAnswerInBothWays) {
  SendMessageW(bar_, PBM_SETRANGE32, 0, 300);
  PBRANGE range{-1, -1};
  EXPECT_EQ(SendMessageW(bar_, PBM_GETRANGE, FALSE, LPARAM(&range)), 300);
  EXPECT_EQ(range.iLow, 0);
  EXPECT_EQ(range.iHigh, 300);
  SendMessageW(bar_, PBM_SETPOS, 266, 0);
  EXPECT_EQ(pos(), 266);
  // The old range comes back in 16-bit halves.
  EXPECT_EQ(SendMessageW(bar_, PBM_SETRANGE32, 0, 70000), MAKELRESULT(0, 300));
  SendMessageW(bar_, PBM_SETPOS, 69000, 0);
  EXPECT_EQ(pos(), 69000);
}

TEST_F(ProgressBar, StepsByTheStepSizeAndStartsOverPastTheEnd) {
  EXPECT_EQ(SendMessageW(bar_, PBM_SETSTEP, 1, 0), 10);  // the default step
  EXPECT_EQ(SendMessageW(bar_, PBM_STEPIT, 0, 0), 0);
  EXPECT_EQ(pos(), 1);
  SendMessageW(bar_, PBM_SETSTEP, 30, 0);
  SendMessageW(bar_, PBM_SETPOS, 90, 0);
  EXPECT_EQ(SendMessageW(bar_, PBM_STEPIT, 0, 0), 90);
  EXPECT_EQ(pos(), 20);
}

// The classes of a fresh process: only those whose flags were given, and only for a valid size.
bool classes_come_with_their_flags() {
  INITCOMMONCONTROLSEX wrong{sizeof(INITCOMMONCONTROLSEX) + 4, ICC_PROGRESS_CLASS};
  INITCOMMONCONTROLSEX bars{sizeof(INITCOMMONCONTROLSEX), ICC_WIN95_CLASSES};
  WNDCLASSW wc{};
  return !InitCommonControlsEx(&wrong) && !InitCommonControlsEx(nullptr) &&
         !GetClassInfoW(nullptr, PROGRESS_CLASSW, &wc) && InitCommonControlsEx(&bars) &&
         GetClassInfoW(nullptr, PROGRESS_CLASSW, &wc) && !GetClassInfoW(nullptr, WC_IPADDRESSW, &wc) &&
         !GetClassInfoW(nullptr, WC_LINK, &wc);
}

TEST(CommonControlsDeathTest, ClassesComeOnlyWithTheirFlagsAndAValidSize) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a new process, not a fork of this one
  EXPECT_EXIT(std::_Exit(classes_come_with_their_flags() ? 0 : 1), testing::ExitedWithCode(0), "");
}

}  // namespace
