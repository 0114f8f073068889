#include <gtest/gtest.h>
#include <windows.h>

#include <vector>

#include "atlwin.h"

namespace {

const UINT kAsk = WM_USER + 1;
const UINT kBaseOnly = WM_USER + 2;

class BaseMap : public CMessageMap {
 public:
  BEGIN_MSG_MAP(BaseMap)
  MESSAGE_HANDLER(kBaseOnly, OnBaseOnly)
  END_MSG_MAP()

  LRESULT OnBaseOnly(UINT, WPARAM, LPARAM, BOOL&) { return 30; }
};

// The first handler of kAsk declines when wParam is 0, so the second one gets the message.
class DerivedMap : public BaseMap {
 public:
  BEGIN_MSG_MAP(DerivedMap)
  MESSAGE_HANDLER(kAsk, OnAskFirst)
  MESSAGE_HANDLER(kAsk, OnAskSecond)
  COMMAND_HANDLER(IDOK, BN_CLICKED, OnOk)
  CHAIN_MSG_MAP(BaseMap)
  END_MSG_MAP()

  LRESULT OnAskFirst(UINT, WPARAM wParam, LPARAM, BOOL& bHandled) {
    calls.push_back(1);
    bHandled = wParam != 0;
    return 10;
  }
  LRESULT OnAskSecond(UINT, WPARAM, LPARAM, BOOL&) {
    calls.push_back(2);
    return 20;
  }
  LRESULT OnOk(WORD wNotifyCode, WORD wID, HWND hWndCtl, BOOL&) {
    calls.push_back(wNotifyCode * 1000 + wID);
    control = hWndCtl;
    return 40;
  }

  std::vector<int> calls;
  HWND control = nullptr;
};

TEST(AtlMessageMap, AHandlerThatDeclinesPassesTheMessageOn) {
  DerivedMap map;
  LRESULT result = 0;
  EXPECT_TRUE(map.ProcessWindowMessage(nullptr, kAsk, 1, 0, result, 0));
  EXPECT_EQ(result, 10);
  EXPECT_EQ(map.calls, (std::vector<int>{1}));

  map.calls.clear();
  EXPECT_TRUE(map.ProcessWindowMessage(nullptr, kAsk, 0, 0, result, 0));
  EXPECT_EQ(result, 20);
  EXPECT_EQ(map.calls, (std::vector<int>{1, 2}));
}

TEST(AtlMessageMap, CommandHandlersMatchBothIdAndNotification) {
  DerivedMap map;
  LRESULT result = 0;
  HWND button = reinterpret_cast<HWND>(0x1234);
  EXPECT_TRUE(map.ProcessWindowMessage(nullptr, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                       reinterpret_cast<LPARAM>(button), result, 0));
  EXPECT_EQ(result, 40);
  EXPECT_EQ(map.calls, (std::vector<int>{IDOK}));
  EXPECT_EQ(map.control, button);

  map.calls.clear();
  const WORD kOtherNotification = 5;
  EXPECT_FALSE(map.ProcessWindowMessage(nullptr, WM_COMMAND, MAKEWPARAM(IDOK, kOtherNotification), 0, result, 0));
  EXPECT_FALSE(map.ProcessWindowMessage(nullptr, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0, result, 0));
  EXPECT_TRUE(map.calls.empty());
}

TEST(AtlMessageMap, ChainedMapAnswersWhatTheClassDoesNot) {
  DerivedMap map;
  LRESULT result = 0;
  EXPECT_TRUE(map.ProcessWindowMessage(nullptr, kBaseOnly, 0, 0, result, 0));
  EXPECT_EQ(result, 30);
  EXPECT_FALSE(map.ProcessWindowMessage(nullptr, WM_USER + 3, 0, 0, result, 0));
  // Another map id is not this class's map.
  EXPECT_FALSE(map.ProcessWindowMessage(nullptr, kAsk, 1, 0, result, 1));
}

}  // namespace
