// Threads of the framework: AfxBeginThread returns once the new thread can take messages, so
// one posted at once is not lost; thread messages go to the thread's map; the thread ends by
// AfxEndThread, WM_QUIT or a failed InitInstance, its object deleted when it asks for it.
#include <gtest/gtest.h>

#include <vector>

#include "cwinthread.h"
#include "support/machine_fixture.h"

namespace {

constexpr UINT WM_RECORD = WM_APP + 1;
constexpr UINT WM_END = WM_APP + 2;
constexpr DWORD kWait = 30000;  // a hang fails the test instead of blocking the run

struct Record {
  std::vector<WPARAM> values;
  std::vector<DWORD> threads;
  bool initialised_on_own_thread = false;
  bool own_object = false;
  HANDLE deleted = nullptr;  // set when a thread object is destroyed
  BOOL init_result = TRUE;
};

Record& record() {
  static Record r;
  return r;
}

class CRecordingThread : public CWinThread {
  DECLARE_DYNCREATE(CRecordingThread)

 public:
  ~CRecordingThread() override { ::SetEvent(record().deleted); }
  BOOL InitInstance() override {
    record().initialised_on_own_thread = ::GetCurrentThreadId() == m_nThreadID;
    record().own_object = AfxGetThread() == this;
    return record().init_result;
  }
  int ExitInstance() override { return CWinThread::ExitInstance() + 100; }

 protected:
  afx_msg void OnRecord(WPARAM wParam, LPARAM) {
    record().values.push_back(wParam);
    record().threads.push_back(::GetCurrentThreadId());
  }
  afx_msg void OnEnd(WPARAM wParam, LPARAM lParam) { AfxEndThread(static_cast<UINT>(wParam), lParam != 0); }

  DECLARE_MESSAGE_MAP()
};

IMPLEMENT_DYNCREATE(CRecordingThread, CWinThread)

BEGIN_MESSAGE_MAP(CRecordingThread, CWinThread)
  ON_THREAD_MESSAGE(WM_RECORD, &CRecordingThread::OnRecord)
  ON_THREAD_MESSAGE(WM_END, &CRecordingThread::OnEnd)
END_MESSAGE_MAP()

UINT SquareOf(LPVOID pParam) {
  UINT n = *static_cast<UINT*>(pParam);
  return n * n;
}

class ThreadTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    record() = Record{};
    record().deleted = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  }
  void TearDown() override {
    ::CloseHandle(record().deleted);
    MachineTest::TearDown();
  }
  static DWORD ExitCodeOf(HANDLE hThread) {
    EXPECT_EQ(::WaitForSingleObject(hThread, kWait), WAIT_OBJECT_0);
    DWORD code = 0;
    EXPECT_TRUE(::GetExitCodeThread(hThread, &code));
    return code;
  }
};

TEST_F(ThreadTest, MessagesPostedRightAfterTheStartReachTheThreadsMap) {
  auto* pThread = static_cast<CRecordingThread*>(AfxBeginThread(RUNTIME_CLASS(CRecordingThread)));
  ASSERT_NE(pThread, nullptr);
  EXPECT_TRUE(record().initialised_on_own_thread);  // InitInstance ran before AfxBeginThread returned
  EXPECT_TRUE(record().own_object);
  pThread->m_bAutoDelete = FALSE;
  ASSERT_TRUE(pThread->PostThreadMessage(WM_RECORD, 1, 0));
  ASSERT_TRUE(::PostThreadMessageW(pThread->m_nThreadID, WM_RECORD, 2, 0));
  ASSERT_TRUE(pThread->PostThreadMessage(WM_END, 7, FALSE));

  EXPECT_EQ(ExitCodeOf(pThread->m_hThread), 7u);
  EXPECT_EQ(record().values, (std::vector<WPARAM>{1, 2}));
  EXPECT_EQ(record().threads, (std::vector<DWORD>{pThread->m_nThreadID, pThread->m_nThreadID}));
  EXPECT_EQ(::WaitForSingleObject(record().deleted, 0), WAIT_TIMEOUT);  // the object stays
  delete pThread;
}

TEST_F(ThreadTest, AfxEndThreadDeletesTheObjectWhenAsked) {
  auto* pThread = AfxBeginThread(RUNTIME_CLASS(CRecordingThread));
  ASSERT_NE(pThread, nullptr);
  ASSERT_TRUE(pThread->PostThreadMessage(WM_END, 3, TRUE));
  EXPECT_EQ(::WaitForSingleObject(record().deleted, kWait), WAIT_OBJECT_0);
}

TEST_F(ThreadTest, QuitEndsTheLoopWithExitInstancesCode) {
  auto* pThread = AfxBeginThread(RUNTIME_CLASS(CRecordingThread), THREAD_PRIORITY_ABOVE_NORMAL);
  ASSERT_NE(pThread, nullptr);
  pThread->m_bAutoDelete = FALSE;
  EXPECT_EQ(pThread->GetThreadPriority(), THREAD_PRIORITY_ABOVE_NORMAL);
  ASSERT_TRUE(pThread->PostThreadMessage(WM_QUIT, 5, 0));
  EXPECT_EQ(ExitCodeOf(pThread->m_hThread), 105u);
  delete pThread;
}

TEST_F(ThreadTest, AFailedInitInstanceEndsTheThread) {
  record().init_result = FALSE;
  CWinThread* pThread = AfxBeginThread(RUNTIME_CLASS(CRecordingThread));
  ASSERT_NE(pThread, nullptr);
  // Without a message the thread ends by itself, through ExitInstance, and deletes its object.
  EXPECT_EQ(::WaitForSingleObject(record().deleted, kWait), WAIT_OBJECT_0);
}

TEST_F(ThreadTest, AWorkerRunsItsFunctionOnceResumed) {
  UINT n = 6;
  CWinThread* pThread = AfxBeginThread(SquareOf, &n, THREAD_PRIORITY_NORMAL, 0, CREATE_SUSPENDED);
  ASSERT_NE(pThread, nullptr);
  pThread->m_bAutoDelete = FALSE;
  EXPECT_EQ(::WaitForSingleObject(pThread->m_hThread, 0), WAIT_TIMEOUT);
  pThread->ResumeThread();
  EXPECT_EQ(ExitCodeOf(pThread->m_hThread), 36u);
  delete pThread;
}

TEST_F(ThreadTest, AThreadTheFrameworkDidNotStartHasNoObject) {
  EXPECT_EQ(AfxGetThread(), nullptr);
  EXPECT_EQ(AfxBeginThread(RUNTIME_CLASS(CWinThread)), nullptr);  // not creatable by its class
}

}  // namespace
