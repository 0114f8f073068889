#include <gtest/gtest.h>

#include <map>
#include <string>

#include "cmap.h"
#include "cstringt.h"
#include "framework/throws_invalid_arg.h"

namespace {

// A value that counts the live objects, so that a removal that forgets its value shows.
struct Tracked {
  static int live;
  Tracked() { ++live; }
  Tracked(const Tracked& other) : text(other.text) { ++live; }
  Tracked& operator=(const Tracked&) = default;
  ~Tracked() { --live; }
  CStringA text;
};
int Tracked::live = 0;

template <class KEY, class ARG_KEY, class VALUE, class ARG_VALUE>
std::map<KEY, int> VisitCounts(const CMap<KEY, ARG_KEY, VALUE, ARG_VALUE>& map) {
  std::map<KEY, int> visits;
  KEY key;
  VALUE value;
  for (POSITION pos = map.GetStartPosition(); pos != nullptr;) {
    map.GetNextAssoc(pos, key, value);
    ++visits[key];
  }
  return visits;
}

TEST(CMapTest, SetLookupAndRemoveKeepTheCount) {
  CMap<int, int, CStringA, const CStringA&> map;
  EXPECT_TRUE(map.IsEmpty());
  EXPECT_EQ(map.GetStartPosition(), nullptr);
  CStringA value = "untouched";
  EXPECT_FALSE(map.Lookup(1, value));
  EXPECT_FALSE(map.RemoveKey(1));
  EXPECT_STREQ(value, "untouched") << "a miss wrote the value";

  map.SetAt(1, "one");
  map.SetAt(18, "eighteen");  // the same bucket as 1 in the default table of 17
  map[2] = "two";
  map.SetAt(1, "uno");  // replaces
  EXPECT_EQ(map.GetCount(), 3);
  EXPECT_TRUE(map.Lookup(1, value));
  EXPECT_STREQ(value, "uno");
  EXPECT_TRUE(map.Lookup(18, value));
  EXPECT_STREQ(value, "eighteen");
  EXPECT_TRUE(map[35].IsEmpty()) << "operator[] adds an empty value for a new key";
  EXPECT_EQ(map.GetSize(), 4);

  EXPECT_TRUE(map.RemoveKey(18));
  EXPECT_FALSE(map.RemoveKey(18));
  EXPECT_FALSE(map.Lookup(18, value));
  EXPECT_TRUE(map.Lookup(1, value)) << "removing from a chain lost its neighbour";
  EXPECT_TRUE(map.Lookup(35, value));
  EXPECT_EQ(map.GetCount(), 3);
  map.RemoveAll();
  EXPECT_EQ(map.GetCount(), 0);
  EXPECT_FALSE(map.Lookup(1, value));
  map[5] = "after";
  EXPECT_TRUE(map.Lookup(5, value));
}

TEST(CMapTest, IterationVisitsEachAssociationOnce) {
  CMap<int, int, int, int> map(3);
  map.InitHashTable(7);  // long chains in few buckets
  for (int i = 0; i < 1000; ++i) map[i * 3] = i;
  for (int i = 0; i < 1000; i += 2) ASSERT_TRUE(map.RemoveKey(i * 3));
  std::map<int, int> visits = VisitCounts(map);
  ASSERT_EQ(visits.size(), 500u);
  for (const auto& [key, count] : visits) {
    EXPECT_EQ(key % 6, 3) << key;
    EXPECT_EQ(count, 1) << key;
  }
  POSITION pos = map.GetStartPosition();
  int key = 0;
  int value = 0;
  map.GetNextAssoc(pos, key, value);
  EXPECT_EQ(key, value * 3);

  POSITION end = nullptr;
  EXPECT_TRUE(ThrowsInvalidArg([&] { map.GetNextAssoc(end, key, value); }));
  EXPECT_TRUE(ThrowsInvalidArg([&] { map.InitHashTable(0); }));
}

TEST(CMapTest, ANewHashTableKeepsTheAssociations) {
  CMap<int, int, int, int> map;
  for (int i = 0; i < 100; ++i) map[i] = -i;
  map.InitHashTable(101);
  EXPECT_EQ(map.GetHashTableSize(), 101u);
  EXPECT_EQ(map.GetCount(), 100);
  for (int i = 0; i < 100; ++i) {
    int value = 1;
    ASSERT_TRUE(map.Lookup(i, value)) << i;
    EXPECT_EQ(value, -i);
  }
  EXPECT_EQ(VisitCounts(map).size(), 100u);
}

TEST(CMapTest, StringKeysCompareByContent) {
  CMap<CStringA, LPCSTR, int, int> map;
  map["Server"] = 1;
  map.SetAt("Router", 2);
  char buffer[] = "Server";  // another copy of the same text
  int value = 0;
  EXPECT_TRUE(map.Lookup(buffer, value));
  EXPECT_EQ(value, 1);
  EXPECT_FALSE(map.Lookup("server", value)) << "keys compare case-sensitively";
  EXPECT_FALSE(map.Lookup("", value));
  EXPECT_TRUE(map.RemoveKey(CStringA("Rout") + "er"));

  CMap<CStringA, const CStringA&, CStringA, const CStringA&> byString;
  byString[CStringA("k")] = "v";
  CStringA text;
  EXPECT_TRUE(byString.Lookup("k", text));
  EXPECT_STREQ(text, "v");
  EXPECT_EQ(HashKey<const CStringA&>(CStringA("abc")), HashKey<LPCSTR>("abc"));
  EXPECT_NE(HashKey<LPCSTR>("ab"), HashKey<LPCSTR>("ba"));
}

TEST(CMapTest, PointerKeysAndRemovedValuesAreDestroyed) {
  int objects[3];
  {
    CMap<void*, void*, Tracked, const Tracked&> map(2);
    for (int& object : objects) map[&object].text = "x";
    EXPECT_EQ(Tracked::live, 3);
    EXPECT_TRUE(map.RemoveKey(&objects[1]));
    EXPECT_EQ(Tracked::live, 2) << "RemoveKey kept its value alive";
    Tracked found;
    EXPECT_TRUE(map.Lookup(&objects[2], found));
    EXPECT_STREQ(found.text, "x");
    EXPECT_FALSE(map.Lookup(&objects[1], found));
    // Emptying the map returns its blocks; it must then start over cleanly.
    EXPECT_TRUE(map.RemoveKey(&objects[0]));
    EXPECT_TRUE(map.RemoveKey(&objects[2]));
    EXPECT_TRUE(map.IsEmpty());
    map[&objects[1]].text = "again";
    EXPECT_TRUE(map.Lookup(&objects[1], found));
    EXPECT_STREQ(found.text, "again");
  }
  EXPECT_EQ(Tracked::live, 0);
}

}  // namespace
