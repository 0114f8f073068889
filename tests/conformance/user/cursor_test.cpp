// The wait cursor as a busy program shows it: the system's cursors load without a module, and
// SetCursor hands back the one it replaces.
#include <windows.h>

#include <gtest/gtest.h>

namespace {

TEST(Cursor, SetCursorSwapsInTheWaitCursorAndBack) {
  HCURSOR arrow = LoadCursor(nullptr, IDC_ARROW);
  HCURSOR wait = LoadCursor(nullptr, IDC_WAIT);
  ASSERT_NE(arrow, nullptr);
  ASSERT_NE(wait, nullptr);
  EXPECT_NE(arrow, wait);
  EXPECT_EQ(LoadCursor(nullptr, IDC_WAIT), wait);  // shared: the same handle each time

  SetCursor(arrow);
  EXPECT_EQ(SetCursor(wait), arrow);
  EXPECT_EQ(GetCursor(), wait);
  EXPECT_EQ(SetCursor(arrow), wait);
  EXPECT_EQ(GetCursor(), arrow);
}

}  // namespace
