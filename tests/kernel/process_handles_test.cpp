#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>

#include "kernel/process_test_helpers.h"

namespace {

using namespace process_testing;

class HandleInheritanceTest : public ProcessTest {
 protected:
  void SetUp() override {
    ProcessTest::SetUp();
    install("proc_probe", "Tarvolt");
  }
  // What a child writes through handle value `h` of this process: its exit code (0 or the
  // error of WriteFile) and the text that came through the pipe `r`, `w` is the write end.
  std::pair<DWORD, std::string> child_writes_through(HANDLE h, HANDLE r, HANDLE w, BOOL inherit = TRUE) {
    PROCESS_INFORMATION pi;
    EXPECT_EQ(start(u"proc_probe write " + handle_text(h) + u" hi", &pi, inherit), 0u);
    DWORD code = exit_code_of(pi.hProcess);
    close_process(pi);
    CloseHandle(w);
    if (h != w) CloseHandle(h);
    DWORD error;
    std::string text = read_all(r, &error);
    EXPECT_EQ(error, DWORD(ERROR_BROKEN_PIPE));
    CloseHandle(r);
    return {code, text};
  }
  HANDLE r_ = nullptr, w_ = nullptr;
  void pipe(bool inheritable) {
    SECURITY_ATTRIBUTES sa{sizeof(SECURITY_ATTRIBUTES), nullptr, inheritable};
    ASSERT_TRUE(CreatePipe(&r_, &w_, &sa, 0));
  }
};

TEST_F(HandleInheritanceTest, InheritableHandleArrivesAtTheSameValue) {
  pipe(true);
  EXPECT_EQ(child_writes_through(w_, r_, w_), (std::pair<DWORD, std::string>(0, "hi")));
}

TEST_F(HandleInheritanceTest, HandleIsNotPassedWhenNotInheritableOrNotAskedFor) {
  pipe(false);
  EXPECT_EQ(child_writes_through(w_, r_, w_), (std::pair<DWORD, std::string>(ERROR_INVALID_HANDLE, "")));
  pipe(true);
  EXPECT_EQ(child_writes_through(w_, r_, w_, FALSE), (std::pair<DWORD, std::string>(ERROR_INVALID_HANDLE, "")));
  pipe(true);
  DWORD flags = 0;
  ASSERT_TRUE(GetHandleInformation(w_, &flags));
  EXPECT_EQ(flags, DWORD(HANDLE_FLAG_INHERIT));
  ASSERT_TRUE(SetHandleInformation(w_, HANDLE_FLAG_INHERIT, 0));
  ASSERT_TRUE(GetHandleInformation(w_, &flags));
  EXPECT_EQ(flags, 0u);
  EXPECT_EQ(child_writes_through(w_, r_, w_), (std::pair<DWORD, std::string>(ERROR_INVALID_HANDLE, "")));
}

TEST_F(HandleInheritanceTest, NonInheritedDescriptorsDoNotLeakIntoARunningChild) {
  pipe(false);
  PROCESS_INFORMATION pi;
  ASSERT_EQ(start(u"proc_probe exit 0 5000", &pi), 0u);
  CloseHandle(w_);
  auto before = std::chrono::steady_clock::now();
  char buffer[16];
  DWORD done;
  EXPECT_FALSE(ReadFile(r_, buffer, sizeof buffer, &done, nullptr));  // the child holds no copy
  EXPECT_EQ(GetLastError(), DWORD(ERROR_BROKEN_PIPE));
  EXPECT_LT(std::chrono::steady_clock::now() - before, std::chrono::seconds(2));
  TerminateProcess(pi.hProcess, 0);
  exit_code_of(pi.hProcess);
  close_process(pi);
  CloseHandle(r_);
}

TEST_F(HandleInheritanceTest, DuplicateHandleMakesAnInheritableCopy) {
  pipe(false);
  HANDLE copy = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), w_, GetCurrentProcess(), &copy, 0, TRUE, DUPLICATE_SAME_ACCESS));
  EXPECT_NE(copy, w_);
  EXPECT_EQ(child_writes_through(copy, r_, w_), (std::pair<DWORD, std::string>(0, "hi")));
}

TEST_F(HandleInheritanceTest, DuplicateCloseSourceMovesTheHandle) {
  pipe(false);
  HANDLE moved = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), w_, GetCurrentProcess(), &moved, 0, FALSE,
                              DUPLICATE_SAME_ACCESS | DUPLICATE_CLOSE_SOURCE));
  EXPECT_FALSE(CloseHandle(w_));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  DWORD done;
  EXPECT_TRUE(WriteFile(moved, "z", 1, &done, nullptr));
  CloseHandle(moved);
  CloseHandle(r_);

  HANDLE self = nullptr;
  ASSERT_TRUE(DuplicateHandle(GetCurrentProcess(), GetCurrentProcess(), GetCurrentProcess(), &self, 0, FALSE,
                              DUPLICATE_SAME_ACCESS));
  EXPECT_NE(self, GetCurrentProcess());
  EXPECT_EQ(GetProcessId(self), DWORD(getpid()));
  CloseHandle(self);
  EXPECT_FALSE(DuplicateHandle(GetCurrentProcess(), reinterpret_cast<HANDLE>(0x7ffc), GetCurrentProcess(), &self,
                               0, FALSE, DUPLICATE_SAME_ACCESS));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

}  // namespace
