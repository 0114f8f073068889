#include <gtest/gtest.h>

#include <string>

#include "cstringt.h"
#include "support/wide.h"

namespace {

using testing_support::U;

CStringA A(const char* format, ...) {
  va_list args;
  va_start(args, format);
  CStringA s;
  s.FormatV(format, args);
  va_end(args);
  return s;
}

CStringW W(const wchar_t* format, ...) {
  va_list args;
  va_start(args, format);
  CStringW s;
  s.FormatV(format, args);
  va_end(args);
  return s;
}

TEST(CStringFormatTest, IntegersFlagsWidthAndPrecision) {
  EXPECT_STREQ(A("[%5d|%-5d|%05d|%+d|% d]", 42, 42, 42, 42, 42), "[   42|42   |00042|+42| 42]");
  EXPECT_STREQ(A("%x %X %#x %o %u", 255, 255, 255, 8, 3000000000u), "ff FF 0xff 10 3000000000");
  EXPECT_STREQ(A("%.3d|%8.3d", 7, -7), "007|    -007");
  EXPECT_STREQ(A("%*d|%-*d|%*d", 4, 1, 3, 2, -3, 5), "   1|2  |5  ");  // a negative '*' width aligns left
  EXPECT_STREQ(A("%.*d", -1, 9), "9");
  EXPECT_STREQ(A("%hd %hhd %hu", 65537, 257, 65535 + 2), "1 1 1");
  EXPECT_STREQ(A("%I64d %lld %I64u", -5000000000LL, 5000000000LL, 18000000000000000000ULL),
               "-5000000000 5000000000 18000000000000000000");
  EXPECT_STREQ(A("100%% %c%c", 'o', 'k'), "100% ok");
}

// Windows' sizes: l is 32 bits as its LONG and DWORD are, I, z and t are as wide as a pointer.
// A directive that read the wrong width would shift every argument after it.
TEST(CStringFormatTest, SizesReadTheWindowsWidths) {
  EXPECT_STREQ(A("%lu %ld %lx|%d", DWORD(4000000000u), LONG(-2), ULONG(0xFFFFFFFFu), 7), "4000000000 -2 ffffffff|7");
  EXPECT_STREQ(A("%I32d %I32u|%d", -1, 4000000000u, 8), "-1 4000000000|8");
  const SIZE_T big = sizeof(void*) == 8 ? SIZE_T(0x123456789ULL) : SIZE_T(0x12345678u);
  const char* expected = sizeof(void*) == 8 ? "4886718345 123456789 4886718345|9" : "305419896 12345678 305419896|9";
  EXPECT_STREQ(A("%Iu %Ix %zu|%d", big, big, big, 9), expected);
  EXPECT_STREQ(A("%Id %td|%d", INT_PTR(-3), INT_PTR(-4), 10), "-3 -4|10");
  // %p: two upper-case digits for each byte of the pointer.
  CStringA pointer = A("%p", reinterpret_cast<void*>(0x12ABCD));
  EXPECT_EQ(pointer.GetLength(), int(2 * sizeof(void*)));
  EXPECT_STREQ(pointer.Right(8), "0012ABCD");
  EXPECT_EQ(pointer.Left(pointer.GetLength() - 8).SpanIncluding("0"), pointer.Left(pointer.GetLength() - 8));
}

TEST(CStringFormatTest, FloatingPoint) {
  EXPECT_STREQ(A("%f|%.2f|%8.3f|%-8.1f|", 1.5, 2.345, 3.14159, 2.0), "1.500000|2.35|   3.142|2.0     |");
  EXPECT_STREQ(A("%e|%.1E|%g|%G", 12345.678, 0.000123, 0.0001, 1e20), "1.234568e+04|1.2E-04|0.0001|1E+20");
}

TEST(CStringFormatTest, NarrowTextWithWideArguments) {
  EXPECT_STREQ(A("[%s|%10s|%-6s|%.3s]", "abc", "right", "left", "truncated"), "[abc|     right|left  |tru]");
  EXPECT_STREQ(A("%S-%ls-%ws-%hs", L"wide", L"l", L"w", "h"), "wide-l-w-h");
  EXPECT_STREQ(A("%S", L"\u20AC"), "\x80");
  EXPECT_STREQ(A("%5.2S|", L"abcdef"), "   ab|");
  EXPECT_STREQ(A("%C%lc%c", L'W', L'x', 'n'), "Wxn");
  EXPECT_STREQ(A("%s %S", static_cast<const char*>(nullptr), static_cast<const wchar_t*>(nullptr)),
               "(null) (null)");
  EXPECT_STREQ(A("%05s", "ab"), "000ab");
}

TEST(CStringFormatTest, WideTextWithNarrowArguments) {
  EXPECT_EQ(U(W(L"[%s|%8s|%-4s|%.2s]", L"abc", L"wide", L"l", L"xyz")), u"[abc|    wide|l   |xy]");
  EXPECT_EQ(U(W(L"%S-%hs-%ls", "narrow", "h", L"l")), u"narrow-h-l");
  EXPECT_EQ(U(W(L"%S %s", "\x80", L"\u4E2D")), u"\u20AC \u4E2D");
  EXPECT_EQ(U(W(L"%c%C%hc", L'\u00E9', 'n', 'h')), u"\u00E9nh");
  EXPECT_EQ(U(W(L"%d|%5.1f|%08X|%I64u", -12, 2.26, 0xBEEFu, 1ULL << 40)), u"-12|  2.3|0000BEEF|1099511627776");
  EXPECT_EQ(U(W(L"%*s|%-*s|", 5, L"ab", 3, L"c")), u"   ab|c  |");
}

TEST(CStringFormatTest, FormatReplacesAndAppendFormatAppends) {
  CStringA s("old text");
  s.Format("%s=%d", "n", 1);
  EXPECT_STREQ(s, "n=1");
  s.AppendFormat(", %s=%d", "m", 2);
  EXPECT_STREQ(s, "n=1, m=2");
  s.Format("[%s]", s.GetString());  // the string formats from its own text
  EXPECT_STREQ(s, "[n=1, m=2]");
  std::string big(5000, 'z');
  s.Format("%s%s", big.c_str(), big.c_str());
  EXPECT_EQ(s.GetLength(), 10000);

  CStringW w;
  w.Format(L"%s %d", L"count", 3);
  w.AppendFormat(L"%S", "!");
  EXPECT_EQ(U(w), u"count 3!");
}

}  // namespace
