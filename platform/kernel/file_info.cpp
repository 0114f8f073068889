#include "kernel/file_info.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>

#include "kernel/machine.h"

namespace platform::files {
namespace {

constexpr int64_t kFiletimeOf1970 = 116444736000000000LL;

int64_t ns(const struct statx_timestamp& t) { return int64_t(t.tv_sec) * 1'000'000'000LL + t.tv_nsec; }

struct Stored {
  DWORD attributes;
  int64_t creation_ns;
};

std::optional<Stored> stored(const Identity& id) {
  machine::Statement s("SELECT birth, attributes, creation_ns FROM file_attributes WHERE dev = ? AND ino = ?");
  s.bind(1, id.dev).bind(2, id.ino);
  if (!s.step() || s.column_int(0) != id.birth_ns) return std::nullopt;  // none, or of a former file
  return Stored{DWORD(s.column_int(1)), s.column_int(2)};
}

void store(const Identity& id, DWORD attributes, int64_t creation_ns) {
  machine::Statement s(
      "INSERT INTO file_attributes(dev, ino, birth, attributes, creation_ns) VALUES(?, ?, ?, ?, ?) "
      "ON CONFLICT(dev, ino) DO UPDATE SET birth = excluded.birth, attributes = excluded.attributes, "
      "creation_ns = excluded.creation_ns");
  s.bind(1, id.dev).bind(2, id.ino).bind(3, id.birth_ns).bind(4, (long long)(attributes & kSettableAttributes));
  s.bind(5, creation_ns);
  s.step();
}

Info from_statx(const struct statx& st) {
  Info info;
  info.id.dev = int64_t(makedev(st.stx_dev_major, st.stx_dev_minor));
  info.id.ino = int64_t(st.stx_ino);
  info.id.birth_ns = (st.stx_mask & STATX_BTIME) ? ns(st.stx_btime) : 0;
  info.directory = S_ISDIR(st.stx_mode);
  info.size = info.directory ? 0 : st.stx_size;
  info.access_ns = ns(st.stx_atime);
  info.write_ns = ns(st.stx_mtime);
  DWORD attributes = info.directory ? 0 : FILE_ATTRIBUTE_ARCHIVE;
  info.creation_ns = info.id.birth_ns ? info.id.birth_ns : info.write_ns;
  if (auto row = stored(info.id)) {
    attributes = row->attributes;
    info.creation_ns = row->creation_ns;
  }
  if (info.directory)
    attributes |= FILE_ATTRIBUTE_DIRECTORY;
  else if (attributes == 0)
    attributes = FILE_ATTRIBUTE_NORMAL;
  info.attributes = attributes;
  return info;
}

constexpr unsigned kWanted = STATX_BASIC_STATS | STATX_BTIME;

}  // namespace

std::optional<Info> stat(const std::filesystem::path& host) {
  struct statx st;
  if (statx(AT_FDCWD, host.c_str(), 0, kWanted, &st) != 0) return std::nullopt;
  return from_statx(st);
}

std::optional<Info> stat(int fd) {
  struct statx st;
  if (statx(fd, "", AT_EMPTY_PATH, kWanted, &st) != 0) return std::nullopt;
  return from_statx(st);
}

void record_new(const Identity& id, DWORD attributes, int64_t creation_ns) { store(id, attributes, creation_ns); }

void set_attributes(const Info& file, DWORD attributes) { store(file.id, attributes, file.creation_ns); }

void set_creation_time(const Info& file, int64_t creation_ns) { store(file.id, file.attributes, creation_ns); }

void mark_changed(const Info& file) {
  if (!file.directory && !(file.attributes & FILE_ATTRIBUTE_ARCHIVE))
    set_attributes(file, file.attributes | FILE_ATTRIBUTE_ARCHIVE);
}

void forget(const Identity& id) {
  machine::Statement s("DELETE FROM file_attributes WHERE dev = ? AND ino = ?");
  s.bind(1, id.dev).bind(2, id.ino);
  s.step();
}

bool set_times(int fd, std::optional<int64_t> access_ns, std::optional<int64_t> write_ns) {
  auto timespec_of = [](std::optional<int64_t> t) {
    struct timespec ts = {0, UTIME_OMIT};
    if (t) {
      int64_t seconds = *t / 1'000'000'000LL, rest = *t % 1'000'000'000LL;
      if (rest < 0) --seconds, rest += 1'000'000'000LL;
      ts.tv_sec = time_t(seconds);
      ts.tv_nsec = long(rest);
    }
    return ts;
  };
  struct timespec times[2] = {timespec_of(access_ns), timespec_of(write_ns)};
  return futimens(fd, times) == 0;
}

FILETIME to_filetime(int64_t unix_ns) {
  uint64_t v = uint64_t(unix_ns / 100 + kFiletimeOf1970);
  return FILETIME{DWORD(v & 0xFFFFFFFF), DWORD(v >> 32)};
}

int64_t from_filetime(const FILETIME& ft) {
  int64_t v = int64_t((uint64_t(ft.dwHighDateTime) << 32) | ft.dwLowDateTime);
  return (v - kFiletimeOf1970) * 100;
}

}  // namespace platform::files
