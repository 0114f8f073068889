// One HTTP exchange over libcurl: the request goes to a server on this computer's loopback
// (the port the world maps the host's port to) with the host's own name in its Host header.
// The response's head is read whole; its body streams through a bounded buffer, the transfer
// pausing while the buffer is full, so that a large body never sits in memory.
#pragma once

#include <curl/curl.h>
#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace platform::inet {

struct TransferSetup {
  std::string host;  // as the request names it
  uint16_t port;
  uint16_t local_port;  // where 127.0.0.1 answers for host:port
  std::string verb, object, version;
  std::vector<std::string> header_lines;  // "Name: value", in order
  std::string user_agent;                 // "" sends none
  std::string body;
  std::chrono::milliseconds connect_timeout, receive_timeout;  // real time
  std::function<void()> on_connected;                           // before the request goes out
  std::function<void(DWORD request_bytes)> on_answer_begins;    // the first byte of the answer came
};

class Transfer {
 public:
  // The most body bytes held at once.
  static constexpr size_t kBodyBuffer = 64 * 1024;

  explicit Transfer(TransferSetup setup);
  ~Transfer();
  Transfer(const Transfer&) = delete;
  Transfer& operator=(const Transfer&) = delete;

  // Runs until the final answer's head (after any 1xx ones) is complete: 0 or a WinInet error.
  DWORD receive_head();
  const std::string& status_line() const { return status_line_; }
  int status_code() const;
  // The head's header lines as received, without their line ends.
  const std::vector<std::string>& header_lines() const { return header_lines_; }
  DWORD head_bytes() const { return DWORD(head_bytes_); }

  // Waits for body bytes when none are held (true when it had to). Then `read` takes them.
  bool body_pending() const { return held() == 0 && !done_; }
  // Up to `size` bytes; *count 0 at the end of the body. 0 or a WinInet error.
  DWORD read(char* buffer, DWORD size, DWORD* count);
  size_t largest_held() const { return largest_held_; }

 private:
  static size_t on_header(char* data, size_t size, size_t count, void* self);
  static size_t on_body(char* data, size_t size, size_t count, void* self);
  static int on_prerequest(void* self, char*, char*, int, int);
  // Drives the transfer until `enough` holds or it ends; 0, or the error that ended it.
  DWORD pump(const std::function<bool()>& enough);
  size_t held() const { return body_.size() - taken_; }

  TransferSetup setup_;
  CURL* easy_ = nullptr;
  CURLM* multi_ = nullptr;
  curl_slist* headers_ = nullptr;
  curl_slist* connect_to_ = nullptr;
  std::string status_line_;
  std::vector<std::string> header_lines_;
  size_t head_bytes_ = 0;
  bool answer_begun_ = false, head_complete_ = false, connected_ = false;
  std::string body_;
  size_t taken_ = 0, largest_held_ = 0, received_ = 0;
  bool paused_ = false, done_ = false;
  DWORD result_ = 0;
};

}  // namespace platform::inet
