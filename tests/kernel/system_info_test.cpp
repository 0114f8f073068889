// The version record and the processor information, as a 64-bit program sees them.
#include <windows.h>

#include "kernel/machine.h"
#include "support/machine_fixture.h"

namespace {

using SystemInfoTest = testing_support::MachineTest;

// A machine is Windows 7 Service Pack 1 unless its configuration says otherwise.
TEST_F(SystemInfoTest, TheMachineIsWindows7ServicePack1) {
  OSVERSIONINFOEXA ex = {};
  ex.dwOSVersionInfoSize = sizeof ex;
  ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex)));
  EXPECT_EQ(ex.dwMajorVersion, 6u);
  EXPECT_EQ(ex.dwMinorVersion, 1u);
  EXPECT_EQ(ex.dwBuildNumber, 7601u);
  EXPECT_STREQ(ex.szCSDVersion, "Service Pack 1");
  EXPECT_EQ(ex.wServicePackMajor, 1);
  EXPECT_EQ(ex.wProductType, VER_NT_WORKSTATION);

  OSVERSIONINFOA short_form = {};
  short_form.dwOSVersionInfoSize = sizeof short_form;
  ASSERT_TRUE(GetVersionExA(&short_form));
  EXPECT_EQ(short_form.dwMajorVersion, 6u);
}

TEST_F(SystemInfoTest, A64BitProgramSeesTheX64ProcessorThroughBothCalls) {
  platform::machine::set_config("windows_version", "5.2");
  platform::machine::set_config("windows_product_type", "server");
  SYSTEM_INFO wow = {}, native = {};
  GetSystemInfo(&wow);
  EXPECT_EQ(wow.wProcessorArchitecture, PROCESSOR_ARCHITECTURE_AMD64);
  EXPECT_EQ(wow.dwPageSize, 4096u);
  EXPECT_GE(wow.dwNumberOfProcessors, 1u);
  // Programs that must run on Windows versions without it look the native call up at run time.
  auto lookup = reinterpret_cast<void(WINAPI*)(LPSYSTEM_INFO)>(
      reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleA("KERNEL32.DLL"), "GetNativeSystemInfo")));
  ASSERT_NE(lookup, nullptr);
  lookup(&native);
  EXPECT_EQ(native.wProcessorArchitecture, PROCESSOR_ARCHITECTURE_AMD64);

  OSVERSIONINFOEXA ex = {};
  ex.dwOSVersionInfoSize = sizeof ex;
  ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex)));
  EXPECT_EQ(ex.dwMinorVersion, 2u);
  EXPECT_EQ(ex.wProductType, VER_NT_SERVER);
  // Only Windows Server 2003 R2 gives its build number here.
  EXPECT_EQ(GetSystemMetrics(SM_SERVERR2), 0);
  platform::machine::set_config("windows_server_r2", "1");
  platform::machine::set_config("windows_build", "3790");
  EXPECT_EQ(GetSystemMetrics(SM_SERVERR2), 3790);
}

}  // namespace
