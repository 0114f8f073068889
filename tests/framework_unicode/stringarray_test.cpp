#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cstringarray.h"
#include "framework/throws_invalid_arg.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;

std::vector<std::u16string> Texts(const CStringArray& array) {
  std::vector<std::u16string> out;
  for (INT_PTR i = 0; i < array.GetSize(); ++i) out.push_back(U(array[i]));
  return out;
}

TEST(CStringArrayTest, HoldsWideTextsFromEveryKindOfSource) {
  CStringArray array;
  EXPECT_TRUE(array.IsKindOf(RUNTIME_CLASS(CStringArray)));
  EXPECT_TRUE(array.IsKindOf(RUNTIME_CLASS(CObject)));
  EXPECT_EQ(array.Add(L"C:\\Program Files\\Tarvolt"), 0);
  EXPECT_EQ(array.Add(CString(L"r\u00E9sum\u00E9")), 1);
  array.Add("ANSI \xE9");  // 8-bit text in the ANSI code page
  array.SetAtGrow(4, L"\u4E2D");
  EXPECT_EQ(Texts(array),
            (std::vector<std::u16string>{u"C:\\Program Files\\Tarvolt", u"r\u00E9sum\u00E9", u"ANSI \u00E9", u"",
                                         u"\u4E2D"}));
  array.InsertAt(1, L"inserted", 2);
  array.RemoveAt(0);
  array.SetAt(0, L"set");
  array.ElementAt(1) += L"+";
  EXPECT_EQ(Texts(array), (std::vector<std::u16string>{u"set", u"inserted+", u"r\u00E9sum\u00E9", u"ANSI \u00E9",
                                                       u"", u"\u4E2D"}));
  EXPECT_EQ(U(array.GetData()[5]), u"\u4E2D");

  CStringArray copy;
  copy.Copy(array);
  copy.Append(array);
  EXPECT_EQ(copy.GetCount(), 12);
  EXPECT_EQ(U(copy[6]), u"set");
  array.RemoveAll();
  EXPECT_EQ(U(copy[0]), u"set") << "the copy lost its texts with the original";
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(0); }));
}

}  // namespace
