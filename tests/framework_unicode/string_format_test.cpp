#include <gtest/gtest.h>

#include <string>

#include "cstringt.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;

// In this build %s and %c take 16-bit text, %S and %C 8-bit text; h and l name the width.
TEST(WideFormatTest, TextWidthFollowsTheOutput) {
  CString s;
  s.Format(L"%s|%S|%hs|%ls|%ws", L"\u4E2D", "\xE9t\xE9 \x80", "\x9C", L"\u20AC", L"w");
  EXPECT_EQ(U(s), u"\u4E2D|\u00E9t\u00E9 \u20AC|\u0153|\u20AC|w");
  s.Format(L"%c%C%hc%lc%wc", L'\u20AC', '\x80', '\xE9', L'\u0153', L'w');
  EXPECT_EQ(U(s), u"\u20AC\u20AC\u00E9\u0153w");
  s.Format(L"%s %S", static_cast<const wchar_t*>(nullptr), static_cast<const char*>(nullptr));
  EXPECT_EQ(U(s), u"(null) (null)");
}

TEST(WideFormatTest, WidthAndPrecisionCountCharacters) {
  CString s;
  s.Format(L"[%6s|%-6S|%.2S|%4.1s|%-3c|%3C]", L"\u00E9t\u00E9", "\xE9t\xE9", "\x80\x80\x80", L"\u4E2D\u6587", L'\u20AC',
           '\x80');
  EXPECT_EQ(U(s), u"[   \u00E9t\u00E9|\u00E9t\u00E9   |\u20AC\u20AC|   \u4E2D|\u20AC  |  \u20AC]");
  s.Format(L"%*s|%-*S|%.*s", 4, L"\u00E9", 3, "\xE9", 1, L"\u00E9\u00E9");
  EXPECT_EQ(U(s), u"   \u00E9|\u00E9  |\u00E9");
}

TEST(WideFormatTest, IntegersInEveryWidth) {
  CString s;
  s.Format(L"%d %i %u %x %X %o %#x %+d %05d %-4d|", -42, 7, 3000000000u, 255, 0xBEEF, 8, 255, 5, -12, 3);
  EXPECT_EQ(U(s), u"-42 7 3000000000 ff BEEF 10 0xff +5 -0012 3   |");
  s.Format(L"%I64d %I64u %lld %I64x %ld %hd %I32d %Iu", -5000000000LL, 18000000000000000000ULL, 5000000000LL,
           0x123456789ABCULL, LONG(-2), 65537, -1, SIZE_T(4));
  EXPECT_EQ(U(s), u"-5000000000 18000000000000000000 5000000000 123456789abc -2 1 -1 4");
  s.Format(L"%.3d|%8.3d|%lu|%%|%5.1f", 7, -7, DWORD(0xABCDEF), 2.26);
  EXPECT_EQ(U(s), u"007|    -007|11259375|%|  2.3");
}

TEST(WideFormatTest, LongResultsAndOwnText) {
  std::u16string block(5000, u'\u00E9');
  std::string narrow_block(5000, '\xE9');
  CString s;
  s.Format(L"%s-%S-%-3000d|", reinterpret_cast<const wchar_t*>(block.c_str()), narrow_block.c_str(), 1);
  EXPECT_EQ(s.GetLength(), 5000 + 1 + 5000 + 1 + 3000 + 1);
  EXPECT_EQ(U(s), block + u"-" + block + u"-1" + std::u16string(2999, u' ') + u"|");

  // Format and AppendFormat may take the string's own text as an argument.
  s = L"\u20AC";
  s.Format(L"[%s]", s.GetString());
  s.AppendFormat(L"%s%S", s.GetString(), "\x80");
  EXPECT_EQ(U(s), u"[\u20AC][\u20AC]\u20AC");
  s.Format(L"");
  EXPECT_TRUE(s.IsEmpty());
}

}  // namespace
