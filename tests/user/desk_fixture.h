// A machine for the desktop's tests, with the window helpers of both builds.
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "kernel/machine.h"
#include "support/machine_fixture.h"
#include "support/window_helpers.h"

namespace testing_support {

class DeskTest : public MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    platform::machine::set_config("desktop.box_timeout_ms", "0");
  }
};

}  // namespace testing_support
