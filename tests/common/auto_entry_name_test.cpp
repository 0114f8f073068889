// The rule for the names of the service's entries, which the service and sornet share.
#include <gtest/gtest.h>

#include "auto_entry_name.h"

namespace {

TEST(EntryNameTest, OnlyTheLastSevenCharactersCount) {
  struct Case {
    const char* name;
    EntryNameKind kind;
    int index;
  } cases[] = {
      {"AUTO-A0", ENTRY_NAME_NETWORK_A, 0},
      {"auto-b7", ENTRY_NAME_NETWORK_B, 7},
      {"Office AUTO-A1", ENTRY_NAME_NETWORK_A, 1},
      {"xAUTO-B9", ENTRY_NAME_NETWORK_B, 9},
      {"aUtO-a3", ENTRY_NAME_NETWORK_A, 3},
      {"AUTO-A", ENTRY_NAME_NO_DIGIT, -1},
      {"AUTO-A1 ", ENTRY_NAME_NO_DIGIT, -1},
      {"", ENTRY_NAME_NO_DIGIT, -1},
      {"AUTO-A10", ENTRY_NAME_NO_NETWORK, 0},  // the six before the digit are "UTO-A1"
      {"AUTO-C1", ENTRY_NAME_NO_NETWORK, 1},
      {"AUTO_A1", ENTRY_NAME_NO_NETWORK, 1},
      // Too short: the six characters before the digit do not exist.
      {"AUTOA1", ENTRY_NAME_NO_NETWORK, 1},
      {"UTO-A1", ENTRY_NAME_NO_NETWORK, 1},
      {"5", ENTRY_NAME_NO_NETWORK, 5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    BYTE index = 0xEE;
    EXPECT_EQ(ClassifyEntryName(c.name, &index), c.kind);
    EXPECT_EQ(index, c.index < 0 ? 0xEE : c.index);
  }
}

}  // namespace
