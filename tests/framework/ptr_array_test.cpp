#include <gtest/gtest.h>

#include <vector>

#include "cinvalidargexception.h"
#include "ctypedptrarray.h"
#include "framework/throws_invalid_arg.h"

namespace {

int g_values[8];
void* P(int i) { return &g_values[i]; }

std::vector<void*> Contents(const CPtrArray& array) {
  std::vector<void*> out;
  for (INT_PTR i = 0; i < array.GetSize(); ++i) out.push_back(array.GetAt(i));
  return out;
}

TEST(CPtrArrayTest, GrownSlotsAreNullAlsoAfterAShrink) {
  CPtrArray array;
  EXPECT_EQ(array.GetUpperBound(), -1);
  array.SetSize(3, 16);
  EXPECT_EQ(Contents(array), (std::vector<void*>{nullptr, nullptr, nullptr}));
  array[0] = P(0);
  array[2] = P(2);
  array.SetSize(1);
  // The slots come back inside the same storage: they must not show the old pointers.
  array.SetSize(3);
  EXPECT_EQ(Contents(array), (std::vector<void*>{P(0), nullptr, nullptr}));
  EXPECT_EQ(array.GetCount(), 3);
  EXPECT_EQ(array.GetUpperBound(), 2);
}

TEST(CPtrArrayTest, AddKeepsEveryElementAcrossReallocations) {
  CPtrArray array;
  for (int i = 0; i < 5000; ++i) EXPECT_EQ(array.Add(P(i % 8)), i);
  for (int i = 0; i < 5000; ++i) ASSERT_EQ(array[i], P(i % 8)) << i;
  array.SetSize(10);
  array.FreeExtra();
  EXPECT_EQ(array.GetSize(), 10);
  EXPECT_EQ(array.GetAt(9), P(1));
  array.RemoveAll();
  EXPECT_TRUE(array.IsEmpty());
  array.FreeExtra();
  EXPECT_EQ(array.Add(P(3)), 0);
}

TEST(CPtrArrayTest, InsertAndRemoveMoveTheOthers) {
  CPtrArray array;
  array.Add(P(0));
  array.Add(P(3));
  array.InsertAt(1, P(1), 2);
  EXPECT_EQ(Contents(array), (std::vector<void*>{P(0), P(1), P(1), P(3)}));
  array.InsertAt(6, P(6));  // beyond the end: the gap is null
  EXPECT_EQ(Contents(array), (std::vector<void*>{P(0), P(1), P(1), P(3), nullptr, nullptr, P(6)}));
  array.RemoveAt(1, 3);
  EXPECT_EQ(Contents(array), (std::vector<void*>{P(0), nullptr, nullptr, P(6)}));
  array.RemoveAt(3);
  array.RemoveAt(0);
  EXPECT_EQ(Contents(array), (std::vector<void*>{nullptr, nullptr}));

  CPtrArray other;
  other.Add(P(4));
  other.Add(P(5));
  other.InsertAt(1, &other);  // into itself
  EXPECT_EQ(Contents(other), (std::vector<void*>{P(4), P(4), P(5), P(5)}));
}

TEST(CPtrArrayTest, IndexesOutsideTheArrayThrow) {
  CPtrArray array;
  array.Add(P(0));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAt(1, P(1)); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(0, 2); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(-1, P(1)); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetSize(-1); }));
  EXPECT_EQ(Contents(array), (std::vector<void*>{P(0)}));
}

struct Item {
  int value;
};

TEST(CTypedPtrArrayTest, ElementsKeepTheirType) {
  CTypedPtrArray<CPtrArray, Item*> items;
  Item a{1}, b{2};
  items.Add(&b);
  items.InsertAt(0, &a);
  EXPECT_EQ(items[0]->value, 1);
  EXPECT_EQ(items.GetAt(1)->value, 2);
  items[1] = &a;  // a reference to the slot itself
  EXPECT_EQ(items.GetAt(1), &a);
  EXPECT_EQ(items.GetUpperBound(), 1);
}

}  // namespace
