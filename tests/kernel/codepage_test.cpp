#include <windows.h>

#include <gtest/gtest.h>

namespace {

// The machine's OEM code page is that of a Western European system, but it has no table for it.
TEST(CodepageTest, TheOemCodePageIs850AndConvertsNothing) {
  EXPECT_EQ(GetOEMCP(), UINT(850));
  WCHAR small[3];
  EXPECT_EQ(MultiByteToWideChar(CP_OEMCP, 0, "x", 1, small, 3), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

}  // namespace
