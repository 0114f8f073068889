#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "cstringlist.h"

namespace {

std::vector<std::string> Contents(const CStringList& list) {
  std::vector<std::string> out;
  for (POSITION pos = list.GetHeadPosition(); pos != nullptr;) out.push_back(list.GetNext(pos).GetString());
  return out;
}

TEST(CStringListTest, HeadInTailOutIsAQueue) {
  CStringList queue;
  queue.AddHead("first");
  queue.AddHead("second");
  queue.AddHead(CString("third"));
  EXPECT_EQ(queue.GetCount(), 3);
  EXPECT_STREQ(queue.GetHead(), "third");
  EXPECT_STREQ(queue.GetTail(), "first");
  EXPECT_STREQ(queue.RemoveTail(), "first");
  EXPECT_STREQ(queue.RemoveTail(), "second");
  queue.AddHead("fourth");
  EXPECT_STREQ(queue.RemoveTail(), "third");
  EXPECT_STREQ(queue.RemoveHead(), "fourth");
  EXPECT_TRUE(queue.IsEmpty());
  EXPECT_EQ(queue.GetHeadPosition(), nullptr);
  EXPECT_EQ(queue.GetTailPosition(), nullptr);
}

TEST(CStringListTest, PositionsWalkInsertAndRemove) {
  CStringList list;
  POSITION b = list.AddTail("b");
  list.InsertBefore(b, "a");
  POSITION d = list.InsertAfter(b, "d");
  list.InsertBefore(d, "c");
  list.InsertAfter(nullptr, "e");   // at the tail
  list.InsertBefore(nullptr, "0");  // at the head
  EXPECT_EQ(Contents(list), (std::vector<std::string>{"0", "a", "b", "c", "d", "e"}));

  POSITION pos = list.GetTailPosition();
  std::string backwards;
  while (pos != nullptr) backwards += list.GetPrev(pos).GetString();
  EXPECT_EQ(backwards, "edcba0");

  list.SetAt(b, "B");
  EXPECT_STREQ(list.GetAt(b), "B");
  list.RemoveAt(b);
  list.RemoveAt(list.GetHeadPosition());
  list.RemoveAt(list.GetTailPosition());
  EXPECT_EQ(Contents(list), (std::vector<std::string>{"a", "c", "d"}));
  EXPECT_STREQ(list.GetHead(), "a");
  EXPECT_STREQ(list.GetTail(), "d");

  EXPECT_STREQ(list.GetAt(list.FindIndex(2)), "d");
  EXPECT_EQ(list.FindIndex(3), nullptr);
  EXPECT_EQ(list.FindIndex(-1), nullptr);
}

TEST(CStringListTest, FindStartsAfterThePositionGiven) {
  CStringList list;
  POSITION first = list.AddTail("x");
  list.AddTail("y");
  POSITION second = list.AddTail("x");
  EXPECT_EQ(list.Find("x"), first);
  EXPECT_EQ(list.Find("x", first), second);
  EXPECT_EQ(list.Find("x", second), nullptr);
  EXPECT_EQ(list.Find("X"), nullptr);  // case matters
}

TEST(CStringListTest, AddingListsKeepsTheirOrder) {
  CStringList list, other;
  list.AddTail("m");
  other.AddTail("1");
  other.AddTail("2");
  list.AddHead(&other);
  list.AddTail(&other);
  EXPECT_EQ(Contents(list), (std::vector<std::string>{"1", "2", "m", "1", "2"}));
}

TEST(CStringListTest, BlocksSurviveManyAddsAndRemoves) {
  for (INT_PTR block_size : {1, 3, 10}) {
    CStringList list(block_size);
    for (int round = 0; round < 5; ++round) {
      for (int i = 0; i < 97; ++i) {
        CString s;
        s.Format("%d-%d", round, i);
        if (i % 2 == 0) {
          list.AddHead(s);
        } else {
          list.AddTail(s);
        }
      }
      // Take most out again, from both ends, so that freed nodes are reused.
      for (int i = 0; i < 90; ++i) {
        if (i % 3 == 0) {
          list.RemoveHead();
        } else {
          list.RemoveTail();
        }
      }
    }
    EXPECT_EQ(list.GetCount(), 35);
    INT_PTR counted = 0;
    for (POSITION pos = list.GetHeadPosition(); pos != nullptr; list.GetNext(pos)) ++counted;
    EXPECT_EQ(counted, 35);
    while (!list.IsEmpty()) list.RemoveTail();
    list.AddTail("again after emptying");
    EXPECT_STREQ(list.GetHead(), "again after emptying");
  }
}

TEST(CStringListTest, ElementsAreIndependentCopies) {
  CStringList list;
  CString value("original");
  list.AddTail(value);
  value.SetAt(0, 'O');
  EXPECT_STREQ(list.GetHead(), "original");
  list.AddTail(list.GetHead());  // from its own element
  list.GetHead().MakeUpper();
  EXPECT_EQ(Contents(list), (std::vector<std::string>{"ORIGINAL", "original"}));
}

}  // namespace
