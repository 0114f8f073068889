// What Windows tells about a file: attributes, times and size. Linux keeps the size and the
// access and write times; the attributes Linux has no place for (read-only, hidden, system,
// archive) and the creation time live in the machine database, keyed by the file's inode.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

#include <windows.h>

namespace platform::files {

// A file as Linux identifies it. `birth` (0 when the file system keeps none) tells a reused
// inode from the file that had it.
struct Identity {
  int64_t dev = 0;
  int64_t ino = 0;
  int64_t birth_ns = 0;
  bool operator==(const Identity& o) const { return dev == o.dev && ino == o.ino; }
};

struct Info {
  Identity id;
  bool directory = false;
  uint64_t size = 0;
  int64_t creation_ns = 0;  // nanoseconds since 1970 in machine time
  int64_t access_ns = 0;
  int64_t write_ns = 0;
  DWORD attributes = 0;  // as GetFileAttributes reports them
};

// Follows symbolic links. Empty (with errno set) when the file cannot be examined.
std::optional<Info> stat(const std::filesystem::path& host);
std::optional<Info> stat(int fd);

// The attributes a program may set: read-only, hidden, system, archive and a few markers.
constexpr DWORD kSettableAttributes = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                      FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_TEMPORARY | FILE_ATTRIBUTE_OFFLINE |
                                      FILE_ATTRIBUTE_NOT_CONTENT_INDEXED;

// Records a file just made by the machine: its attributes and its creation time.
void record_new(const Identity& id, DWORD attributes, int64_t creation_ns);
void set_attributes(const Info& file, DWORD attributes);
void set_creation_time(const Info& file, int64_t creation_ns);
// Sets the archive attribute after a write (Windows marks changed files for backup).
void mark_changed(const Info& file);
// Drops what the database keeps about a file that is gone.
void forget(const Identity& id);

// Sets Linux's access and write times; an empty one stays as it is.
bool set_times(int fd, std::optional<int64_t> access_ns, std::optional<int64_t> write_ns);

// FILETIME counts 100-ns intervals since 1601-01-01 UTC.
FILETIME to_filetime(int64_t unix_ns);
int64_t from_filetime(const FILETIME& ft);

}  // namespace platform::files
