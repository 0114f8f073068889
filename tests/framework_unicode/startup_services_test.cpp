#include <gtest/gtest.h>
#include <winsock2.h>

#include "afxsock.h"
#include "cwaitcursor.h"
#include "rich_edit_init.h"
#include "support/machine_fixture.h"

namespace {

using StartupServicesTest = testing_support::MachineTest;

TEST_F(StartupServicesTest, SocketsStartOnceWithVersionOneOne) {
  WSADATA data = {};
  ASSERT_TRUE(AfxSocketInit(&data));
  EXPECT_EQ(data.wVersion, MAKEWORD(1, 1));
  EXPECT_TRUE(AfxSocketInit());
  WSADATA again = {};
  EXPECT_TRUE(AfxSocketInit(&again));
  EXPECT_EQ(again.wVersion, data.wVersion);
}

TEST_F(StartupServicesTest, RichEditClassesAreThereAfterTheInit) {
  ASSERT_TRUE(AfxInitRichEdit2());
  EXPECT_TRUE(AfxInitRichEdit2());
  WNDCLASSW windowClass;
  EXPECT_TRUE(GetClassInfoW(nullptr, L"RichEdit20W", &windowClass));
}

TEST_F(StartupServicesTest, TheWaitCursorGivesBackThePreviousOne) {
  HCURSOR hArrow = LoadCursor(nullptr, IDC_ARROW);
  HCURSOR hWait = LoadCursor(nullptr, IDC_WAIT);
  ASSERT_NE(hArrow, hWait);
  SetCursor(hArrow);
  {
    CWaitCursor wait;
    EXPECT_EQ(GetCursor(), hWait);
    SetCursor(hArrow);  // as a message box would
    wait.Restore();
    EXPECT_EQ(GetCursor(), hWait);
  }
  EXPECT_EQ(GetCursor(), hArrow);
}

}  // namespace
