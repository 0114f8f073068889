#include <gtest/gtest.h>

#include "kernel/commit_count.h"
#include "kernel/machine.h"
#include "support/machine_fixture.h"

namespace {

namespace machine = platform::machine;

// Counts the commits that change the probe's own tables.
const machine::CommitCount g_probe("probe.commits", "probe_");

class CommitCountTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    machine::exec("CREATE TABLE probe_rows(n INTEGER); CREATE TABLE other_rows(n INTEGER);");
  }
  uint64_t moved_since(const machine::CommitStamp& before) {
    machine::CommitStamp now = g_probe.now();
    EXPECT_TRUE(now.settled);
    EXPECT_EQ(now.attachment, before.attachment);
    return now.begun - before.begun;
  }
};

TEST_F(CommitCountTest, OnlyCommittedChangesOfTheCountedTablesMoveTheStamp) {
  machine::CommitStamp start = g_probe.now();
  ASSERT_TRUE(start.settled);
  machine::exec("INSERT INTO probe_rows VALUES(1)");
  EXPECT_EQ(moved_since(start), 1u) << "a statement of its own";
  {
    machine::Transaction both;
    machine::exec("INSERT INTO probe_rows VALUES(2)");
    machine::exec("UPDATE probe_rows SET n = n + 1");
    EXPECT_EQ(moved_since(start), 1u) << "not before the commit";
    both.commit();
  }
  EXPECT_EQ(moved_since(start), 2u) << "one transaction, one commit";
  {
    machine::Transaction abandoned;
    machine::exec("DELETE FROM probe_rows");
  }
  machine::exec("INSERT INTO other_rows VALUES(1)");
  machine::exec("SELECT count(*) FROM probe_rows");
  EXPECT_EQ(moved_since(start), 2u) << "a rollback, another table and a read change nothing";
}

TEST_F(CommitCountTest, AnotherMachineIsAnotherStamp) {
  machine::CommitStamp first = g_probe.now();
  recreate({});
  machine::exec("CREATE TABLE probe_rows(n INTEGER)");
  machine::CommitStamp second = g_probe.now();
  EXPECT_NE(second.attachment, first.attachment);
  EXPECT_TRUE(second.settled);
}

}  // namespace
