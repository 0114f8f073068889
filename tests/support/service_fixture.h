// A fresh machine with the sample service program and net.exe in place, and the service
// processes a test started ended when it is over.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "support/machine_fixture.h"
#include "support/program_runner.h"

namespace service_testing {

class ServiceTest : public testing_support::MachineTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Creates a demand-start service running C:\Tarvolt\svc_sample.exe with `arguments`.
  SC_HANDLE create_sample(const char* name, const char* display_name = nullptr, const char* arguments = "");
  SERVICE_STATUS status_of(SC_HANDLE service);
  testing_support::Finished winsim(const std::vector<std::string>& args);

  SC_HANDLE manager_ = nullptr;
};

}  // namespace service_testing
