#include "kernel/named_mutex.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "kernel/machine.h"
#include "kernel/text.h"
#include "kernel/wait.h"

namespace platform {
namespace {

constexpr off_t kExistenceByte = 0;
constexpr off_t kOwnershipByte = 1;

bool lock(int fd, short type, off_t byte, bool block) {
  struct flock range {};
  range.l_type = type;
  range.l_whence = SEEK_SET;
  range.l_start = byte;
  range.l_len = 1;
  for (;;) {
    if (fcntl(fd, block ? F_OFD_SETLKW : F_OFD_SETLK, &range) == 0) return true;
    if (errno != EINTR) return false;
  }
}

// True when another open description holds a lock on `byte`.
bool locked_elsewhere(int fd, off_t byte) {
  struct flock range {};
  range.l_type = F_WRLCK;
  range.l_whence = SEEK_SET;
  range.l_start = byte;
  range.l_len = 1;
  return fcntl(fd, F_OFD_GETLK, &range) == 0 && range.l_type != F_UNLCK;
}

// A file name for any object name: letters, digits, '-' and '_' stay, other bytes become %XX;
// names too long for a file name become a hash ('~' marks them, so they cannot collide).
std::string file_name(const std::u16string& name) {
  std::string utf8 = text::utf8(name), out;
  for (unsigned char c : utf8) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' || c == '_') {
      out += char(c);
    } else {
      char escaped[4];
      std::snprintf(escaped, sizeof escaped, "%%%02X", c);
      out += escaped;
    }
  }
  if (out.size() <= 200) return out;
  uint64_t hash = 14695981039346656037ULL;  // FNV-1a
  for (unsigned char c : utf8) hash = (hash ^ c) * 1099511628211ULL;
  char hashed[24];
  std::snprintf(hashed, sizeof hashed, "~%016llx", static_cast<unsigned long long>(hash));
  return hashed;
}

char read_flag(int fd) {
  char flag = '0';
  return pread(fd, &flag, 1, 0) == 1 ? flag : '0';
}

void write_flag(int fd, char flag) {
  while (pwrite(fd, &flag, 1, 0) < 0 && errno == EINTR) {
  }
}

}  // namespace

std::shared_ptr<NamedMutex> NamedMutex::open(const std::u16string& name, bool create, DWORD owner_tid,
                                             bool* existed) {
  *existed = false;
  std::filesystem::path folder = machine::root() / "objects" / "mutex";
  std::error_code ignored;
  std::filesystem::create_directories(folder, ignored);
  std::filesystem::path path = folder / file_name(name);
  int fd = ::open(path.c_str(), O_RDWR | O_CLOEXEC | (create ? O_CREAT : 0), 0666);
  if (fd < 0) {
    SetLastError(errno == ENOENT ? ERROR_FILE_NOT_FOUND : ERROR_ACCESS_DENIED);
    return nullptr;
  }
  std::shared_ptr<NamedMutex> mutex(new NamedMutex(fd));
  if (create && lock(fd, F_WRLCK, kExistenceByte, false)) {
    // No process has it: a new mutex, whatever an earlier one of this name left in the file.
    write_flag(fd, '0');
    if (owner_tid) {
      std::lock_guard held(wait::mutex());
      mutex->signaled(owner_tid);
      mutex->acquire(owner_tid);
    }
    lock(fd, F_RDLCK, kExistenceByte, true);  // converted at once: no opener sees it free
    return mutex;
  }
  if (!create && !locked_elsewhere(fd, kExistenceByte)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return nullptr;
  }
  // Waits only while a creator makes it.
  if (!lock(fd, F_RDLCK, kExistenceByte, true)) {
    SetLastError(ERROR_ACCESS_DENIED);
    return nullptr;
  }
  *existed = true;
  return mutex;
}

NamedMutex::~NamedMutex() { ::close(fd_); }  // drops this process's locks

bool NamedMutex::claim() {
  if (!claimed_) claimed_ = lock(fd_, F_WRLCK, kOwnershipByte, false);
  return claimed_;
}

void NamedMutex::unclaim() {
  if (!claimed_) return;
  lock(fd_, F_UNLCK, kOwnershipByte, false);
  claimed_ = false;
}

bool NamedMutex::begin_ownership() {
  bool abandoned = read_flag(fd_) == '1';
  write_flag(fd_, '1');
  return abandoned;
}

void NamedMutex::end_ownership(bool abandoned) {
  if (!abandoned) write_flag(fd_, '0');
  unclaim();
}

}  // namespace platform
