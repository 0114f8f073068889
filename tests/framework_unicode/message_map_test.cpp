// Message maps: a message goes to the most derived entry that takes it, then to the base class's
// map, then to the window's default handling; commands and notifications find their entries by
// code and id, and a control's own reflected entries come before its parent's.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cdc.h"
#include "cfont.h"
#include "cwnd.h"
#include "support/machine_fixture.h"
#include "wide_text.h"

namespace {

constexpr UINT kButtonId = 1;
constexpr UINT kFirstRangeId = 10, kLastRangeId = 12;
constexpr UINT kListId = 5;
constexpr UINT WM_PING = WM_APP + 1;
constexpr UINT WM_BASE_ONLY = WM_APP + 2;

std::vector<std::string> g_calls;

class CBaseWnd : public CWnd {
 public:
  afx_msg void OnTimer(UINT_PTR nIDEvent) { g_calls.push_back("base timer " + std::to_string(nIDEvent)); }
  afx_msg void OnSize(UINT nType, int cx, int cy) {
    g_calls.push_back("base size " + std::to_string(nType) + " " + std::to_string(cx) + "x" + std::to_string(cy));
  }
  afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) {
    g_calls.push_back("base ping");
    return static_cast<LRESULT>(wParam);
  }
  afx_msg LRESULT OnBaseOnly(WPARAM, LPARAM) { return 77; }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseWnd, CWnd)
  ON_WM_TIMER()
  ON_WM_SIZE()
  ON_MESSAGE(WM_PING, &CBaseWnd::OnPing)
  ON_MESSAGE(WM_BASE_ONLY, &CBaseWnd::OnBaseOnly)
END_MESSAGE_MAP()

class CProbeWnd : public CBaseWnd {
 public:
  BOOL m_bTipHandled = TRUE;
  HDC m_hLastDC = nullptr;

 protected:
  afx_msg int OnCreate(LPCREATESTRUCT lpCreateStruct) {
    g_calls.push_back(FromHandlePermanent(m_hWnd) == this ? "create attached" : "create detached");
    EXPECT_EQ(lpCreateStruct->lpCreateParams, this);
    return CBaseWnd::OnCreate(lpCreateStruct);
  }
  afx_msg LRESULT OnPing(WPARAM wParam, LPARAM) {
    g_calls.push_back("derived ping");
    return static_cast<LRESULT>(wParam) * 10;
  }
  afx_msg HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor) {
    g_calls.push_back("colour " + std::to_string(nCtlColor) + (pWnd->GetDlgCtrlID() == kButtonId ? " button" : " ?"));
    m_hLastDC = pDC->m_hDC;
    return static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
  }
  afx_msg void OnButton() { g_calls.push_back("button clicked"); }
  afx_msg void OnRange(UINT nID) { g_calls.push_back("range " + std::to_string(nID)); }
  afx_msg void OnListClick(NMHDR* pNMHDR, LRESULT* pResult) {
    g_calls.push_back("list click from " + std::to_string(pNMHDR->idFrom));
    *pResult = 42;
  }
  afx_msg BOOL OnToolTipText(UINT nID, NMHDR*, LRESULT* pResult) {
    g_calls.push_back("tooltip " + std::to_string(nID));
    *pResult = 5;
    return m_bTipHandled;
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CProbeWnd, CBaseWnd)
  ON_WM_CREATE()
  ON_WM_CTLCOLOR()
  ON_MESSAGE(WM_PING, &CProbeWnd::OnPing)
  ON_BN_CLICKED(kButtonId, &CProbeWnd::OnButton)
  ON_COMMAND_RANGE(kFirstRangeId, kLastRangeId, &CProbeWnd::OnRange)
  ON_NOTIFY(NM_CLICK, kListId, &CProbeWnd::OnListClick)
  ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, &CProbeWnd::OnToolTipText)
END_MESSAGE_MAP()

// A button that handles its own click through reflection.
class CSelfishButton : public CWnd {
 protected:
  afx_msg void OnReflectedClick() { g_calls.push_back("button's own click"); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfishButton, CWnd)
  ON_CONTROL_REFLECT(BN_CLICKED, &CSelfishButton::OnReflectedClick)
END_MESSAGE_MAP()

class MessageMapTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    g_calls.clear();
    ASSERT_TRUE(wnd_.CreateEx(0, nullptr, L"probe", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr, &wnd_));
    button_ = CreateWindowExW(0, L"Button", L"OK", WS_CHILD | BS_PUSHBUTTON, 0, 0, 50, 20, wnd_.m_hWnd,
                              reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kButtonId)), nullptr, nullptr);
    ASSERT_NE(button_, nullptr);
    creation_calls_.swap(g_calls);
  }
  void TearDown() override {
    wnd_.DestroyWindow();
    MachineTest::TearDown();
  }
  LRESULT Click(UINT nID, HWND hWndFrom) {
    return wnd_.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), reinterpret_cast<LPARAM>(hWndFrom));
  }
  LRESULT Notify(UINT code, UINT_PTR idFrom) {
    NMHDR hdr = {button_, idFrom, code};
    return wnd_.SendMessage(WM_NOTIFY, idFrom, reinterpret_cast<LPARAM>(&hdr));
  }

  CProbeWnd wnd_;
  HWND button_ = nullptr;
  std::vector<std::string> creation_calls_;
};

TEST_F(MessageMapTest, WindowMessagesGoToTheMostDerivedEntryThenTheBase) {
  EXPECT_EQ(creation_calls_, std::vector<std::string>{"create attached"});

  EXPECT_EQ(wnd_.SendMessage(WM_PING, 3), 30);  // the derived entry hides the base's
  EXPECT_EQ(wnd_.SendMessage(WM_BASE_ONLY), 77);
  wnd_.SendMessage(WM_TIMER, 9);
  wnd_.SendMessage(WM_SIZE, 0, MAKELPARAM(120, 45));  // SIZE_RESTORED
  EXPECT_EQ(g_calls, (std::vector<std::string>{"derived ping", "base timer 9", "base size 0 120x45"}));

  // No entry: the default window procedure answers.
  EXPECT_EQ(wnd_.SendMessage(WM_APP + 9, 1, 2), 0);
  wnd_.SetWindowText(L"title");
  CString text;
  wnd_.GetWindowText(text);
  EXPECT_EQ(unicode_testing::U(text), u"title");
}

TEST_F(MessageMapTest, EveryControlColourMessageGoesToOnCtlColorWithItsKind) {
  HDC hDC = GetDC(wnd_.m_hWnd);
  for (UINT message : {WM_CTLCOLORSTATIC, WM_CTLCOLORBTN, WM_CTLCOLORDLG}) {
    LRESULT brush = wnd_.SendMessage(message, reinterpret_cast<WPARAM>(hDC), reinterpret_cast<LPARAM>(button_));
    EXPECT_EQ(reinterpret_cast<HGDIOBJ>(brush), GetStockObject(WHITE_BRUSH));
  }
  EXPECT_EQ(wnd_.m_hLastDC, hDC);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"colour " + std::to_string(CTLCOLOR_STATIC) + " button",
                                               "colour " + std::to_string(CTLCOLOR_BTN) + " button",
                                               "colour " + std::to_string(CTLCOLOR_DLG) + " button"}));
  ReleaseDC(wnd_.m_hWnd, hDC);
  CDC::DeleteTempMap();
}

TEST_F(MessageMapTest, TheFontIsTheControlsOwn) {
  CWnd* pButton = wnd_.GetDlgItem(kButtonId);
  CFont font;
  ASSERT_TRUE(font.CreatePointFont(100, L"Arial"));
  pButton->SetFont(&font);
  EXPECT_EQ(reinterpret_cast<HFONT>(::SendMessageW(button_, WM_GETFONT, 0, 0)), font.GetSafeHandle());
  EXPECT_EQ(pButton->GetFont(), &font);  // the font's own wrapper, not a new one
  pButton->SetFont(nullptr, FALSE);
  EXPECT_EQ(::SendMessageW(button_, WM_GETFONT, 0, 0), 0);
}

TEST_F(MessageMapTest, CommandsFindTheirEntriesByCodeAndId) {
  Click(kButtonId, button_);
  wnd_.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_CLICKED), 0);  // a menu command, same id
  wnd_.SendMessage(WM_COMMAND, MAKEWPARAM(kButtonId, BN_SETFOCUS), reinterpret_cast<LPARAM>(button_));
  for (UINT id = kFirstRangeId - 1; id <= kLastRangeId + 1; ++id) wnd_.SendMessage(WM_COMMAND, id, 0);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"button clicked", "button clicked", "range 10", "range 11",
                                               "range 12"}));
}

TEST_F(MessageMapTest, NotificationsCarryTheirResult) {
  EXPECT_EQ(Notify(NM_CLICK, kListId), 42);
  EXPECT_EQ(Notify(NM_CLICK, kListId + 1), 0);  // no entry for that id

  // Id 0 in ON_NOTIFY_EX takes the notification from any id; FALSE leaves it to the default.
  UINT_PTR toolId = reinterpret_cast<UINT_PTR>(button_) & 0xFFFF;
  EXPECT_EQ(Notify(TTN_NEEDTEXTW, toolId), 5);
  wnd_.m_bTipHandled = FALSE;
  EXPECT_EQ(Notify(TTN_NEEDTEXTW, 3), 0);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"list click from 5", "tooltip " + std::to_string(toolId),
                                               "tooltip 3"}));
}

TEST_F(MessageMapTest, AControlsReflectedEntryComesBeforeItsParent) {
  CSelfishButton selfish;
  ASSERT_TRUE(selfish.SubclassWindow(button_));
  Click(kButtonId, button_);
  EXPECT_EQ(g_calls, std::vector<std::string>{"button's own click"});

  // Without the control's object the parent's entry handles it again.
  selfish.UnsubclassWindow();
  g_calls.clear();
  Click(kButtonId, button_);
  EXPECT_EQ(g_calls, std::vector<std::string>{"button clicked"});
}

}  // namespace
