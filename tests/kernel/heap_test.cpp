#include <windows.h>

#include <gtest/gtest.h>

namespace {

// The machine's memory is fixed: it has no movable blocks to lock and unlock.
TEST(HeapTest, MovableGlobalMemoryIsRefused) {
  EXPECT_EQ(GlobalAlloc(GMEM_MOVEABLE, 32), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
}

}  // namespace
