// A fresh machine for the service's own classes: the command line run in this process as
// tarvolt.exe would run it, the settings and the log read back.
#pragma once

#include <windows.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "support/service_fixture.h"

namespace tarvolt_testing {

class TarvoltTest : public service_testing::ServiceTest {
 public:
  struct Value {
    DWORD type;
    std::vector<BYTE> data;
  };

 protected:
  // InitInstance with these arguments after the program's name.
  void run_command_line(const std::vector<std::string>& args);
  // The bytes and type of a value under the service's key (subkey empty) or one of its subkeys;
  // nothing when the key or the value does not exist.
  std::optional<Value> read_value(const std::string& subkey, const char* name);
  void write_value(const std::string& subkey, const char* name, DWORD type, const std::vector<BYTE>& data);
  bool service_key_exists();

  std::filesystem::path log_path() const { return root_ / "drive_c/Tarvolt/Tarvolt.txt"; }
  std::string log_text() const;
  // The log's lines without their time-stamp prefixes; fails the test for a line whose prefix
  // is malformed.
  std::vector<std::string> log_messages() const;
  // The same while the logger still writes: a line being written at this moment is left out.
  std::vector<std::string> log_messages_so_far() const;
};

std::vector<BYTE> bytes(std::initializer_list<int> values);

}  // namespace tarvolt_testing
