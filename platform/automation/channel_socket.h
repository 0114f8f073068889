// The automation channel's transport: a Unix domain socket per serving process in the machine
// root, <root>/desktop/<pid>.sock. Sockets are addressed through /proc/self/fd/<folder fd>/ so
// that a root path of any length fits the 108 bytes of an address. Every wait has a real-time
// deadline: neither side hangs on a peer that stopped talking.
#pragma once

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace platform::automation {

using Deadline = std::chrono::steady_clock::time_point;
inline Deadline deadline_after(std::chrono::milliseconds limit) { return std::chrono::steady_clock::now() + limit; }

class UniqueFd {
 public:
  UniqueFd() = default;
  explicit UniqueFd(int fd) : fd_(fd) {}
  UniqueFd(UniqueFd&& other) noexcept : fd_(other.release()) {}
  UniqueFd& operator=(UniqueFd&& other) noexcept;
  ~UniqueFd();
  int get() const { return fd_; }
  int release();
  explicit operator bool() const { return fd_ >= 0; }

 private:
  int fd_ = -1;
};

// <root>/desktop of the attached machine.
std::filesystem::path channel_folder();
std::string socket_name(uint32_t pid);
// The pid a socket's file name stands for; nothing for another file.
std::optional<uint32_t> pid_of_socket(const std::filesystem::path& file);

// A listening socket at folder/name, created there only once it listens, so that a client never
// mistakes it for the leftover of a dead process. Invalid on failure (errno says why).
UniqueFd listen_at(const std::filesystem::path& folder, const std::string& name);
// Waits for the next connection. `stop` when `wake` became readable or the listener broke; no
// connection (and no stop) when a client went away before it was accepted.
struct Accepted {
  bool stop = false;
  UniqueFd connection;
};
Accepted accept_next(int listener, int wake);

enum class ConnectStatus { Connected, Missing, Dead, TimedOut };
struct Connection {
  ConnectStatus status = ConnectStatus::Missing;
  UniqueFd fd;
};
// Dead: the file is there but nobody listens any more (its process ended without removing it).
Connection connect_to(const std::filesystem::path& folder, const std::string& name, Deadline deadline);

bool write_all(int fd, std::string_view data, Deadline deadline);

// Reads newline-terminated lines from a non-blocking socket.
class LineReader {
 public:
  enum class Status { Line, TimedOut, Closed, TooLong };
  LineReader(int fd, size_t limit) : fd_(fd), limit_(limit) {}
  // The next line without its newline; nothing when status() says why not.
  std::optional<std::string> next(Deadline deadline);
  Status status() const { return status_; }

 private:
  int fd_;
  size_t limit_;
  std::string buffer_;
  Status status_ = Status::Line;
};

}  // namespace platform::automation
