#include <windows.h>

#include "registry/registry_fixture.h"
#include "support/program_runner.h"

namespace {

using registry_testing::MachineRegistryTest;
using registry_testing::terminated_utf16;
using testing_support::run_program;

class RegistryAcrossProcesses : public MachineRegistryTest {
 protected:
  int writer(const std::vector<std::string>& args) { return run_program(testing_support::program_dir() / "reg_writer.exe", args).exit_code; }
};

TEST_F(RegistryAcrossProcesses, AValueSetByAChildIsReadByTheParentsNextCall) {
  EXPECT_EQ(read_bytes(key_, L"Owner"), "<absent>");
  ASSERT_EQ(writer({"set", "SOFTWARE\\Tarvolt Test", "Owner", "child one"}), 0);
  EXPECT_EQ(read_bytes(key_, L"Owner"), terminated_utf16(u"child one")) << "through the handle opened before";
  ASSERT_EQ(writer({"set", "SOFTWARE\\Tarvolt Test", "OWNER", "child two"}), 0);
  EXPECT_EQ(read_bytes(key_, L"Owner"), terminated_utf16(u"child two"));
}

TEST_F(RegistryAcrossProcesses, AKeyDeletedByAChildIsDeletedForTheParentsHandle) {
  HKEY sub = create(key_, L"Shared\\Inner");
  ASSERT_EQ(writer({"delete", "SOFTWARE\\Tarvolt Test\\Shared"}), 0);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(sub, L"Any", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(subkeys(key_), std::vector<std::string>{});
  RegCloseKey(sub);
}

}  // namespace
