// Tooltips of the framework: a CToolTipCtrl's tools and their texts, and a window's
// EnableToolTips, whose controls' tips the window writes in its TTN_NEEDTEXTW handler.
#include <gtest/gtest.h>

#include <vector>

#include "automation/target.h"
#include "cdialog.h"
#include "ctooltipctrl.h"
#include "framework_unicode/controls_fixture.h"
#include "framework_unicode/controls_test.h"
#include "framework_unicode/wide_text.h"

namespace {

using unicode_testing::ControlsTest;
using unicode_testing::U;

std::u16string ToolText(const CToolTipCtrl& tip, CWnd* pWnd, UINT_PTR nIDTool = 0) {
  CString text;
  tip.GetText(text, pWnd, nIDTool);
  return U(text.GetString(), static_cast<size_t>(text.GetLength()));
}

// A form whose controls' tips are its own texts: "tip <control id>".
class TipDialog : public CDialog {
 public:
  TipDialog() : CDialog(IDD_FORM) {}
  std::vector<HWND> m_asked;  // the tools the tooltip asked about, in turn
  BOOL m_flaggedByHandle = TRUE;

  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    EnableToolTips(TRUE);
    return TRUE;
  }
  BOOL OnToolTipText(UINT, NMHDR* pNMHDR, LRESULT* pResult) {
    auto* pInfo = reinterpret_cast<NMTTDISPINFOW*>(pNMHDR);
    HWND hTool = reinterpret_cast<HWND>(pNMHDR->idFrom);
    m_asked.push_back(hTool);
    m_flaggedByHandle = m_flaggedByHandle && (pInfo->uFlags & TTF_IDISHWND) != 0;
    CString text;
    text.Format(L"tip %d", ::GetDlgCtrlID(hTool));
    ::lstrcpynW(pInfo->szText, text, 80);
    *pResult = 0;
    return TRUE;
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(TipDialog, CDialog)
  ON_NOTIFY_EX(TTN_NEEDTEXTW, 0, &TipDialog::OnToolTipText)
END_MESSAGE_MAP()

using ToolTipsTest = ControlsTest;

// The mouse over the window, and what its tip shows once the thread's queue has been worked off.
std::optional<std::u16string> HoverTip(HWND hWnd) {
  auto handle = platform::automation::WindowHandle(reinterpret_cast<uintptr_t>(hWnd));
  if (!platform::automation::hover(handle)) return std::nullopt;
  MSG msg;
  while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
  return platform::automation::tip(handle);
}

TEST_F(ToolTipsTest, EnabledWindowWritesItsControlsTips) {
  TipDialog form;
  ASSERT_TRUE(form.Create(IDD_FORM));
  HWND hName = ::GetDlgItem(form.m_hWnd, IDC_NAME);
  HWND hAgree = ::GetDlgItem(form.m_hWnd, IDC_AGREE);

  EXPECT_EQ(HoverTip(hName), std::optional<std::u16string>(u"tip 1001"));
  EXPECT_EQ(HoverTip(hAgree), std::optional<std::u16string>(u"tip 1002"));
  ASSERT_EQ(form.m_asked.size(), 2u);
  EXPECT_EQ(form.m_asked[0], hName);
  EXPECT_EQ(form.m_asked[1], hAgree);
  EXPECT_TRUE(form.m_flaggedByHandle);

  // Switched off, the tips no longer show; switched on again, they do.
  form.EnableToolTips(FALSE);
  EXPECT_EQ(HoverTip(hName), std::nullopt);
  form.EnableToolTips(TRUE);
  EXPECT_EQ(HoverTip(hName), std::optional<std::u16string>(u"tip 1001"));
  form.DestroyWindow();
}

TEST_F(ToolTipsTest, ToolsKeepTheirTextsUntilChangedOrDeleted) {
  CDialog parent(IDD_FORM);
  ASSERT_TRUE(parent.Create(IDD_FORM));
  CToolTipCtrl tip;
  ASSERT_TRUE(tip.Create(&parent));
  CWnd* pName = parent.GetDlgItem(IDC_NAME);
  CWnd* pCount = parent.GetDlgItem(IDC_COUNT);

  ASSERT_TRUE(tip.AddTool(pName, L"Your name"));
  ASSERT_TRUE(tip.AddTool(pCount, IDS_TIP));
  EXPECT_EQ(ToolText(tip, pName), u"Your name");
  EXPECT_EQ(ToolText(tip, pCount), u"Tip from the string table");

  tip.UpdateTipText(L"Your full name", pName);
  EXPECT_EQ(ToolText(tip, pName), u"Your full name");
  // A tool by id within the window rather than the window itself.
  CRect area(0, 0, 20, 20);
  ASSERT_TRUE(tip.AddTool(&parent, L"Corner", &area, 7));
  EXPECT_EQ(ToolText(tip, &parent, 7), u"Corner");

  tip.DelTool(pName);
  EXPECT_EQ(ToolText(tip, pName), u"");
  EXPECT_EQ(ToolText(tip, &parent, 7), u"Corner");
  tip.SetMaxTipWidth(200);
  EXPECT_EQ(tip.SetMaxTipWidth(-1), 200);
  parent.DestroyWindow();
}

}  // namespace
