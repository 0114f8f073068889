#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "carray.h"
#include "cstringt.h"
#include "framework/throws_invalid_arg.h"

namespace {

// An element that counts the live objects, so that a missed or doubled destructor shows.
struct Counted {
  static int live;
  Counted() : value(-1) { ++live; }
  Counted(int v) : value(v) { ++live; }  // implicit, so that the tests pass plain numbers
  Counted(const Counted& other) : value(other.value) { ++live; }
  Counted& operator=(const Counted&) = default;
  ~Counted() { --live; }
  int value;
};
int Counted::live = 0;

std::vector<std::string> Texts(const CArray<CStringA, const CStringA&>& array) {
  std::vector<std::string> out;
  for (INT_PTR i = 0; i < array.GetSize(); ++i) out.push_back(array[i].GetString());
  return out;
}

std::vector<int> Values(const CArray<Counted, Counted>& array) {
  std::vector<int> out;
  for (INT_PTR i = 0; i < array.GetCount(); ++i) out.push_back(array.GetAt(i).value);
  return out;
}

TEST(CArrayTest, NewSlotsAreValueInitialisedAlsoAfterAShrink) {
  CArray<int, int> array;
  array.SetSize(3, 16);
  EXPECT_EQ(array.GetUpperBound(), 2);
  for (INT_PTR i = 0; i < 3; ++i) EXPECT_EQ(array[i], 0);
  array[0] = 7;
  array[2] = 9;
  array.SetSize(1);
  array.SetSize(3);  // the same storage again: the old values must not show
  EXPECT_EQ(array[0], 7);
  EXPECT_EQ(array[1], 0);
  EXPECT_EQ(array[2], 0);
}

TEST(CArrayTest, GrowsByTheGrowByCountAndKeepsStringsAcrossReallocations) {
  CArray<CStringA, const CStringA&> array;
  array.SetSize(0, 100);
  array.Add("first");
  const CStringA* storage = array.GetData();
  for (int i = 1; i < 100; ++i) array.Add("x");
  EXPECT_EQ(array.GetData(), storage) << "the grow-by count was not used";
  array.Add("101st");
  for (int i = 0; i < 5000; ++i) array.Add(CStringA(static_cast<char>('a' + i % 26), i % 7 + 1));
  EXPECT_EQ(array.GetSize(), 5101);
  EXPECT_STREQ(array[0], "first");
  EXPECT_STREQ(array[100], "101st");
  EXPECT_STREQ(array[5100], "hh");
  array.SetSize(2);
  array.FreeExtra();
  EXPECT_EQ(Texts(array), (std::vector<std::string>{"first", "x"}));
}

TEST(CArrayTest, AddingAnOwnElementSurvivesTheReallocation) {
  CArray<CStringA, const CStringA&> array;
  array.Add("kept text");
  for (int i = 0; i < 40; ++i) array.Add(array[0]);
  array.InsertAt(0, array[40], 3);
  array.SetAtGrow(50, array[1]);
  EXPECT_EQ(array.GetSize(), 51);
  for (INT_PTR i = 0; i < 44; ++i) ASSERT_STREQ(array[i], "kept text") << i;
  EXPECT_TRUE(array[49].IsEmpty());
  EXPECT_STREQ(array[50], "kept text");
}

TEST(CArrayTest, InsertAndRemoveMoveTheOthersAndDestroyWhatLeaves) {
  {
    CArray<Counted, Counted> array;
    array.Add(0);
    array.Add(3);
    array.InsertAt(1, 1, 2);
    EXPECT_EQ(Values(array), (std::vector<int>{0, 1, 1, 3}));
    array.InsertAt(6, 6);  // beyond the end: the gap holds default elements
    EXPECT_EQ(Values(array), (std::vector<int>{0, 1, 1, 3, -1, -1, 6}));
    EXPECT_EQ(Counted::live, 7);
    array.RemoveAt(1, 3);
    EXPECT_EQ(Values(array), (std::vector<int>{0, -1, -1, 6}));
    EXPECT_EQ(Counted::live, 4);
    array.RemoveAt(3);
    array.RemoveAt(0);
    EXPECT_EQ(Values(array), (std::vector<int>{-1, -1}));
    array.RemoveAt(0, 0);
    EXPECT_EQ(Counted::live, 2);

    CArray<Counted, Counted> other;
    other.Add(8);
    other.Add(9);
    array.InsertAt(1, &other);
    EXPECT_EQ(Values(array), (std::vector<int>{-1, 8, 9, -1}));
    array.InsertAt(2, &array);  // into itself: the copy is taken before the move
    EXPECT_EQ(Values(array), (std::vector<int>{-1, 8, -1, 8, 9, -1, 9, -1}));
    array.RemoveAll();
    EXPECT_EQ(Counted::live, 2);
  }
  EXPECT_EQ(Counted::live, 0);
}

TEST(CArrayTest, CopyAndAppendReplaceAndExtend) {
  CArray<CStringA, const CStringA&> a;
  a.Add("one");
  a.Add("two");
  CArray<CStringA, const CStringA&> b;
  b.Add("old");
  b.Copy(a);
  EXPECT_EQ(Texts(b), (std::vector<std::string>{"one", "two"}));
  b[0] = "changed";
  EXPECT_STREQ(a[0], "one") << "the copy shares its elements";
  EXPECT_EQ(b.Append(a), 2);
  EXPECT_EQ(a.Append(a), 2);
  EXPECT_EQ(Texts(a), (std::vector<std::string>{"one", "two", "one", "two"}));
  EXPECT_EQ(Texts(b), (std::vector<std::string>{"changed", "two", "one", "two"}));
  a.Copy(a);
  EXPECT_EQ(a.GetSize(), 4);
  CArray<CStringA, const CStringA&> empty;
  EXPECT_EQ(a.Append(empty), 4);
  a.Copy(empty);
  EXPECT_TRUE(a.IsEmpty());
}

TEST(CArrayTest, IndexesOutsideTheArrayThrowInvalidArgument) {
  CArray<int, int> array;
  array.SetSize(2);
  const CArray<int, int>& constant = array;
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.GetAt(2); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { constant.GetAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array[2] = 1; }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAt(5, 1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.ElementAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetAtGrow(-1, 1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.SetSize(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(1, 2); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.RemoveAt(-1); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(0, 1, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { array.InsertAt(0, nullptr); }));
  EXPECT_EQ(array.GetSize(), 2) << "a refused call changed the array";
}

}  // namespace
