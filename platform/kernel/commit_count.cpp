#include "kernel/commit_count.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "kernel/machine.h"

namespace platform::machine {

// The file holds the two numbers: commits begun, commits ended. A commit is begun before it is
// committed and ended after, so a reader that finds them equal knows that every commit it can
// tell of has landed. A process that dies between the two leaves them apart for good: readers
// then load afresh on every read, slower but never stale.
struct CommitCount::Counters {
  int attachment;
  uint64_t* numbers;  // begun, ended
};

namespace {

constexpr unsigned kMaxCounts = 8 * sizeof(unsigned);
// SQLite's own wal_autocheckpoint, which a connection's own WAL hook replaces.
constexpr int kCheckpointFrames = 1000;

std::vector<const CommitCount*>& counts() {
  static auto* list = new std::vector<const CommitCount*>;
  return *list;
}

[[noreturn]] void die(const std::string& what) {
  std::fprintf(stderr, "winsim: commit count %s: %s\n", what.c_str(), std::strerror(errno));
  std::abort();
}

uint64_t* map_numbers(const std::filesystem::path& path) {
  constexpr off_t kSize = 2 * sizeof(uint64_t);
  int fd = open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
  if (fd < 0) die(path.string());
  struct stat st;
  // Growing it from nothing fills it with zeros; a second process growing it too changes nothing.
  if (fstat(fd, &st) != 0 || (st.st_size < kSize && ftruncate(fd, kSize) != 0)) die(path.string());
  void* numbers = mmap(nullptr, kSize, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
  close(fd);
  if (numbers == MAP_FAILED) die(path.string());
  return static_cast<uint64_t*>(numbers);
}

uint64_t load(uint64_t& number) { return std::atomic_ref<uint64_t>(number).load(); }
void add_one(uint64_t& number) { std::atomic_ref<uint64_t>(number).fetch_add(1); }

}  // namespace

CommitCount::CommitCount(const char* name, const char* table_prefix) : name_(name), prefix_(table_prefix) {
  if (counts().size() == kMaxCounts) std::abort();
  counts().push_back(this);
}

const CommitCount::Counters& CommitCount::counters() const {
  int attached = attachment();
  const Counters* mapped = mapping_.load(std::memory_order_acquire);
  if (mapped && mapped->attachment == attached) return *mapped;
  std::lock_guard g(remap_);
  mapped = mapping_.load(std::memory_order_acquire);
  if (mapped && mapped->attachment == attached) return *mapped;
  // The mappings of earlier machines stay: another thread may still be reading one.
  static auto* kept = new std::vector<std::unique_ptr<Counters>>;
  mapped = kept->emplace_back(new Counters{attached, map_numbers(root() / name_)}).get();
  mapping_.store(mapped, std::memory_order_release);
  return *mapped;
}

CommitStamp CommitCount::now() const {
  const Counters& c = counters();
  uint64_t begun = load(c.numbers[0]);
  uint64_t ended = load(c.numbers[1]);
  return {c.attachment, begun, begun == ended};
}

// A connection's hooks: a transaction that changed a counted table begins its counts before it
// commits and ends them after; one rolled back after it began them ends them too (readers then
// load once more than they needed to).
struct CommitHooks {
  static void changed(void* watch, int, const char*, const char* table, sqlite3_int64) {
    auto* w = static_cast<CommitWatch*>(watch);
    for (unsigned i = 0; i < counts().size(); ++i)
      if (std::strncmp(table, counts()[i]->prefix_, std::strlen(counts()[i]->prefix_)) == 0) w->touched |= 1u << i;
  }
  static int committing(void* watch) {
    auto* w = static_cast<CommitWatch*>(watch);
    w->announced = w->touched;
    w->touched = 0;
    for (unsigned i = 0; i < counts().size(); ++i)
      if (w->announced & (1u << i)) add_one(counts()[i]->counters().numbers[0]);
    return 0;
  }
  static void end_announced(CommitWatch* w) {
    for (unsigned i = 0; i < counts().size(); ++i)
      if (w->announced & (1u << i)) add_one(counts()[i]->counters().numbers[1]);
    w->announced = 0;
  }
  // Called after the commit has landed, before the statement that committed returns.
  static int committed(void* watch, sqlite3* connection, const char* database, int frames) {
    end_announced(static_cast<CommitWatch*>(watch));
    if (frames >= kCheckpointFrames) sqlite3_wal_checkpoint_v2(connection, database, SQLITE_CHECKPOINT_PASSIVE, nullptr, nullptr);
    return SQLITE_OK;
  }
  static void rolled_back(void* watch) {
    auto* w = static_cast<CommitWatch*>(watch);
    end_announced(w);
    w->touched = 0;
  }
};

void count_commits(sqlite3* connection, CommitWatch* watch) {
  sqlite3_update_hook(connection, CommitHooks::changed, watch);
  sqlite3_commit_hook(connection, CommitHooks::committing, watch);
  sqlite3_wal_hook(connection, CommitHooks::committed, watch);
  sqlite3_rollback_hook(connection, CommitHooks::rolled_back, watch);
}

}  // namespace platform::machine
