#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>

namespace {

bool all_zero(const void* p, size_t n) {
  const auto* b = static_cast<const unsigned char*>(p);
  for (size_t i = 0; i < n; ++i)
    if (b[i]) return false;
  return true;
}

TEST(HeapTest, ProcessHeapBlocksKeepTheirRequestedSize) {
  HANDLE heap = GetProcessHeap();
  ASSERT_NE(heap, nullptr);
  void* p = HeapAlloc(heap, HEAP_ZERO_MEMORY, 100);
  ASSERT_NE(p, nullptr);
  EXPECT_TRUE(all_zero(p, 100));
  EXPECT_EQ(HeapSize(heap, 0, p), SIZE_T(100));
  std::memset(p, 0xAB, 100);

  // Growing with HEAP_ZERO_MEMORY keeps the data and zeroes only the new bytes.
  p = HeapReAlloc(heap, HEAP_ZERO_MEMORY, p, 300);
  ASSERT_NE(p, nullptr);
  EXPECT_EQ(HeapSize(heap, 0, p), SIZE_T(300));
  EXPECT_EQ(static_cast<unsigned char*>(p)[99], 0xAB);
  EXPECT_TRUE(all_zero(static_cast<char*>(p) + 100, 200));

  // In place only: shrinking works, growing fails and leaves the block.
  EXPECT_EQ(HeapReAlloc(heap, HEAP_REALLOC_IN_PLACE_ONLY, p, 50), p);
  EXPECT_EQ(HeapSize(heap, 0, p), SIZE_T(50));
  EXPECT_EQ(HeapReAlloc(heap, HEAP_REALLOC_IN_PLACE_ONLY, p, 5000), nullptr);
  EXPECT_EQ(HeapSize(heap, 0, p), SIZE_T(50));
  EXPECT_TRUE(HeapFree(heap, 0, p));

  void* empty = HeapAlloc(heap, 0, 0);  // a zero-size block is still a block
  ASSERT_NE(empty, nullptr);
  EXPECT_EQ(HeapSize(heap, 0, empty), SIZE_T(0));
  EXPECT_TRUE(HeapFree(heap, 0, empty));
  EXPECT_EQ(HeapReAlloc(heap, 0, nullptr, 10), nullptr);
}

TEST(HeapTest, LocalAndGlobalAllocateFixedMemory) {
  auto* local = static_cast<char*>(LocalAlloc(LPTR, 64));
  ASSERT_NE(local, nullptr);
  EXPECT_TRUE(all_zero(local, 64));
  EXPECT_EQ(LocalFree(local), nullptr);
  EXPECT_EQ(LocalFree(nullptr), nullptr);

  auto* global = static_cast<char*>(GlobalAlloc(GPTR, 32));
  ASSERT_NE(global, nullptr);
  EXPECT_TRUE(all_zero(global, 32));
  EXPECT_EQ(GlobalFree(global), nullptr);
}

}  // namespace
