// Window objects and their handles: the permanent object of a window the framework made or
// subclassed, temporary wrappers for the others, and the order of the calls that attach,
// subclass and detach an object.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cwnd.h"
#include "support/machine_fixture.h"
#include "wide_text.h"

namespace {

constexpr int kEditId = 100;

std::vector<std::string> g_calls;

// Records what it sees of itself at each step of its life.
class CRecordingWnd : public CWnd {
 public:
  void PreSubclassWindow() override {
    g_calls.push_back(std::string("PreSubclassWindow ") + (FromHandlePermanent(m_hWnd) == this ? "attached" : "?"));
  }
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_NCCREATE) g_calls.push_back("WM_NCCREATE");
    if (message == WM_CREATE) g_calls.push_back("WM_CREATE");
    return CWnd::WindowProc(message, wParam, lParam);
  }
  void PostNcDestroy() override { g_calls.push_back(m_hWnd == nullptr ? "PostNcDestroy detached" : "?"); }
};

// Keeps its edit control's text in upper case, on top of the edit's own handling.
class CUpperEdit : public CRecordingWnd {
 protected:
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message != WM_SETTEXT) return CRecordingWnd::WindowProc(message, wParam, lParam);
    CString upper(reinterpret_cast<LPCWSTR>(lParam));
    upper.MakeUpper();
    return DefWindowProc(message, wParam, reinterpret_cast<LPARAM>(upper.GetString()));
  }
};

// Deletes itself with its window, as windows the program allocates do.
class CSelfDeletingWnd : public CWnd {
 public:
  explicit CSelfDeletingWnd(bool* pDeleted) : m_pDeleted(pDeleted) {}
  ~CSelfDeletingWnd() override { *m_pDeleted = true; }
  void PostNcDestroy() override { delete this; }

 private:
  bool* m_pDeleted;
};

class WindowObjectsTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    g_calls.clear();
    parent_ = CreateWindowExW(0, L"Static", L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr, nullptr,
                              nullptr, nullptr);
    edit_ = CreateWindowExW(0, L"Edit", L"", WS_CHILD | ES_AUTOHSCROLL, 10, 10, 100, 20, parent_,
                            reinterpret_cast<HMENU>(static_cast<UINT_PTR>(kEditId)), nullptr, nullptr);
    ASSERT_NE(edit_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(parent_);
    CWnd::DeleteTempMap();
    MachineTest::TearDown();
  }

  HWND parent_ = nullptr;
  HWND edit_ = nullptr;
};

TEST_F(WindowObjectsTest, AForeignWindowGetsOneTemporaryWrapperUntilIdleTime) {
  EXPECT_EQ(CWnd::FromHandlePermanent(parent_), nullptr);
  CWnd* pWrapper = CWnd::FromHandle(parent_);
  ASSERT_NE(pWrapper, nullptr);
  EXPECT_EQ(pWrapper->m_hWnd, parent_);
  EXPECT_EQ(CWnd::FromHandle(parent_), pWrapper);
  EXPECT_EQ(CWnd::FromHandlePermanent(parent_), nullptr);
  EXPECT_EQ(CWnd::FromHandle(nullptr), nullptr);

  CWnd* pEdit = pWrapper->GetDlgItem(kEditId);
  ASSERT_NE(pEdit, nullptr);
  EXPECT_EQ(pEdit->m_hWnd, edit_);
  EXPECT_EQ(pEdit->GetParent(), pWrapper);
  EXPECT_EQ(pEdit->GetDlgCtrlID(), kEditId);

  // The wrappers go; the windows stay.
  CWnd::DeleteTempMap();
  EXPECT_TRUE(IsWindow(parent_));
  EXPECT_TRUE(IsWindow(edit_));
}

TEST_F(WindowObjectsTest, AnAttachedObjectIsTheWindowsPermanentOne) {
  CWnd wnd;
  ASSERT_TRUE(wnd.Attach(parent_));
  EXPECT_FALSE(wnd.Attach(edit_));  // one window an object
  EXPECT_EQ(CWnd::FromHandlePermanent(parent_), &wnd);
  EXPECT_EQ(CWnd::FromHandle(parent_), &wnd);
  EXPECT_EQ(wnd.Detach(), parent_);
  EXPECT_EQ(wnd.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(parent_), nullptr);
  EXPECT_TRUE(IsWindow(parent_));
}

TEST_F(WindowObjectsTest, SubclassDlgItemAttachesBeforePreSubclassWindowAndKeepsTheControlsHandling) {
  CUpperEdit edit;
  CWnd* pParent = CWnd::FromHandle(parent_);
  ASSERT_TRUE(edit.SubclassDlgItem(kEditId, pParent));
  EXPECT_EQ(g_calls, std::vector<std::string>{"PreSubclassWindow attached"});
  EXPECT_EQ(pParent->GetDlgItem(kEditId), &edit);

  // The object sees the message first; the edit control still keeps the text.
  edit.SetWindowText(L"mixed Case");
  WCHAR text[32];
  GetWindowTextW(edit_, text, 32);
  EXPECT_EQ(testing_support::U(text), u"MIXED CASE");

  EXPECT_EQ(edit.UnsubclassWindow(), edit_);
  EXPECT_EQ(CWnd::FromHandlePermanent(edit_), nullptr);
  SetWindowTextW(edit_, L"lower");
  GetWindowTextW(edit_, text, 32);
  EXPECT_EQ(testing_support::U(text), u"lower");
  EXPECT_FALSE(edit.SubclassDlgItem(kEditId + 1, pParent));
}

TEST_F(WindowObjectsTest, AWindowTheFrameworkCreatesIsAttachedBeforeItsFirstMessage) {
  CRecordingWnd wnd;
  ASSERT_TRUE(wnd.CreateEx(0, nullptr, L"made", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr));
  EXPECT_EQ(g_calls, (std::vector<std::string>{"PreSubclassWindow attached", "WM_NCCREATE", "WM_CREATE"}));

  // The framework's own class: no background brush, the arrow cursor.
  WCHAR className[128];
  ASSERT_GT(GetClassNameW(wnd.m_hWnd, className, 128), 0);
  WNDCLASSW wc = {};
  ASSERT_TRUE(GetClassInfoW(GetModuleHandleW(nullptr), className, &wc));
  EXPECT_EQ(wc.hbrBackground, nullptr);
  EXPECT_EQ(wc.hCursor, LoadCursorW(nullptr, IDC_ARROW));

  g_calls.clear();
  HWND hWnd = wnd.m_hWnd;
  EXPECT_TRUE(wnd.DestroyWindow());
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(g_calls, std::vector<std::string>{"PostNcDestroy detached"});
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(WindowObjectsTest, AChildOfASystemClassIsCreatedByName) {
  CRecordingWnd button;
  CWnd* pParent = CWnd::FromHandle(parent_);
  ASSERT_TRUE(button.Create(L"Button", L"Go", BS_PUSHBUTTON, CRect(5, 5, 60, 25), pParent, 7));
  EXPECT_EQ(button.GetDlgCtrlID(), 7);
  EXPECT_EQ(button.GetParent(), pParent);
  EXPECT_TRUE(button.GetStyle() & WS_CHILD);
  CString text;
  button.GetWindowText(text);
  EXPECT_EQ(unicode_testing::U(text), u"Go");
  EXPECT_EQ(g_calls.front(), "PreSubclassWindow attached");
}

TEST_F(WindowObjectsTest, AnObjectCanDeleteItselfWithItsWindow) {
  bool deleted = false;
  auto* pWnd = new CSelfDeletingWnd(&deleted);
  ASSERT_TRUE(pWnd->CreateEx(0, nullptr, L"gone", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr));
  HWND hWnd = pWnd->m_hWnd;
  DestroyWindow(hWnd);  // the window goes first, by the system's call
  EXPECT_TRUE(deleted);
  EXPECT_EQ(CWnd::FromHandlePermanent(hWnd), nullptr);
}

TEST_F(WindowObjectsTest, StylesAndTextsThroughTheObject) {
  CWnd* pParent = CWnd::FromHandle(parent_);
  CWnd* pEdit = pParent->GetDlgItem(kEditId);
  EXPECT_TRUE(pEdit->ModifyStyle(0, ES_READONLY));
  EXPECT_FALSE(pEdit->ModifyStyle(0, ES_READONLY));  // nothing changed
  EXPECT_TRUE(pEdit->GetStyle() & ES_READONLY);
  EXPECT_TRUE(pEdit->ModifyStyle(ES_READONLY, 0));
  EXPECT_FALSE(pEdit->GetStyle() & ES_READONLY);

  pParent->SetDlgItemText(kEditId, L"12");
  CString text;
  EXPECT_EQ(pParent->GetDlgItemText(kEditId, text), 2);
  EXPECT_EQ(unicode_testing::U(text), u"12");
  EXPECT_EQ(pParent->GetDlgItemInt(kEditId), 12u);
  EXPECT_EQ(pEdit->GetWindowTextLength(), 2);

  CRect client;
  pParent->GetClientRect(&client);
  CRect screen = client;
  pParent->ClientToScreen(&screen);
  pParent->ScreenToClient(&screen);
  EXPECT_TRUE(screen == client);
}

}  // namespace
