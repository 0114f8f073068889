#include "kernel/share_table.h"

#include <unistd.h>

#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include "kernel/machine.h"

namespace platform::share {
namespace {

// The start time of a Linux process (clock ticks since boot), or -1 when it is gone: with the
// pid it names one process, even after the pid has been reused.
long long start_of(long long pid) {
  std::ifstream in("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(in, line)) return -1;
  size_t close = line.rfind(')');
  if (close == std::string::npos) return -1;
  // After the command's ")": state, then fields 4..; the start time is field 22.
  std::string rest = line.substr(close + 2);
  if (!rest.empty() && (rest[0] == 'Z' || rest[0] == 'X')) return -1;  // a zombie holds no files
  size_t pos = 0;
  for (int field = 3; field < 22; ++field) {
    pos = rest.find(' ', pos);
    if (pos == std::string::npos) return -1;
    ++pos;
  }
  return std::strtoll(rest.c_str() + pos, nullptr, 10);
}

long long own_start() {
  static const long long start = start_of(getpid());
  return start;
}

struct Open {
  long long row;
  long long pid;
  long long start;
  DWORD access;
  DWORD share;
};

// The live opens of a file; rows of ended processes are removed on the way.
std::vector<Open> live_opens(const files::Identity& file) {
  std::vector<Open> opens;
  std::vector<long long> dead;
  {
    machine::Statement s("SELECT id, pid, pid_start, access, share FROM open_files WHERE dev = ? AND ino = ?");
    s.bind(1, file.dev).bind(2, file.ino);
    while (s.step()) {
      Open o{s.column_int(0), s.column_int(1), s.column_int(2), DWORD(s.column_int(3)), DWORD(s.column_int(4))};
      bool alive = o.pid == getpid() ? o.start == own_start() : start_of(o.pid) == o.start;
      if (alive)
        opens.push_back(o);
      else
        dead.push_back(o.row);
    }
  }
  for (long long row : dead) release(row);
  return opens;
}

}  // namespace

DWORD access_of(DWORD desired) {
  DWORD access = 0;
  if (desired & (GENERIC_READ | GENERIC_ALL | FILE_READ_DATA | GENERIC_EXECUTE | FILE_EXECUTE)) access |= kRead;
  if (desired & (GENERIC_WRITE | GENERIC_ALL | FILE_WRITE_DATA | FILE_APPEND_DATA)) access |= kWrite;
  if (desired & (DELETE | GENERIC_ALL)) access |= kDelete;
  return access;
}

bool admits(const files::Identity& file, DWORD access, DWORD share_mode) {
  if (!access) return true;  // opens for attributes only never conflict
  for (const Open& o : live_opens(file)) {
    if (access & ~o.share & 7) return false;
    if (o.access & ~share_mode & 7) return false;
  }
  return true;
}

long long record(const files::Identity& file, DWORD access, DWORD share_mode) {
  if (!access) return 0;
  machine::Statement s("INSERT INTO open_files(dev, ino, pid, pid_start, access, share) VALUES(?, ?, ?, ?, ?, ?)");
  s.bind(1, file.dev).bind(2, file.ino).bind(3, (long long)getpid()).bind(4, own_start());
  s.bind(5, (long long)access).bind(6, (long long)(share_mode & 7));
  s.step();
  return sqlite3_last_insert_rowid(machine::db());
}

bool in_use(const files::Identity& file) { return !live_opens(file).empty(); }

void release(long long row) {
  if (!row) return;
  machine::Statement s("DELETE FROM open_files WHERE id = ?");
  s.bind(1, row);
  s.step();
}

}  // namespace platform::share
