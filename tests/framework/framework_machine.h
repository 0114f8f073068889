// A fresh machine for the framework's file and synchronisation tests, with a folder on C:.
#pragma once

#include <windows.h>

#include "support/machine_fixture.h"

namespace framework_testing {

class FrameworkMachineTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    ASSERT_TRUE(CreateDirectoryA("C:\\work", nullptr));
  }
};

}  // namespace framework_testing
