// Global memory as the clipboard takes it: moveable blocks reached through their lock count.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

TEST(GlobalMemory, MoveableBlocksAreReachedThroughTheirLocks) {
  HGLOBAL h = GlobalAlloc(GHND, 40);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalSize(h), SIZE_T(40));
  auto* p = static_cast<unsigned char*>(GlobalLock(h));
  ASSERT_NE(p, nullptr);
  EXPECT_NE(static_cast<void*>(p), static_cast<void*>(h));  // the handle is no address
  for (int i = 0; i < 40; ++i) EXPECT_EQ(p[i], 0) << i;
  std::memset(p, 0x5A, 40);

  // A second lock gives the same memory; the block stays locked until its last unlock.
  EXPECT_EQ(GlobalLock(h), p);
  EXPECT_TRUE(GlobalUnlock(h));
  SetLastError(ERROR_INVALID_DATA);
  EXPECT_FALSE(GlobalUnlock(h));
  EXPECT_EQ(GetLastError(), DWORD(NO_ERROR));
  SetLastError(0);
  EXPECT_FALSE(GlobalUnlock(h));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_LOCKED));

  p = static_cast<unsigned char*>(GlobalLock(h));
  EXPECT_EQ(p[39], 0x5A);  // the contents outlive the locks
  GlobalUnlock(h);
  EXPECT_EQ(GlobalFree(h), nullptr);
}

TEST(GlobalMemory, FixedBlocksAreTheirOwnAddress) {
  HGLOBAL h = GlobalAlloc(GPTR, 16);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(GlobalLock(h), static_cast<void*>(h));
  EXPECT_EQ(GlobalSize(h), SIZE_T(16));
  EXPECT_EQ(static_cast<unsigned char*>(h)[15], 0);
  GlobalUnlock(h);
  EXPECT_EQ(GlobalFree(h), nullptr);
  EXPECT_EQ(GlobalFree(nullptr), nullptr);
}

}  // namespace
