// The number and address rules the command line and the settings share.
#include <gtest/gtest.h>

#include <array>

#include "dotted_ip.h"

namespace {

std::array<int, 4> parse(const char* text) {
  BYTE b[4] = {9, 9, 9, 9};
  ParseDottedIp(text, b);
  return {b[0], b[1], b[2], b[3]};
}

TEST(DottedIpTest, NothingIsRefused) {
  using A = std::array<int, 4>;
  EXPECT_EQ(parse("1.2.3.4"), (A{1, 2, 3, 4}));
  EXPECT_EQ(parse("1..2.3.4"), (A{1, 2, 3, 4}));
  EXPECT_EQ(parse("..1.2.3.4"), (A{1, 2, 3, 4}));
  EXPECT_EQ(parse("300.1.1.1"), (A{44, 1, 1, 1}));
  EXPECT_EQ(parse("1.2.3"), (A{1, 2, 3, 0}));
  EXPECT_EQ(parse("1.2.3.4.5"), (A{1, 2, 3, 4}));
  EXPECT_EQ(parse(""), (A{0, 0, 0, 0}));
  EXPECT_EQ(parse("abc"), (A{0, 0, 0, 0}));
  EXPECT_EQ(parse(" 7.8.9.10"), (A{7, 8, 9, 10}));
  EXPECT_EQ(parse("10.x.-1.3y"), (A{10, 0, 255, 3}));
}

TEST(DottedIpTest, NumbersFollowTheRuntimeRuleAndKeepTheirLowBits) {
  EXPECT_EQ(ParseNumber("48"), 48);
  EXPECT_EQ(ParseNumber(" \t+12abc"), 12);
  EXPECT_EQ(ParseNumber("-3"), -3);
  EXPECT_EQ(ParseNumber("x1"), 0);
  EXPECT_EQ(ParseNumber(""), 0);
  EXPECT_EQ(BYTE(ParseNumber("300")), 44);
  // Far beyond 32 bits the low byte is still that of the number written: 10^20 mod 256 is 0.
  EXPECT_EQ(BYTE(ParseNumber("100000000000000000000")), 0);
  EXPECT_EQ(BYTE(ParseNumber("100000000000000000001")), 1);
}

}  // namespace
