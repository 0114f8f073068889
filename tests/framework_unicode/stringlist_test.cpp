#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cstringlist.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;

std::vector<std::u16string> Contents(const CStringList& list) {
  std::vector<std::u16string> out;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) out.push_back(U(list.GetNext(pos)));
  return out;
}

TEST(WideStringListTest, HoldsWideTextAndFindsItExactly) {
  CStringList list;
  POSITION first = list.AddTail(L"\u00E9t\u00E9");
  list.AddTail(CString("\xC9T\xC9"));  // 8-bit text, converted on the way in
  list.AddHead(L"\u4E2D\u6587");
  POSITION last = list.AddTail(L"\u00E9t\u00E9");
  EXPECT_EQ(Contents(list), (std::vector<std::u16string>{u"\u4E2D\u6587", u"\u00E9t\u00E9", u"\u00C9T\u00C9",
                                                          u"\u00E9t\u00E9"}));
  EXPECT_EQ(list.Find(L"\u00E9t\u00E9"), first);
  EXPECT_EQ(list.Find(L"\u00E9t\u00E9", first), last);
  EXPECT_NE(list.Find(L"\u00C9T\u00C9"), first);
  EXPECT_EQ(list.Find(L"\u00E9t"), nullptr);  // whole elements only
  EXPECT_EQ(U(list.GetAt(list.FindIndex(2))), u"\u00C9T\u00C9");

  // Elements are copies: changing the source or an element leaves the others alone.
  CString value(L"\u20AC1");
  POSITION pos = list.AddTail(value);
  value.SetAt(0, L'$');
  list.AddTail(list.GetAt(pos));
  list.GetAt(pos).Replace(L'\u20AC', L'\u00A3');
  EXPECT_EQ(U(list.RemoveTail()), u"\u20AC1");
  EXPECT_EQ(U(list.RemoveTail()), u"\u00A31");
  EXPECT_EQ(U(list.RemoveHead()), u"\u4E2D\u6587");
  EXPECT_EQ(list.GetCount(), 3);
}

}  // namespace
