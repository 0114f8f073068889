#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cstringt.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;

TEST(WideStringTest, CopiesShareUntilWritten) {
  CString original(L"\u00E9t\u00E9 partag\u00E9");
  CString copy = original;
  EXPECT_EQ(copy.GetString(), original.GetString());

  // Every kind of write gives the writer its own buffer and leaves the copy as it was.
  CString replaced = original;
  EXPECT_EQ(replaced.Replace(L'\u00E9', L'e'), 3);
  CString upper = original;
  upper.MakeUpper();
  CString trimmed = original;
  trimmed.Trim(L'\u00E9');
  CString buffered = original;
  wchar_t* buffer = buffered.GetBuffer();
  EXPECT_NE(buffer, original.GetString());
  buffer[0] = L'\u00C9';
  buffered.ReleaseBuffer();
  EXPECT_EQ(U(replaced), u"ete partage");
  EXPECT_EQ(U(upper), u"\u00E9T\u00E9 PARTAG\u00E9");  // case maps ASCII only, as the C runtime's default locale
  EXPECT_EQ(U(trimmed), u"t\u00E9 partag");
  EXPECT_EQ(U(buffered), u"\u00C9t\u00E9 partag\u00E9");
  EXPECT_EQ(U(original), u"\u00E9t\u00E9 partag\u00E9");
  EXPECT_EQ(copy.GetString(), original.GetString());

  CString locked(L"\u20AC");
  locked.LockBuffer();
  CString from_locked = locked;
  EXPECT_NE(from_locked.GetString(), locked.GetString());
  locked.UnlockBuffer();
}

TEST(WideStringTest, BuffersAreCountedInCharacters) {
  CString s;
  wchar_t* p = s.GetBuffer(300);
  EXPECT_GE(s.GetAllocLength(), 300);
  for (int i = 0; i < 300; ++i) p[i] = static_cast<wchar_t>(0x4E00 + i);
  s.ReleaseBuffer(300);
  EXPECT_EQ(s.GetLength(), 300);
  EXPECT_EQ(s[299], static_cast<wchar_t>(0x4E00 + 299));
  EXPECT_EQ(s[300], L'\0');

  p = s.GetBufferSetLength(4);
  p[1] = 0;  // ReleaseBuffer() measures up to the first terminator
  s.ReleaseBuffer();
  EXPECT_EQ(U(s), u"\u4E00");

  // Text taken from the string's own buffer, which may move while it grows.
  CString own(L"\u4E2D\u6587xyz");
  own += own.GetString() + 2;
  EXPECT_EQ(U(own), u"\u4E2D\u6587xyzxyz");
  own = own.GetString() + 1;
  EXPECT_EQ(U(own), u"\u6587xyzxyz");
  own.Insert(1, own.GetString() + 3);
  EXPECT_EQ(U(own), u"\u6587zxyzxyzxyz");

  // A character outside the basic plane takes two.
  CString pair(L"a\U0001F600b");
  EXPECT_EQ(pair.GetLength(), 4);
  EXPECT_EQ(U(pair.Mid(1, 2)), u"\U0001F600");
}

TEST(WideStringTest, ComparisonsOrderSixteenBitUnits) {
  // The euro sign is 0x80 in 8-bit text but U+20AC here, so it sorts after every Latin-1 letter.
  EXPECT_GT(CString(L"\u20AC").Compare(L"\u00FF"), 0);
  EXPECT_LT(CString(L"\u00E9").Compare(L"\u4E2D"), 0);
  EXPECT_LT(CString(L"\U0001F600").Compare(L"\uFFFD"), 0);  // units, not code points
  EXPECT_TRUE(CString(L"\u00E9") < CString(L"\u0153"));
  EXPECT_TRUE(CString(L"a\u00E9") == L"a\u00E9");

  // Without a locale only ASCII letters fold.
  EXPECT_EQ(CString(L"Stra\u00DFe \u00E9").CompareNoCase(L"STRA\u00DFE \u00E9"), 0);
  EXPECT_LT(CString(L"\u00C9").CompareNoCase(L"\u00E9"), 0);
  EXPECT_GT(CString(L"\u00E9").CompareNoCase(L"Z"), 0);
  EXPECT_NE(CString(L"\u0414").CompareNoCase(L"\u0434"), 0);
}

TEST(WideStringTest, SearchAndExtraction) {
  CString s(L"prix: 5 \u20AC, \u00E9t\u00E9 \u20AC");
  EXPECT_EQ(s.Find(L'\u20AC'), 8);
  EXPECT_EQ(s.Find(L'\u20AC', 9), 15);
  EXPECT_EQ(s.Find(L"\u00E9t"), 11);
  EXPECT_EQ(s.Find(L"\u00E9t\u00E9!"), -1);
  EXPECT_EQ(s.ReverseFind(L'\u00E9'), 13);
  EXPECT_EQ(s.FindOneOf(L"\u00E9\u20AC"), 8);
  EXPECT_EQ(s.Find(static_cast<wchar_t>(0x20AC & 0xFF)), -1);  // no match on the low byte alone
  EXPECT_EQ(U(s.Left(7)), u"prix: 5");
  EXPECT_EQ(U(s.Mid(11, 3)), u"\u00E9t\u00E9");
  EXPECT_EQ(U(s.Right(1)), u"\u20AC");
  EXPECT_EQ(U(s.Mid(14, 50)), u" \u20AC");
  EXPECT_EQ(U(s.SpanExcluding(L"\u20AC")), u"prix: 5 ");

  CString fields(L"\u20AC\u20ACun\u00A7deux\u20AC\u00A7trois");
  int pos = 0;
  std::vector<std::u16string> tokens;
  for (CString token = fields.Tokenize(L"\u20AC\u00A7", pos); !token.IsEmpty(); token = fields.Tokenize(L"\u20AC\u00A7", pos))
    tokens.push_back(U(token));
  EXPECT_EQ(tokens, (std::vector<std::u16string>{u"un", u"deux", u"trois"}));
  EXPECT_EQ(pos, -1);
}

TEST(WideStringTest, TrimRemovesWideWhiteSpace) {
  // Wide white space is not ASCII only: no-break, em and ideographic spaces count too.
  CString s(L"\u3000\u00A0\t valeur \u2003\u00A0\r\n\u3000");
  EXPECT_EQ(U(s.Trim()), u"valeur");
  CString inner(L"\u00A0a\u3000b\u00A0");
  EXPECT_EQ(U(inner.TrimLeft()), u"a\u3000b\u00A0");
  EXPECT_EQ(U(inner.TrimRight()), u"a\u3000b");
  CString printable(L"\u00E9\u4E2D\u20AC");
  EXPECT_EQ(U(printable.Trim()), u"\u00E9\u4E2D\u20AC");

  CString marks(L"\u20AC\u20ACmontant\u20AC");
  EXPECT_EQ(U(marks.Trim(L'\u20AC')), u"montant");
  CString set(L"\u00AB\u00A0guillemets\u00A0\u00BB");
  EXPECT_EQ(U(set.Trim(L"\u00AB\u00BB\u00A0")), u"guillemets");
}

TEST(WideStringTest, ReplaceGrowsShrinksAndCounts) {
  CString s(L"5 \u20AC + 7 \u20AC");
  EXPECT_EQ(s.Replace(L"\u20AC", L"EUR"), 2);
  EXPECT_EQ(U(s), u"5 EUR + 7 EUR");
  EXPECT_EQ(s.Replace(L"EUR", L"\u20AC"), 2);
  EXPECT_EQ(U(s), u"5 \u20AC + 7 \u20AC");
  EXPECT_EQ(s.Replace(L"\u00E9", L"e"), 0);
  EXPECT_EQ(s.Replace(L" \u20AC", nullptr), 2);
  EXPECT_EQ(U(s), u"5 + 7");
  CString t(L"\u00E9\u00E9\u00E9");
  EXPECT_EQ(t.Replace(L"\u00E9\u00E9", L"\u4E2D"), 1);  // left to right, no overlap
  EXPECT_EQ(U(t), u"\u4E2D\u00E9");
  EXPECT_EQ(t.Remove(L'\u4E2D'), 1);
  EXPECT_EQ(t.Insert(0, L"\u20AC"), 2);
  EXPECT_EQ(U(t), u"\u20AC\u00E9");
}

}  // namespace
