// The wait cursor: CWaitCursor and a command target's Begin/EndWaitCursor nest, and the cursor
// from before the first wait comes back after the last.
#include <gtest/gtest.h>

#include "ccmdtarget.h"
#include "cwaitcursor.h"
#include "user/desk_fixture.h"

namespace {

using WaitCursorTest = testing_support::DeskTest;

TEST_F(WaitCursorTest, WaitsNestAndTheFirstCursorComesBack) {
  HCURSOR hArrow = LoadCursor(nullptr, IDC_ARROW);
  HCURSOR hWait = LoadCursor(nullptr, IDC_WAIT);
  SetCursor(hArrow);
  CCmdTarget target;
  target.BeginWaitCursor();
  EXPECT_EQ(GetCursor(), hWait);
  {
    CWaitCursor inner;
    EXPECT_EQ(GetCursor(), hWait);
    SetCursor(hArrow);  // as a message box would
    inner.Restore();
    EXPECT_EQ(GetCursor(), hWait);
  }
  EXPECT_EQ(GetCursor(), hWait) << "the outer wait goes on";
  SetCursor(hArrow);
  target.RestoreWaitCursor();
  EXPECT_EQ(GetCursor(), hWait);
  target.EndWaitCursor();
  EXPECT_EQ(GetCursor(), hArrow);
  // An end without a begin, and a restore outside any wait, change nothing.
  target.EndWaitCursor();
  target.RestoreWaitCursor();
  EXPECT_EQ(GetCursor(), hArrow);
  target.BeginWaitCursor();
  target.EndWaitCursor();
  EXPECT_EQ(GetCursor(), hArrow);
}

}  // namespace
