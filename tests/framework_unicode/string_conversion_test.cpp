#include <gtest/gtest.h>

#include "cstringt.h"
#include "wide_text.h"

namespace {

using unicode_testing::A;
using unicode_testing::U;

static_assert(sizeof(CString::XCHAR) == 2, "this build's CString is the 16-bit one");

TEST(WideStringConversionTest, EightBitTextIsReadInWindows1252) {
  CString s("caf\xE9 \x80 \x9C\x8A\x85 \xFF");
  EXPECT_EQ(U(s), u"caf\u00E9 \u20AC \u0153\u0160\u2026 \u00FF");
  EXPECT_EQ(s.GetLength(), 12);  // one character per byte
  // The bytes the code page leaves undefined keep their values.
  EXPECT_EQ(U(CString("\x81\x8D\x8F\x90\x9D")), u"\u0081\u008D\u008F\u0090\u009D");

  // A counted source converts its terminators too; a null or empty one gives an empty string.
  CString counted("a\0\xE9z", 3);
  EXPECT_EQ(U(counted), std::u16string(u"a\0\u00E9", 3));
  EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
  EXPECT_TRUE(CString("\xE9", 0).IsEmpty());
  const unsigned char bytes[] = {0x80, 'x', 0};
  EXPECT_EQ(U(CString(bytes)), u"\u20ACx");

  // Assignments and appends of 8-bit text and characters convert the same way.
  CString t;
  t = "\x80";
  t += "\xE9";
  t += '\x80';
  t += static_cast<unsigned char>(0xE9);
  t += L'\u4E2D';
  EXPECT_EQ(U(t), u"\u20AC\u00E9\u20AC\u00E9\u4E2D");
  EXPECT_EQ(U(CString('\x80', 3)), u"\u20AC\u20AC\u20AC");
  EXPECT_EQ(U(CString(L'\u00E9', 2)), u"\u00E9\u00E9");
  EXPECT_EQ(U(CString('\x9C') + '\x80'), u"\u0153\u20AC");
  EXPECT_EQ(U(CString(CStringA("\x8A\xE9"))), u"\u0160\u00E9");

  EXPECT_TRUE(CString(L"caf\u00E9") == "caf\xE9");
  EXPECT_TRUE("\x80" == CString(L"\u20AC"));
  EXPECT_FALSE(CString(L"caf\u00E9") == "cafe");
}

TEST(WideStringConversionTest, ToEightBitTextThroughWindows1252) {
  CString wide(L"\u20AC \u00E9\u0153 \u4E2D\u6587 \u0081");
  CStringA narrow(wide);
  // Characters outside the code page become its default character, one each.
  EXPECT_EQ(A(narrow), "\x80 \xE9\x9C ?? \x81");

  CStringA assigned;
  assigned = wide;
  EXPECT_EQ(A(assigned), A(narrow));
  assigned += CString(L"\u2026");
  assigned += L'\u00FF';
  EXPECT_EQ(A(assigned), A(narrow) + "\x85\xFF");

  // The whole text converts, terminators inside it included.
  CString with_nul(L"\u00E9\0\u20AC", 3);
  EXPECT_EQ(A(CStringA(with_nul)), std::string("\xE9\0\x80", 3));

  // Every byte of the code page comes back as it went in.
  char all[256];
  for (int i = 1; i < 256; ++i) all[i - 1] = static_cast<char>(i);
  CString round(all, 255);
  EXPECT_EQ(round.GetLength(), 255);
  EXPECT_EQ(A(CStringA(round)), std::string(all, 255));
}

}  // namespace
