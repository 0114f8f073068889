// Dialogs from templates in memory: modal ones run in the framework's loop, so the dialog's
// PreTranslateMessage sees every key before the dialog manager; data exchange runs at
// initialisation (into the controls) and at OK (into the members).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cdataexchange.h"
#include "cdialog.h"
#include "cwinthread.h"
#include "comctl/dialog_template_builder.h"
#include "support/machine_fixture.h"
#include "wide_text.h"

namespace {

using comctl_test::TemplateBuilder;

constexpr WORD kEditId = 100;
constexpr UINT WM_SCRIPT = WM_APP + 3;

std::vector<std::string> g_calls;

TemplateBuilder EditDialog(DWORD style = WS_POPUP | WS_CAPTION | WS_VISIBLE) {
  TemplateBuilder builder(style, u"Data");
  builder.item(u"Edit", kEditId, 10, 10, 100, 14, WS_TABSTOP | WS_BORDER)
      .item(u"Button", IDOK, 10, 30, 50, 14, WS_TABSTOP | BS_DEFPUSHBUTTON, u"OK")
      .item(u"Button", IDCANCEL, 70, 30, 50, 14, WS_TABSTOP, u"Cancel");
  return builder;
}

// Runs what the test scripted, one posted step at a time, from inside the dialog's loop.
class CScriptedDialog : public CDialog {
 public:
  CString m_strName = L"initial";
  std::vector<void (*)(CScriptedDialog*)> m_steps;
  BOOL m_bRefuse = FALSE;  // the exchange into the members fails
  BOOL m_bOwnerWasEnabled = TRUE;

  void NextStep() { PostMessage(WM_SCRIPT); }

 protected:
  BOOL OnInitDialog() override {
    g_calls.push_back("OnInitDialog");
    CDialog::OnInitDialog();
    CWnd* pOwner = GetOwner();
    m_bOwnerWasEnabled = pOwner != nullptr && pOwner->IsWindowEnabled();
    NextStep();
    return TRUE;
  }
  void DoDataExchange(CDataExchange* pDX) override {
    g_calls.push_back(pDX->m_bSaveAndValidate ? "exchange into members" : "exchange into controls");
    DDX_Text(pDX, kEditId, m_strName);
    if (pDX->m_bSaveAndValidate && m_bRefuse) pDX->Fail();
  }
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
      g_calls.push_back(pMsg->hwnd == ::GetDlgItem(m_hWnd, kEditId) ? "Enter in the edit kept" : "Enter elsewhere");
      return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
  }
  void OnOK() override {
    g_calls.push_back("OnOK");
    CDialog::OnOK();
  }
  afx_msg LRESULT OnScript(WPARAM, LPARAM) {
    if (!m_steps.empty()) {
      auto step = m_steps.front();
      m_steps.erase(m_steps.begin());
      step(this);
    }
    return 0;
  }

  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CScriptedDialog, CDialog)
  ON_MESSAGE(WM_SCRIPT, &CScriptedDialog::OnScript)
END_MESSAGE_MAP()

void PressEnterInTheEdit(CScriptedDialog* pDlg) {
  HWND hEdit = ::GetDlgItem(pDlg->m_hWnd, kEditId);
  ::PostMessageW(hEdit, WM_KEYDOWN, VK_RETURN, 1);
  pDlg->NextStep();
}

void PressEscape(CScriptedDialog* pDlg) {
  HWND hEdit = ::GetDlgItem(pDlg->m_hWnd, kEditId);
  ::PostMessageW(hEdit, WM_KEYDOWN, VK_ESCAPE, 1);
}

void TypeAndClickOk(CScriptedDialog* pDlg) {
  pDlg->SetDlgItemText(kEditId, L"typed");
  pDlg->PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                    reinterpret_cast<LPARAM>(::GetDlgItem(pDlg->m_hWnd, IDOK)));
  pDlg->NextStep();
}

void Cancel(CScriptedDialog* pDlg) { pDlg->PostMessage(WM_COMMAND, IDCANCEL); }

void Destroy(CScriptedDialog* pDlg) { pDlg->DestroyWindow(); }

// A thread whose main window is a modeless dialog: the dialog's end is the thread's.
class CDialogThread : public CWinThread {
  DECLARE_DYNCREATE(CDialogThread)

 public:
  BOOL InitInstance() override {
    static TemplateBuilder dialog = EditDialog();
    m_dlg.m_steps = {PressEnterInTheEdit, Destroy};
    if (!m_dlg.CreateIndirect(reinterpret_cast<const DLGTEMPLATE*>(dialog.get()))) return FALSE;
    m_pMainWnd = &m_dlg;
    return TRUE;
  }

  CScriptedDialog m_dlg;
};

IMPLEMENT_DYNCREATE(CDialogThread, CWinThread)

class DialogTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    g_calls.clear();
  }
};

TEST_F(DialogTest, TheDialogsPreTranslateMessageSeesKeysBeforeTheDialogManager) {
  TemplateBuilder dialog = EditDialog();
  CScriptedDialog dlg;
  ASSERT_TRUE(dlg.InitModalIndirect(reinterpret_cast<const DLGTEMPLATE*>(dialog.get())));
  // Enter would press the default button (IDOK); the dialog keeps it. Escape reaches the
  // dialog manager, which cancels.
  dlg.m_steps = {PressEnterInTheEdit, PressEscape};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"OnInitDialog", "exchange into controls", "Enter in the edit kept"}));
  EXPECT_EQ(dlg.m_hWnd, nullptr);  // gone with DoModal
  EXPECT_EQ(unicode_testing::U(dlg.m_strName), u"initial");
}

TEST_F(DialogTest, OkExchangesIntoTheMembersAndEndsTheModalDialog) {
  HWND owner = CreateWindowExW(0, L"Static", L"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                               nullptr, nullptr, nullptr);
  TemplateBuilder dialog = EditDialog();
  CScriptedDialog dlg;
  dlg.InitModalIndirect(reinterpret_cast<const DLGTEMPLATE*>(dialog.get()), CWnd::FromHandle(owner));
  dlg.m_steps = {TypeAndClickOk};
  EXPECT_EQ(dlg.DoModal(), IDOK);
  EXPECT_EQ(g_calls,
            (std::vector<std::string>{"OnInitDialog", "exchange into controls", "OnOK", "exchange into members"}));
  EXPECT_EQ(unicode_testing::U(dlg.m_strName), u"typed");
  EXPECT_FALSE(dlg.m_bOwnerWasEnabled);  // disabled while the dialog ran
  EXPECT_TRUE(IsWindowEnabled(owner));
  DestroyWindow(owner);
  CWnd::DeleteTempMap();
}

TEST_F(DialogTest, ARefusedExchangeKeepsTheDialogOpen) {
  TemplateBuilder dialog = EditDialog();
  CScriptedDialog dlg;
  dlg.InitModalIndirect(reinterpret_cast<const DLGTEMPLATE*>(dialog.get()));
  dlg.m_bRefuse = TRUE;
  dlg.m_steps = {TypeAndClickOk, Cancel};
  EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  EXPECT_EQ(g_calls,
            (std::vector<std::string>{"OnInitDialog", "exchange into controls", "OnOK", "exchange into members"}));
}

TEST_F(DialogTest, AModelessDialogLivesUntilItIsDestroyed) {
  TemplateBuilder dialog = EditDialog();
  CScriptedDialog dlg;
  ASSERT_TRUE(dlg.CreateIndirect(reinterpret_cast<const DLGTEMPLATE*>(dialog.get())));
  ASSERT_NE(dlg.m_hWnd, nullptr);
  EXPECT_EQ(CWnd::FromHandlePermanent(dlg.m_hWnd), &dlg);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"OnInitDialog", "exchange into controls"}));
  CString text;
  dlg.GetDlgItemText(kEditId, text);
  EXPECT_EQ(unicode_testing::U(text), u"initial");
  EXPECT_EQ(LOWORD(dlg.GetDefID()), IDOK);

  dlg.SetDlgItemText(kEditId, L"changed");
  EXPECT_TRUE(dlg.UpdateData());
  EXPECT_EQ(unicode_testing::U(dlg.m_strName), u"changed");

  HWND hWnd = dlg.m_hWnd;
  EXPECT_TRUE(dlg.DestroyWindow());
  EXPECT_FALSE(IsWindow(hWnd));
  EXPECT_EQ(dlg.m_hWnd, nullptr);
}

TEST_F(DialogTest, TheThreadLoopWalksTheWindowsToTheDialogAndEndsWithIt) {
  CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CDialogThread), THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE(pThread, nullptr);
  pThread->m_bAutoDelete = FALSE;
  pThread->ResumeThread();
  ASSERT_EQ(::WaitForSingleObject(pThread->m_hThread, 30000), WAIT_OBJECT_0);
  DWORD code = 1;
  EXPECT_TRUE(::GetExitCodeThread(pThread->m_hThread, &code));
  EXPECT_EQ(code, 0u);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"OnInitDialog", "exchange into controls", "Enter in the edit kept"}));
  EXPECT_EQ(pThread->m_pMainWnd, nullptr);
  delete pThread;
}

TEST_F(DialogTest, EndDialogInOnInitDialogEndsBeforeTheLoop) {
  class CQuickDialog : public CDialog {
   protected:
    BOOL OnInitDialog() override {
      EndDialog(41);
      return TRUE;
    }
  };
  TemplateBuilder dialog = EditDialog(WS_POPUP | WS_CAPTION);
  CQuickDialog dlg;
  dlg.InitModalIndirect(reinterpret_cast<const DLGTEMPLATE*>(dialog.get()));
  EXPECT_EQ(dlg.DoModal(), 41);
}

}  // namespace
