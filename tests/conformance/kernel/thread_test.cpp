#include <process.h>
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <set>

#include "support/thread.h"

namespace {

using testing_support::Thread;

struct Gate {
  HANDLE go = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  HANDLE finished = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  std::atomic<DWORD> id{0};
  std::atomic<bool> ran{false};
  std::atomic<bool> past_exit{false};
  ~Gate() {
    CloseHandle(go);
    CloseHandle(finished);
  }
};

DWORD WINAPI wait_at_gate(LPVOID p) {
  auto* gate = static_cast<Gate*>(p);
  gate->id = GetCurrentThreadId();
  gate->ran = true;
  WaitForSingleObject(gate->go, INFINITE);
  SetEvent(gate->finished);
  return 7;
}

void end_early(Gate* gate) {
  ExitThread(42);
  gate->past_exit = true;
}

DWORD WINAPI exit_from_inside(LPVOID p) {
  end_early(static_cast<Gate*>(p));
  return 1;
}

unsigned __stdcall crt_thread(void* p) {
  static_cast<Gate*>(p)->id = GetCurrentThreadId();
  _endthreadex(9);
  return 1;
}

TEST(ThreadTest, TheHandleIsSignalledWhenTheThreadEndsAndKeepsItsExitCode) {
  Gate gate;
  DWORD id = 0;
  HANDLE t = CreateThread(nullptr, 0, wait_at_gate, &gate, 0, &id);
  ASSERT_NE(t, nullptr);
  DWORD code = 0;
  EXPECT_TRUE(GetExitCodeThread(t, &code));
  EXPECT_EQ(code, DWORD(STILL_ACTIVE));
  EXPECT_EQ(WaitForSingleObject(t, 50), DWORD(WAIT_TIMEOUT));
  SetEvent(gate.go);
  EXPECT_EQ(WaitForSingleObject(t, 10000), WAIT_OBJECT_0);
  EXPECT_EQ(WaitForSingleObject(t, 0), WAIT_OBJECT_0);  // stays signalled
  EXPECT_TRUE(GetExitCodeThread(t, &code));
  EXPECT_EQ(code, 7u);
  EXPECT_EQ(gate.id, id);
  EXPECT_NE(id, GetCurrentThreadId());
  CloseHandle(t);
}

TEST(ThreadTest, ClosingTheHandleDoesNotEndTheThread) {
  Gate gate;
  HANDLE t = CreateThread(nullptr, 0, wait_at_gate, &gate, 0, nullptr);
  EXPECT_TRUE(CloseHandle(t));
  SetEvent(gate.go);
  EXPECT_EQ(WaitForSingleObject(gate.finished, 10000), WAIT_OBJECT_0);
  EXPECT_TRUE(gate.ran);
}

TEST(ThreadTest, ExitThreadEndsTheThreadWithItsCode) {
  Gate gate;
  HANDLE t = CreateThread(nullptr, 0, exit_from_inside, &gate, 0, nullptr);
  ASSERT_EQ(WaitForSingleObject(t, 10000), WAIT_OBJECT_0);
  DWORD code = 0;
  GetExitCodeThread(t, &code);
  EXPECT_EQ(code, 42u);
  EXPECT_FALSE(gate.past_exit);
  CloseHandle(t);

  unsigned id = 0;
  uintptr_t crt = _beginthreadex(nullptr, 0, crt_thread, &gate, 0, &id);
  ASSERT_NE(crt, 0u);
  HANDLE h = reinterpret_cast<HANDLE>(crt);
  ASSERT_EQ(WaitForSingleObject(h, 10000), WAIT_OBJECT_0);
  GetExitCodeThread(h, &code);
  EXPECT_EQ(code, 9u);
  EXPECT_EQ(gate.id, DWORD(id));
  CloseHandle(h);
}

TEST(ThreadTest, ASuspendedThreadRunsOnlyWhenResumed) {
  Gate gate;
  DWORD id = 0;
  HANDLE t = CreateThread(nullptr, 0, wait_at_gate, &gate, CREATE_SUSPENDED, &id);
  ASSERT_NE(t, nullptr);
  EXPECT_NE(id, 0u);  // known before it runs
  Sleep(100);
  EXPECT_FALSE(gate.ran);
  EXPECT_EQ(ResumeThread(t), 1u);
  for (int i = 0; i < 1000 && !gate.ran; ++i) Sleep(5);
  EXPECT_TRUE(gate.ran);
  EXPECT_EQ(gate.id, id);
  EXPECT_EQ(ResumeThread(t), 0u);  // was not suspended
  SetEvent(gate.go);
  WaitForSingleObject(t, 10000);
  CloseHandle(t);

  unsigned crt_id = 0;
  HANDLE crt = reinterpret_cast<HANDLE>(_beginthreadex(nullptr, 0, crt_thread, &gate, CREATE_SUSPENDED, &crt_id));
  EXPECT_EQ(WaitForSingleObject(crt, 50), DWORD(WAIT_TIMEOUT));
  ResumeThread(crt);
  EXPECT_EQ(WaitForSingleObject(crt, 10000), WAIT_OBJECT_0);
  CloseHandle(crt);
  EXPECT_EQ(ResumeThread(reinterpret_cast<HANDLE>(0x7770)), DWORD(-1));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

TEST(ThreadTest, IdsPseudoHandleAndPriorities) {
  EXPECT_EQ(GetCurrentThread(), reinterpret_cast<HANDLE>(LONG_PTR(-2)));
  std::set<DWORD> ids{GetCurrentThreadId()};
  for (int i = 0; i < 4; ++i) Thread([&] { ids.insert(GetCurrentThreadId()); }).join();
  EXPECT_EQ(ids.size(), 5u);

  Thread([] {  // the pseudo handle stands for the calling thread, also one the platform did not start
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_NORMAL);
    EXPECT_TRUE(SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_BELOW_NORMAL));
    EXPECT_EQ(GetThreadPriority(GetCurrentThread()), THREAD_PRIORITY_BELOW_NORMAL);
    DWORD code = 0;
    EXPECT_TRUE(GetExitCodeThread(GetCurrentThread(), &code));
    EXPECT_EQ(code, DWORD(STILL_ACTIVE));
  }).join();

  Gate gate;
  HANDLE t = CreateThread(nullptr, 0, wait_at_gate, &gate, 0, nullptr);
  EXPECT_TRUE(SetThreadPriority(t, THREAD_PRIORITY_HIGHEST));
  EXPECT_EQ(GetThreadPriority(t), THREAD_PRIORITY_HIGHEST);
  EXPECT_FALSE(SetThreadPriority(t, 7));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(GetThreadPriority(reinterpret_cast<HANDLE>(0x7770)), THREAD_PRIORITY_ERROR_RETURN);
  HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  EXPECT_EQ(GetThreadPriority(event), THREAD_PRIORITY_ERROR_RETURN);  // not a thread
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  SetEvent(gate.go);
  WaitForSingleObject(t, 10000);
  for (HANDLE h : {t, event}) CloseHandle(h);
}

}  // namespace
