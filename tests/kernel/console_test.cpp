#include <gtest/gtest.h>

#include "kernel/process_test_helpers.h"

namespace {

using namespace process_testing;

const std::string kGreeting = "Gr\xc3\xbc\xc3\x9f" "e \xe2\x82\xac \xf0\x9f\x98\x80\n";  // UTF-8

class ConsoleTest : public ProcessTest {
 protected:
  void SetUp() override {
    ProcessTest::SetUp();
    install("proc_probe", "Tarvolt");
    install("gui_probe", "Tarvolt");
  }
};

TEST_F(ConsoleTest, ChildSharesItsCreatorsConsoleAndWritesUtf8ToIt) {
  Result r = run_from_linux("run proc_probe console");
  ASSERT_TRUE(r.started);
  EXPECT_EQ(r.exit_code, 0u);
  EXPECT_EQ(r.output, kGreeting);
}

TEST_F(ConsoleTest, RedirectedOutputIsNotAConsole) {
  Result r = run(u"proc_probe console");
  ASSERT_TRUE(r.started) << r.error;
  EXPECT_EQ(r.exit_code, DWORD(ERROR_INVALID_HANDLE));
  EXPECT_EQ(r.output, "");
}

TEST_F(ConsoleTest, DetachedChildHasNoConsoleUntilItAttachesToItsParents) {
  Result alone = run_from_linux("run detached proc_probe console");
  EXPECT_EQ(alone.exit_code, DWORD(ERROR_INVALID_HANDLE));
  EXPECT_EQ(alone.output, "");
  Result attached = run_from_linux("run detached proc_probe attach");
  EXPECT_EQ(attached.exit_code, 0u);
  EXPECT_EQ(attached.output, kGreeting);
}

TEST_F(ConsoleTest, NewConsoleIsAConsoleWhoseOutputIsNotSeen) {
  PROCESS_INFORMATION pi;
  ASSERT_EQ(start(u"proc_probe console", &pi, FALSE, CREATE_NEW_CONSOLE), 0u);
  EXPECT_EQ(exit_code_of(pi.hProcess), 0u);
  close_process(pi);
  EXPECT_EQ(start(u"proc_probe console", &pi, FALSE, CREATE_NEW_CONSOLE | DETACHED_PROCESS),
            DWORD(ERROR_INVALID_PARAMETER));
}

TEST_F(ConsoleTest, FreeAllocAndAttachFollowTheOneConsoleRule) {
  Result r = run_from_linux("console_cycle");
  EXPECT_EQ(r.output,
            "attach_while_attached=5\n"
            "free=0\n"
            "attach_without_parent_console=6\n"
            "write_after_free=6\n"
            "alloc=0\n"
            "alloc_again=5\n"
            "write_new=0\n"
            "new_handle=yes\n");
}

// A program of the GUI subsystem never shares its creator's console: it reaches it only
// through AttachConsole, which a GUI creator without a console cannot give it.
TEST_F(ConsoleTest, GuiProgramHasNoConsoleUntilItAttachesToItsCreators) {
  Result alone = run_from_linux("run gui_probe console");
  EXPECT_EQ(alone.exit_code, DWORD(ERROR_INVALID_HANDLE));
  EXPECT_EQ(alone.output, "");
  Result attached = run_from_linux("run gui_probe attach");
  EXPECT_EQ(attached.exit_code, 0u);
  EXPECT_EQ(attached.output, kGreeting);
  Result from_gui = run_from_linux("run gui_probe run gui_probe attach");
  EXPECT_EQ(from_gui.exit_code, DWORD(ERROR_INVALID_HANDLE));
  EXPECT_EQ(from_gui.output, "");
}

TEST_F(ConsoleTest, GuiProgramWritesToTheStandardHandlesItWasGiven) {
  Result r = run(u"gui_probe args");
  ASSERT_TRUE(r.started) << r.error;
  EXPECT_EQ(r.exit_code, 0u);
  EXPECT_EQ(r.output, "gui_probe args\n[args]\n");
}

}  // namespace
