#include <windows.h>

#include <gtest/gtest.h>

namespace {

// The machine's local memory is fixed: it has no movable local blocks to lock and unlock
// (movable global memory, which the clipboard takes, it has).
TEST(HeapTest, MovableLocalMemoryIsRefused) {
  EXPECT_EQ(LocalAlloc(LMEM_MOVEABLE, 32), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NOT_SUPPORTED));
}

}  // namespace
