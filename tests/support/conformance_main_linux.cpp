// The start of a conformance program in the Linux build: its tests run in a simulated machine of
// their own, made fresh for the run and removed after it. The tests never see the machine; on
// Windows the same tests run on the real system with GoogleTest's own main.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/machine_fixture.h"

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (GTEST_FLAG_GET(list_tests)) return RUN_ALL_TESTS();
  std::filesystem::path root = testing_support::create_machine();
  if (root.empty()) {
    fprintf(stderr, "cannot make a machine for the tests\n");
    return 1;
  }
  int result = RUN_ALL_TESTS();
  testing_support::remove_machine(root);
  return result;
}
