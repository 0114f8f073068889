// A fresh machine with a fresh test key HKLM\SOFTWARE\Tarvolt Test, for the registry tests that
// start processes of the machine.
#pragma once

#include <windows.h>

#include "conformance/registry/test_key.h"
#include "support/machine_fixture.h"

namespace registry_testing {

class MachineRegistryTest : public testing_support::MachineTest, protected TestKey {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    open_fresh_key();
  }
  void TearDown() override {
    delete_key();
    MachineTest::TearDown();
  }
};

}  // namespace registry_testing
