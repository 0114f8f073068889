#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(ModuleTest, ModuleFileNameTruncatesSinceVista) {
  WCHAR full_name[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, full_name, MAX_PATH);
  ASSERT_GT(length, DWORD(4));
  EXPECT_EQ(full_name[length], 0);
  EXPECT_EQ(full_name[1], L':');
  EXPECT_EQ(GetModuleFileNameW(GetModuleHandleW(nullptr), full_name, MAX_PATH), length);

  // Exactly enough room for the name and its NUL.
  std::vector<char> exact(length + 1);
  EXPECT_EQ(GetModuleFileNameA(nullptr, exact.data(), length + 1), length);
  // One short: truncated, terminated, nSize returned, ERROR_INSUFFICIENT_BUFFER.
  std::vector<char> shorter(length, '#');
  SetLastError(0);
  EXPECT_EQ(GetModuleFileNameA(nullptr, shorter.data(), length), length);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(shorter[length - 1], '\0');
  EXPECT_EQ(std::string(shorter.data()), std::string(exact.data(), length - 1));

  EXPECT_NE(GetModuleHandleA(nullptr), nullptr);
  EXPECT_EQ(GetModuleHandleA("kernel-of-nothing.dll"), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_MOD_NOT_FOUND));
}

}  // namespace
