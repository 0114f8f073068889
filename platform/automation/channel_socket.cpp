#include "automation/channel_socket.h"

#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <thread>

#include "kernel/machine.h"

namespace platform::automation {
namespace {

using std::chrono::steady_clock;

int remaining_ms(Deadline deadline) {
  auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - steady_clock::now()).count();
  return left <= 0 ? 0 : int(left);
}

// Waits until `fd` is ready for `events`; false at the deadline.
bool ready(int fd, short events, Deadline deadline) {
  for (;;) {
    pollfd p{fd, events, 0};
    int n = poll(&p, 1, remaining_ms(deadline));
    if (n > 0) return true;
    if (n == 0 || errno != EINTR) return false;
  }
}

// The folder's own descriptor keeps the address short whatever its path; it stays open while
// the address is used.
struct Address {
  UniqueFd folder;
  sockaddr_un addr{};

  Address(const std::filesystem::path& path, const std::string& name)
      : folder(open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)) {
    addr.sun_family = AF_UNIX;
    std::snprintf(addr.sun_path, sizeof addr.sun_path, "/proc/self/fd/%d/%s", folder.get(), name.c_str());
  }
  const sockaddr* get() const { return reinterpret_cast<const sockaddr*>(&addr); }
};

UniqueFd new_socket() { return UniqueFd(socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0)); }

}  // namespace

UniqueFd& UniqueFd::operator=(UniqueFd&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = other.release();
  }
  return *this;
}

UniqueFd::~UniqueFd() {
  if (fd_ >= 0) ::close(fd_);
}

int UniqueFd::release() {
  int fd = fd_;
  fd_ = -1;
  return fd;
}

std::filesystem::path channel_folder() { return machine::root() / "desktop"; }

std::string socket_name(uint32_t pid) { return std::to_string(pid) + ".sock"; }

std::optional<uint32_t> pid_of_socket(const std::filesystem::path& file) {
  if (file.extension() != ".sock") return std::nullopt;
  std::string stem = file.stem().string();
  if (stem.empty() || stem.size() > 10 || stem.find_first_not_of("0123456789") != std::string::npos)
    return std::nullopt;
  unsigned long long pid = std::stoull(stem);
  if (pid == 0 || pid > 0xFFFFFFFFull) return std::nullopt;
  return uint32_t(pid);
}

UniqueFd listen_at(const std::filesystem::path& folder, const std::string& name) {
  std::string pending = name + ".new";
  std::error_code error;
  std::filesystem::remove(folder / pending, error);
  Address address(folder, pending);
  UniqueFd fd = new_socket();
  if (!address.folder || !fd) return {};
  if (bind(fd.get(), address.get(), sizeof address.addr) != 0) return {};
  bool listening = listen(fd.get(), 16) == 0;
  if (listening) std::filesystem::rename(folder / pending, folder / name, error);
  if (!listening || error) {
    std::filesystem::remove(folder / pending, error);
    return {};
  }
  return fd;
}

Accepted accept_next(int listener, int wake) {
  pollfd fds[2] = {{listener, POLLIN, 0}, {wake, POLLIN, 0}};
  Accepted accepted;
  if (poll(fds, 2, -1) < 0) {
    accepted.stop = errno != EINTR;
    return accepted;
  }
  if (fds[1].revents || (fds[0].revents & (POLLERR | POLLNVAL))) {
    accepted.stop = true;
    return accepted;
  }
  if (fds[0].revents & POLLIN)
    accepted.connection = UniqueFd(accept4(listener, nullptr, nullptr, SOCK_CLOEXEC | SOCK_NONBLOCK));
  return accepted;
}

Connection connect_to(const std::filesystem::path& folder, const std::string& name, Deadline deadline) {
  Address address(folder, name);
  Connection result;
  if (!address.folder) return result;
  for (;;) {
    UniqueFd fd = new_socket();
    if (!fd) return result;
    if (connect(fd.get(), address.get(), sizeof address.addr) == 0) {
      result.status = ConnectStatus::Connected;
      result.fd = std::move(fd);
      return result;
    }
    if (errno == ECONNREFUSED) {
      result.status = ConnectStatus::Dead;
      return result;
    }
    // A full backlog: the server is busy with others.
    if (errno != EAGAIN && errno != EINTR) return result;
    if (steady_clock::now() >= deadline) {
      result.status = ConnectStatus::TimedOut;
      return result;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

bool write_all(int fd, std::string_view data, Deadline deadline) {
  while (!data.empty()) {
    ssize_t n = send(fd, data.data(), data.size(), MSG_NOSIGNAL);
    if (n > 0) {
      data.remove_prefix(size_t(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!ready(fd, POLLOUT, deadline)) return false;
    } else {
      return false;
    }
  }
  return true;
}

std::optional<std::string> LineReader::next(Deadline deadline) {
  for (;;) {
    size_t newline = buffer_.find('\n');
    if (newline != std::string::npos) {
      std::string line = buffer_.substr(0, newline);
      buffer_.erase(0, newline + 1);
      status_ = Status::Line;
      return line;
    }
    if (buffer_.size() > limit_) {
      status_ = Status::TooLong;
      return std::nullopt;
    }
    char chunk[4096];
    ssize_t n = recv(fd_, chunk, sizeof chunk, 0);
    if (n > 0) {
      buffer_.append(chunk, size_t(n));
    } else if (n < 0 && (errno == EAGAIN || errno == EINTR)) {
      if (!ready(fd_, POLLIN, deadline)) {
        status_ = Status::TimedOut;
        return std::nullopt;
      }
    } else {
      status_ = Status::Closed;
      return std::nullopt;
    }
  }
}

}  // namespace platform::automation
