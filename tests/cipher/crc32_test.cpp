#include "crc32.h"

#include <gtest/gtest.h>

namespace {

const BYTE* Bytes(const char* text) { return reinterpret_cast<const BYTE*>(text); }

TEST(Crc32, StandardCheckValues) {
  EXPECT_EQ(Crc32(Bytes("123456789"), 9), 0xCBF43926u);
  EXPECT_EQ(Crc32(Bytes("\xFF"), 1), 0xFF000000u);
  EXPECT_EQ(Crc32(Bytes("The quick brown fox jumps over the lazy dog"), 43), 0x414FA339u);
}

TEST(Crc32, NoLengthGivesZero) {
  EXPECT_EQ(Crc32(Bytes("123456789"), 0), 0u);
  EXPECT_EQ(Crc32(Bytes("123456789"), -4), 0u);
}

}  // namespace
