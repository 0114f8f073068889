#include <gtest/gtest.h>

#include <chrono>

#include "kernel/process_test_helpers.h"

namespace {

using namespace process_testing;

class PipeTest : public ProcessTest {};

TEST_F(PipeTest, ParentReadsTheChildsOutputAndThenTheBrokenPipe) {
  install("proc_probe", "Tarvolt");
  Result r = run(u"proc_probe hold 0 hello");
  ASSERT_TRUE(r.started) << r.error;
  EXPECT_EQ(r.output, "hello");
  EXPECT_EQ(r.exit_code, 0u);
}

TEST_F(PipeTest, GrandchildThatInheritedTheWriteEndKeepsThePipeOpen) {
  install("proc_probe", "Tarvolt");
  auto started = std::chrono::steady_clock::now();
  // The child starts the grandchild and ends at once; the grandchild writes 300 ms later.
  Result r = run(u"proc_probe spawn proc_probe hold 300 late");
  ASSERT_TRUE(r.started) << r.error;
  EXPECT_EQ(r.exit_code, 0u);
  EXPECT_EQ(r.output, "late");
  EXPECT_GE(std::chrono::steady_clock::now() - started, std::chrono::milliseconds(300));
}

}  // namespace
