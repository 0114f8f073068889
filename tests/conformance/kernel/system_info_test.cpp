// The version record as the size its caller gives chooses it.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(SystemInfoTest, TheRecordSizeChoosesTheShortOrTheExtendedForm) {
  OSVERSIONINFOEXA ex;
  std::memset(&ex, 0xCC, sizeof ex);
  ex.dwOSVersionInfoSize = sizeof ex;
  ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex)));
  EXPECT_EQ(ex.dwPlatformId, DWORD(VER_PLATFORM_WIN32_NT));

  // The short form leaves the bytes behind it alone.
  std::memset(&ex, 0xCC, sizeof ex);
  ex.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA);
  ASSERT_TRUE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex)));
  EXPECT_EQ(ex.wServicePackMajor, 0xCCCC);

  ex.dwOSVersionInfoSize = sizeof(OSVERSIONINFOA) + 1;
  SetLastError(0);
  EXPECT_FALSE(GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&ex)));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
}

}  // namespace
