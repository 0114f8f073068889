// Commits that changed one family of the machine database's tables (those whose names begin with
// a prefix), counted in memory that every process of the machine shares. A process that keeps a
// copy of those tables compares stamps before it uses the copy: an unchanged stamp, read settled
// before the copy was loaded, means no process has committed a change since.
#pragma once

#include <sqlite3.h>

#include <atomic>
#include <cstdint>
#include <mutex>

namespace platform::machine {

struct CommitStamp {
  int attachment = 0;   // the machine this process was attached to when the stamp was read
  uint64_t begun = 0;   // commits that had started
  bool settled = false;  // every commit that had started had ended
  bool operator==(const CommitStamp&) const = default;
};

class CommitCount {
 public:
  // Static objects only: every connection the process opens counts for it. `name` names the
  // counter's file in the machine root.
  CommitCount(const char* name, const char* table_prefix);
  CommitStamp now() const;

  CommitCount(const CommitCount&) = delete;
  CommitCount& operator=(const CommitCount&) = delete;

 private:
  struct Counters;
  const Counters& counters() const;
  friend struct CommitHooks;

  const char* name_;
  const char* prefix_;
  mutable std::atomic<const Counters*> mapping_{nullptr};
  mutable std::mutex remap_;
};

// What one connection has changed of the counted tables in its open transaction: a bit for
// each count.
struct CommitWatch {
  unsigned touched = 0;
  unsigned announced = 0;  // begun by the commit under way, ended once it is done
};

// Makes `connection`'s commits count (its hooks hold `watch`, which must outlive it).
void count_commits(sqlite3* connection, CommitWatch* watch);

}  // namespace platform::machine
