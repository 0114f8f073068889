#include <gtest/gtest.h>

#include <string>
#include <thread>
#include <vector>

#include "cinvalidargexception.h"
#include "cstringt.h"
#include "support/wide.h"

namespace {

using testing_support::U;

TEST(CStringTest, CopiesShareUntilOneIsWritten) {
  CStringA original("shared text");
  CStringA copy = original;
  EXPECT_EQ(copy.GetString(), original.GetString());

  original.SetAt(0, 'S');
  EXPECT_STREQ(copy, "shared text");
  EXPECT_STREQ(original, "Shared text");
  EXPECT_NE(copy.GetString(), original.GetString());

  // GetBuffer on a shared string gives the writer its own buffer.
  CStringA third = copy;
  char* buffer = third.GetBuffer(40);
  EXPECT_NE(buffer, copy.GetString());
  strcpy(buffer, "rewritten");
  third.ReleaseBuffer();
  EXPECT_EQ(third.GetLength(), 9);
  EXPECT_STREQ(copy, "shared text");

  // A locked buffer is never shared; unlocked, copies share again.
  CStringA locked("locked");
  locked.LockBuffer();
  CStringA from_locked = locked;
  EXPECT_NE(from_locked.GetString(), locked.GetString());
  locked.UnlockBuffer();
  CStringA after_unlock = locked;
  EXPECT_EQ(after_unlock.GetString(), locked.GetString());

  // Assigning a string its own tail reads before it writes.
  CStringA self("abcdef");
  self = self.Mid(2);
  EXPECT_STREQ(self, "cdef");
  self += self;
  EXPECT_STREQ(self, "cdefcdef");
}

TEST(CStringTest, BufferLengthRules) {
  CStringA s;
  char* p = s.GetBufferSetLength(3);
  p[0] = 'a';
  p[1] = 'b';
  p[2] = 'c';
  s.ReleaseBuffer();
  EXPECT_STREQ(s, "abc");

  p = s.GetBuffer(10);
  p[1] = 0;  // ReleaseBuffer() measures up to the first terminator
  s.ReleaseBuffer();
  EXPECT_EQ(s.GetLength(), 1);
  s.GetBuffer(10);
  s.ReleaseBuffer(0);
  EXPECT_TRUE(s.IsEmpty());

  CStringA repeated('x', 4);
  EXPECT_STREQ(repeated, "xxxx");
  CStringA bounded("abcdef", 3);
  EXPECT_STREQ(bounded, "abc");
  CStringA with_nul("a\0b", 3);
  EXPECT_EQ(with_nul.GetLength(), 3);
}

TEST(CStringTest, SharedBuffersAcrossThreads) {
  CStringA shared("text that many threads copy");
  std::vector<std::thread> threads;
  for (int t = 0; t < 4; ++t) {
    threads.emplace_back([&shared] {
      for (int i = 0; i < 20000; ++i) {
        CStringA copy = shared;
        CStringA second(copy);
        if (i % 100 == 0) second.MakeUpper();
      }
    });
  }
  for (auto& thread : threads) thread.join();
  EXPECT_STREQ(shared, "text that many threads copy");
}

TEST(CStringTest, IndexOutOfRangeThrowsInvalidArg) {
  CStringA s("abc");
  EXPECT_EQ(s.GetAt(3), '\0');  // the terminator may be read
  EXPECT_EQ(s[1], 'b');
  for (int bad : {-1, 3}) {
    try {
      s.SetAt(bad, 'x');
      ADD_FAILURE() << "SetAt(" << bad << ") did not throw";
    } catch (CException* e) {
      EXPECT_TRUE(e->IsKindOf(RUNTIME_CLASS(CInvalidArgException)));
      e->Delete();
    }
  }
  try {
    s.GetAt(4);
    ADD_FAILURE() << "GetAt(4) did not throw";
  } catch (CException* e) {
    e->Delete();
  }
}

TEST(CStringTest, ExtractionClampsCounts) {
  CStringA s("Hello, world");
  EXPECT_STREQ(s.Mid(7), "world");
  EXPECT_STREQ(s.Mid(7, 100), "world");
  EXPECT_STREQ(s.Mid(-3, 5), "Hello");
  EXPECT_STREQ(s.Mid(20), "");
  EXPECT_STREQ(s.Mid(3, -1), "");
  EXPECT_STREQ(s.Left(5), "Hello");
  EXPECT_STREQ(s.Left(50), "Hello, world");
  EXPECT_STREQ(s.Left(-1), "");
  EXPECT_STREQ(s.Right(5), "world");
  EXPECT_STREQ(s.Right(50), "Hello, world");
  EXPECT_STREQ(s.Right(-2), "");
  EXPECT_STREQ(s.SpanIncluding("HeloH"), "Hello");
  EXPECT_STREQ(s.SpanExcluding(",;"), "Hello");
  EXPECT_STREQ(s.SpanExcluding("?"), "Hello, world");
}

TEST(CStringTest, SearchBounds) {
  CStringA s("abcabc");
  EXPECT_EQ(s.Find('b'), 1);
  EXPECT_EQ(s.Find('b', 2), 4);
  EXPECT_EQ(s.Find('b', 6), -1);
  EXPECT_EQ(s.Find('b', -1), -1);
  EXPECT_EQ(s.Find("ca"), 2);
  EXPECT_EQ(s.Find("bc", 2), 4);
  EXPECT_EQ(s.Find("", 6), 6);  // a substring may start at the end
  EXPECT_EQ(s.Find("", 7), -1);
  EXPECT_EQ(s.Find("abcd"), -1);
  EXPECT_EQ(s.ReverseFind('a'), 3);
  EXPECT_EQ(s.ReverseFind('z'), -1);
  EXPECT_EQ(s.FindOneOf("xc"), 2);
  EXPECT_EQ(s.FindOneOf("xyz"), -1);
  EXPECT_EQ(CStringA().Find('a'), -1);
}

TEST(CStringTest, TokenizeSkipsDelimitersAndEndsWithMinusOne) {
  CStringA s("%First Second#Third");
  int pos = 0;
  std::vector<std::string> tokens;
  for (CStringA token = s.Tokenize("% #", pos); !token.IsEmpty(); token = s.Tokenize("% #", pos))
    tokens.push_back(token.GetString());
  EXPECT_EQ(tokens, (std::vector<std::string>{"First", "Second", "Third"}));
  EXPECT_EQ(pos, -1);

  CStringA csv("a,,b,");
  pos = 0;
  EXPECT_STREQ(csv.Tokenize(",", pos), "a");
  EXPECT_EQ(pos, 2);
  EXPECT_STREQ(csv.Tokenize(",", pos), "b");
  EXPECT_EQ(pos, 5);
  EXPECT_STREQ(csv.Tokenize(",", pos), "");
  EXPECT_EQ(pos, -1);

  pos = 2;
  EXPECT_STREQ(csv.Tokenize("", pos), ",b,");  // no delimiters: the rest, to the end
  EXPECT_EQ(pos, -1);

  CStringA only_delims(",,,");
  pos = 0;
  EXPECT_STREQ(only_delims.Tokenize(",", pos), "");
  EXPECT_EQ(pos, -1);
}

TEST(CStringTest, TrimWhitespaceCharAndSet) {
  CStringA s(" \t\r\n text \n");
  EXPECT_STREQ(s.Trim(), "text");
  CStringA t("xxabcxx");
  EXPECT_STREQ(t.TrimLeft('x'), "abcxx");
  EXPECT_STREQ(t.TrimRight('x'), "abc");
  CStringA u("-=*value*=-");
  EXPECT_STREQ(u.Trim("*=-"), "value");
  CStringA all("....");
  EXPECT_STREQ(all.Trim('.'), "");
  CStringA inner("a b");
  EXPECT_STREQ(inner.Trim(), "a b");
}

TEST(CStringTest, EditingOperations) {
  CStringA s("aaaa");
  EXPECT_EQ(s.Replace("aa", "b"), 2);  // left to right, no overlap
  EXPECT_STREQ(s, "bb");
  CStringA t("one two one");
  EXPECT_EQ(t.Replace("one", "three"), 2);
  EXPECT_STREQ(t, "three two three");
  EXPECT_EQ(t.Replace("", "x"), 0);
  EXPECT_EQ(t.Replace("two ", nullptr), 1);
  EXPECT_STREQ(t, "three three");
  EXPECT_EQ(t.Replace('e', 'E'), 4);
  EXPECT_EQ(t.Remove('E'), 4);
  EXPECT_STREQ(t, "thr thr");

  CStringA u("abc");
  EXPECT_EQ(u.Insert(-5, 'X'), 4);
  EXPECT_EQ(u.Insert(99, "YZ"), 6);
  EXPECT_STREQ(u, "XabcYZ");
  EXPECT_EQ(u.Insert(1, u.GetString() + 4), 8);  // from its own buffer
  EXPECT_STREQ(u, "XYZabcYZ");
  EXPECT_EQ(u.Delete(3, 100), 3);
  EXPECT_STREQ(u, "XYZ");
  EXPECT_EQ(u.Delete(-1), 2);
  EXPECT_STREQ(u, "YZ");
  EXPECT_EQ(u.Delete(5, 1), 2);

  CStringA v("MiXed 1252 \xC4");
  EXPECT_STREQ(v.MakeUpper(), "MIXED 1252 \xC4");  // ASCII only, as the C runtime's default locale
  EXPECT_STREQ(v.MakeLower(), "mixed 1252 \xC4");
  EXPECT_STREQ(v.MakeReverse(), "\xC4 2521 dexim");
}

TEST(CStringTest, ComparisonsAndConcatenation) {
  CStringA s("Apple");
  EXPECT_LT(s.Compare("apple"), 0);
  EXPECT_EQ(s.CompareNoCase("aPPLE"), 0);
  EXPECT_GT(s.CompareNoCase("_"), 0);  // folded to lower case: 'a' > '_'
  EXPECT_GT(CStringA("\xE9").Compare("z"), 0);  // unsigned bytes
  EXPECT_TRUE(s == "Apple");
  EXPECT_TRUE("Apple" == s);
  EXPECT_TRUE(s != "apple");
  EXPECT_TRUE(s < "Banana");
  EXPECT_TRUE("Banana" > s);
  EXPECT_TRUE(s == CStringA("Apple"));
  EXPECT_STREQ(s + " pie", "Apple pie");
  EXPECT_STREQ("An " + s, "An Apple");
  EXPECT_STREQ(s + '!', "Apple!");
  CStringA t;
  t += "a";
  t += 'b';
  t += CStringA("c");
  t += L"d";
  EXPECT_STREQ(t, "abcd");
  t.Empty();
  EXPECT_TRUE(t.IsEmpty());
}

TEST(CStringTest, WidthConversionsUseWindows1252) {
  CStringW euro("price \x80 5");
  EXPECT_EQ(U(euro), u"price \u20AC 5");
  CStringA back(euro);
  EXPECT_STREQ(back, "price \x80 5");
  CStringA from_wide(L"\u20AC\u00E9\u4E2D");
  EXPECT_STREQ(from_wide, "\x80\xE9?");  // no mapping: the default character
  CStringW w;
  w = "\x9C";
  EXPECT_EQ(U(w), u"\u0153");
  w += "x";
  EXPECT_EQ(U(w), u"\u0153x");
  EXPECT_TRUE(CStringW(L"abc") == "abc");
  CStringW sized("abcdef", 2);
  EXPECT_EQ(U(sized), u"ab");
}

TEST(CStringTest, WideOperationsMatchNarrow) {
  CStringW s(L"  Key = Value  ");
  s.Trim();
  EXPECT_EQ(U(s), u"Key = Value");
  EXPECT_EQ(s.Find(L'='), 4);
  EXPECT_EQ(U(s.Left(3)), u"Key");
  EXPECT_EQ(U(s.Mid(6)), u"Value");
  int pos = 0;
  EXPECT_EQ(U(s.Tokenize(L" =", pos)), u"Key");
  EXPECT_EQ(U(s.Tokenize(L" =", pos)), u"Value");
  EXPECT_EQ(s.CompareNoCase(L"KEY = VALUE"), 0);
  s.MakeUpper();
  EXPECT_EQ(U(s), u"KEY = VALUE");
  EXPECT_EQ(s.Replace(L" = ", L"="), 1);
  EXPECT_EQ(U(s), u"KEY=VALUE");
}

}  // namespace
