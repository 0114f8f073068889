#include "kernel/machine_signal.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/file.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <mutex>
#include <set>

#include "machine/clock.h"
#include "kernel/machine.h"

namespace platform::machine_signal {
namespace {

constexpr uint32_t kForever = 0xFFFFFFFF;
// A manual clock moves without any file changing: its waits look at it this often.
constexpr int kManualClockPollMs = 2;

std::filesystem::path folder() { return machine::root() / "objects" / "signals"; }

// Made by the first bump or wait, never by a look (which may come after the machine is gone).
std::filesystem::path made_folder() {
  std::filesystem::path dir = folder();
  std::error_code ignored;
  std::filesystem::create_directories(dir, ignored);
  return dir;
}

std::filesystem::path file_of(std::string_view name) { return folder() / std::string(name); }

// Closes a descriptor when it goes out of scope.
struct Fd {
  int fd;
  explicit Fd(int value) : fd(value) {}
  ~Fd() {
    if (fd >= 0) close(fd);
  }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
};

uint64_t read_counter(int fd) {
  uint64_t value = 0;
  if (pread(fd, &value, sizeof value, 0) != ssize_t(sizeof value)) return 0;
  return value;
}

bool lock(int fd, int how) {
  while (flock(fd, how) != 0)
    if (errno != EINTR) return false;
  return true;
}

bool any_moved(const std::vector<std::pair<std::string, uint64_t>>& seen) {
  return std::any_of(seen.begin(), seen.end(), [](const auto& s) { return generation(s.first) > s.second; });
}

// Reads away what is pending (inotify events, eventfd counts); what changed is looked up again.
void drain(int fd) {
  alignas(inotify_event) char buffer[4096];
  while (read(fd, buffer, sizeof buffer) > 0) {
  }
}

// The wake-up descriptors of the threads of this process that wait.
std::mutex& waits_lock() {
  static auto* lock = new std::mutex;
  return *lock;
}
std::set<int>& waits() {
  static auto* fds = new std::set<int>;
  return *fds;
}

// Each thread keeps its descriptors: closing an inotify descriptor waits for the kernel to
// retire its watches, which takes milliseconds, so a wait must not make and close one. The
// wake-up descriptor stays known to interrupt_waits() for the thread's life, so that an
// interrupt that comes while the thread is between two waits ends the next one.
struct ThreadWaiter {
  Fd watch{inotify_init1(IN_NONBLOCK | IN_CLOEXEC)};
  Fd wake{eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC)};
  ThreadWaiter() {
    std::lock_guard held(waits_lock());
    if (wake.fd >= 0) waits().insert(wake.fd);
  }
  ~ThreadWaiter() {
    std::lock_guard held(waits_lock());
    waits().erase(wake.fd);
  }
};

ThreadWaiter& thread_waiter() {
  thread_local ThreadWaiter waiter;
  return waiter;
}

}  // namespace

void interrupt_waits() {
  std::lock_guard held(waits_lock());
  for (int fd : waits()) {
    uint64_t one = 1;
    (void)!write(fd, &one, sizeof one);
  }
}

void bump(std::string_view name) {
  Fd file(open((made_folder() / std::string(name)).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644));
  if (file.fd < 0 || !lock(file.fd, LOCK_EX)) return;
  uint64_t next = read_counter(file.fd) + 1;
  (void)!pwrite(file.fd, &next, sizeof next, 0);
}

uint64_t generation(std::string_view name) {
  Fd file(open(file_of(name).c_str(), O_RDONLY | O_CLOEXEC));
  if (file.fd < 0 || !lock(file.fd, LOCK_SH)) return 0;
  return read_counter(file.fd);
}

bool wait_change(const std::vector<std::pair<std::string, uint64_t>>& seen, uint32_t timeout_ms) {
  ThreadWaiter& waiter = thread_waiter();
  // Adding the folder again is cheap, and finds it anew after the machine was made again.
  if (waiter.watch.fd < 0 ||
      inotify_add_watch(waiter.watch.fd, made_folder().c_str(), IN_MODIFY | IN_CLOSE_WRITE | IN_CREATE | IN_MOVED_TO) < 0)
    return any_moved(seen);
  drain(waiter.watch.fd);  // what earlier waits left behind
  const bool forever = timeout_ms == kForever;
  // Without a time-out the clock is not read: a wait may outlast its machine (tests move on).
  const int64_t deadline = forever ? 0 : clock::now_ns() + int64_t(timeout_ms) * 1000000;
  for (;;) {
    // Looked at only after the watch stands, so that no bump falls between the two.
    if (any_moved(seen)) return true;
    int wait_ms = -1;
    if (!forever) {
      int64_t left = deadline - clock::now_ns();
      if (left <= 0) return false;
      auto real = std::chrono::ceil<std::chrono::milliseconds>(clock::real_duration(left));
      wait_ms = int(std::min<int64_t>(real.count(), 1 << 30));
    }
    if (clock::is_manual()) wait_ms = kManualClockPollMs;
    pollfd p[2] = {{waiter.watch.fd, POLLIN, 0}, {waiter.wake.fd, POLLIN, 0}};
    if (poll(p, 2, wait_ms) > 0) {
      if (p[1].revents) {
        drain(waiter.wake.fd);
        return any_moved(seen);
      }
      drain(waiter.watch.fd);
    }
  }
}

}  // namespace platform::machine_signal
