#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cwinapp.h"
#include "cwnd.h"
#include "framework_machine.h"

namespace {

using framework_testing::FrameworkMachineTest;

class RecordingApp : public CWinApp {
 public:
  explicit RecordingApp(BOOL init_result, const char* name = nullptr) : CWinApp(name), init_result_(init_result) {}
  BOOL InitInstance() override {
    calls.push_back("InitInstance");
    return init_result_;
  }
  int ExitInstance() override {
    calls.push_back("ExitInstance");
    return 42;
  }
  int Run() override {
    calls.push_back("Run");
    return CWinApp::Run() + 1;
  }
  std::vector<std::string> calls;

 private:
  BOOL init_result_;
};

class CWinAppTest : public FrameworkMachineTest {};

TEST_F(CWinAppTest, FailedInitInstanceEndsWithExitInstance) {
  RecordingApp app(FALSE);
  EXPECT_EQ(AfxGetApp(), &app);
  char args[] = "-i -r 1.2.3.4";
  EXPECT_EQ(AfxWinMain(nullptr, nullptr, args, 1), 42);
  EXPECT_EQ(app.calls, (std::vector<std::string>{"InitInstance", "ExitInstance"}));
  EXPECT_STREQ(app.m_lpCmdLine, "-i -r 1.2.3.4");
}

TEST_F(CWinAppTest, SuccessfulInitInstanceRuns) {
  RecordingApp app(TRUE);
  char args[] = "";
  // A program without a window: Run ends at once with ExitInstance's code.
  EXPECT_EQ(AfxWinMain(nullptr, nullptr, args, 1), 43);
  EXPECT_EQ(app.calls, (std::vector<std::string>{"InitInstance", "Run", "ExitInstance"}));
}

// Its main window's end ends the message loop, and with it the program.
class WindowApp : public CWinApp {
 public:
  BOOL InitInstance() override {
    if (!m_wnd.CreateEx(0, nullptr, "main", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr)) return FALSE;
    m_pMainWnd = &m_wnd;
    m_wnd.PostMessage(WM_CLOSE);
    return TRUE;
  }
  int ExitInstance() override {
    main_window_gone = m_pMainWnd == nullptr && !IsWindow(m_wnd.m_hWnd);
    return CWinApp::ExitInstance() + 5;
  }
  CWnd m_wnd;
  bool main_window_gone = false;
};

TEST_F(CWinAppTest, WithAMainWindowRunPumpsMessagesUntilItIsGone) {
  WindowApp app;
  EXPECT_EQ(AfxGetThread(), &app);  // the application is the first thread's object
  char args[] = "";
  EXPECT_EQ(AfxWinMain(nullptr, nullptr, args, 1), 5);  // WM_QUIT's code 0, through ExitInstance
  EXPECT_TRUE(app.main_window_gone);
}

TEST_F(CWinAppTest, NamesComeFromTheProgramFile) {
  {
    RecordingApp app(FALSE);
    char args[] = "";
    AfxWinMain(nullptr, nullptr, args, 1);
    char path[MAX_PATH];
    ASSERT_GT(GetModuleFileNameA(nullptr, path, MAX_PATH), 0u);
    std::string title = strrchr(path, '\\') + 1;
    title = title.substr(0, title.rfind('.'));
    EXPECT_EQ(app.m_pszExeName, title);
    EXPECT_STREQ(app.m_pszAppName, app.m_pszExeName);
    EXPECT_STREQ(AfxGetAppName(), app.m_pszExeName);
    EXPECT_EQ(app.m_pszRegistryKey, nullptr);
    app.SetRegistryKey("RV Test Service");
    EXPECT_STREQ(app.m_pszRegistryKey, "RV Test Service");
    EXPECT_STREQ(app.m_pszProfileName, app.m_pszAppName);
  }
  EXPECT_EQ(AfxGetApp(), nullptr);  // gone with its object

  RecordingApp named(FALSE, "Named Application");
  char args[] = "";
  AfxWinMain(nullptr, nullptr, args, 1);
  EXPECT_STREQ(named.m_pszAppName, "Named Application");
}

}  // namespace
