#include "inet/transfer.h"

#include <wininet.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <mutex>

#include "inet/header_fields.h"

namespace platform::inet {
namespace {

DWORD error_of(CURLcode code) {
  switch (code) {
    case CURLE_OK:
      return 0;
    case CURLE_COULDNT_CONNECT:
      return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_OPERATION_TIMEDOUT:
      return ERROR_INTERNET_TIMEOUT;
    case CURLE_COULDNT_RESOLVE_HOST:
      return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_GOT_NOTHING:
    case CURLE_WEIRD_SERVER_REPLY:
    case CURLE_UNSUPPORTED_PROTOCOL:
    case CURLE_BAD_CONTENT_ENCODING:
      return ERROR_HTTP_INVALID_SERVER_RESPONSE;
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
      return ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_SEND_ERROR:
      return ERROR_INTERNET_CONNECTION_RESET;
    default:
      return ERROR_INTERNET_INTERNAL_ERROR;
  }
}

std::string without_line_end(const char* data, size_t size) {
  std::string line(data, size);
  while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
  return line;
}

}  // namespace

Transfer::Transfer(TransferSetup setup) : setup_(std::move(setup)) {
  static std::once_flag curl_ready;
  std::call_once(curl_ready, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
  easy_ = curl_easy_init();
  multi_ = curl_multi_init();

  // The URL names the host as the request does; the connection goes to the loopback port alone.
  std::string authority = setup_.host + ":" + std::to_string(setup_.port);
  curl_easy_setopt(easy_, CURLOPT_URL, ("http://" + authority + "/").c_str());
  curl_easy_setopt(easy_, CURLOPT_REQUEST_TARGET, setup_.object.empty() ? "/" : setup_.object.c_str());
  connect_to_ = curl_slist_append(nullptr, (authority + ":127.0.0.1:" + std::to_string(setup_.local_port)).c_str());
  curl_easy_setopt(easy_, CURLOPT_CONNECT_TO, connect_to_);
  curl_easy_setopt(easy_, CURLOPT_PROXY, "");
  curl_easy_setopt(easy_, CURLOPT_PROTOCOLS_STR, "http");
  curl_easy_setopt(easy_, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(easy_, CURLOPT_FOLLOWLOCATION, 0L);
  curl_easy_setopt(easy_, CURLOPT_CONNECTTIMEOUT_MS, long(std::max<int64_t>(1, setup_.connect_timeout.count())));
  curl_easy_setopt(easy_, CURLOPT_HTTP_VERSION,
                   setup_.version == "HTTP/1.0" ? CURL_HTTP_VERSION_1_0 : CURL_HTTP_VERSION_1_1);

  if (setup_.verb == "HEAD") {
    curl_easy_setopt(easy_, CURLOPT_NOBODY, 1L);
  } else {
    if (!setup_.body.empty()) {
      curl_easy_setopt(easy_, CURLOPT_POSTFIELDS, setup_.body.data());
      curl_easy_setopt(easy_, CURLOPT_POSTFIELDSIZE, long(setup_.body.size()));
    }
    if (setup_.verb != (setup_.body.empty() ? "GET" : "POST"))
      curl_easy_setopt(easy_, CURLOPT_CUSTOMREQUEST, setup_.verb.c_str());
  }

  // Only the request's own headers: libcurl's default Accept goes, an empty value is sent as one.
  bool accept = false;
  for (const std::string& line : setup_.header_lines) {
    std::optional<HeaderField> field = split_header(line);
    if (!field) continue;
    headers_ = curl_slist_append(headers_, field->value.empty() ? (field->name + ";").c_str() : line.c_str());
    accept = accept || same_header_name(field->name, "Accept");
  }
  if (!accept) headers_ = curl_slist_append(headers_, "Accept:");
  curl_easy_setopt(easy_, CURLOPT_HTTPHEADER, headers_);
  if (!setup_.user_agent.empty()) curl_easy_setopt(easy_, CURLOPT_USERAGENT, setup_.user_agent.c_str());

  curl_easy_setopt(easy_, CURLOPT_HEADERFUNCTION, on_header);
  curl_easy_setopt(easy_, CURLOPT_HEADERDATA, this);
  curl_easy_setopt(easy_, CURLOPT_WRITEFUNCTION, on_body);
  curl_easy_setopt(easy_, CURLOPT_WRITEDATA, this);
  curl_easy_setopt(easy_, CURLOPT_PREREQFUNCTION, on_prerequest);
  curl_easy_setopt(easy_, CURLOPT_PREREQDATA, this);
  curl_multi_add_handle(multi_, easy_);
}

Transfer::~Transfer() {
  curl_multi_remove_handle(multi_, easy_);
  curl_easy_cleanup(easy_);
  curl_multi_cleanup(multi_);
  curl_slist_free_all(headers_);
  curl_slist_free_all(connect_to_);
}

int Transfer::on_prerequest(void* self, char*, char*, int, int) {
  auto* transfer = static_cast<Transfer*>(self);
  transfer->connected_ = true;
  if (transfer->setup_.on_connected) transfer->setup_.on_connected();
  return CURL_PREREQFUNC_OK;
}

size_t Transfer::on_header(char* data, size_t size, size_t count, void* self) {
  auto* transfer = static_cast<Transfer*>(self);
  size_t bytes = size * count;
  transfer->received_ += bytes;
  if (!transfer->answer_begun_) {
    transfer->answer_begun_ = true;
    curl_off_t sent = 0;
    curl_easy_getinfo(transfer->easy_, CURLINFO_REQUEST_SIZE, &sent);
    if (transfer->setup_.on_answer_begins) transfer->setup_.on_answer_begins(DWORD(sent));
  }
  std::string line = without_line_end(data, bytes);
  if (line.starts_with("HTTP/")) {
    // A new head: an interim (1xx) one before it is forgotten.
    transfer->status_line_ = line;
    transfer->header_lines_.clear();
    transfer->head_bytes_ = 0;
  } else if (line.empty()) {
    transfer->head_complete_ = transfer->status_code() >= 200;
  } else if ((line[0] == ' ' || line[0] == '\t') && !transfer->header_lines_.empty()) {
    transfer->header_lines_.back() += line;
  } else {
    transfer->header_lines_.push_back(line);
  }
  transfer->head_bytes_ += bytes;
  return bytes;
}

size_t Transfer::on_body(char* data, size_t size, size_t count, void* self) {
  auto* transfer = static_cast<Transfer*>(self);
  size_t bytes = size * count;
  if (transfer->held() > 0 && transfer->held() + bytes > kBodyBuffer) {
    transfer->paused_ = true;
    return CURL_WRITEFUNC_PAUSE;
  }
  transfer->body_.erase(0, transfer->taken_);
  transfer->taken_ = 0;
  transfer->body_.append(data, bytes);
  transfer->received_ += bytes;
  transfer->largest_held_ = std::max(transfer->largest_held_, transfer->held());
  return bytes;
}

DWORD Transfer::pump(const std::function<bool()>& enough) {
  using steady = std::chrono::steady_clock;
  steady::time_point last_progress = steady::now();
  size_t seen = received_;
  while (!enough() && !done_) {
    int running = 0;
    curl_multi_perform(multi_, &running);
    int left = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &left)) {
      if (message->msg != CURLMSG_DONE) continue;
      done_ = true;
      result_ = error_of(message->data.result);
    }
    if (enough() || done_) break;
    if (received_ != seen) {
      seen = received_;
      last_progress = steady::now();
    } else if (connected_ && steady::now() - last_progress > setup_.receive_timeout) {
      return ERROR_INTERNET_TIMEOUT;
    }
    curl_multi_poll(multi_, nullptr, 0, 20, nullptr);
  }
  return enough() ? 0 : result_;
}

int Transfer::status_code() const {
  size_t blank = status_line_.find(' ');
  return blank == std::string::npos ? 0 : std::atoi(status_line_.c_str() + blank + 1);
}

DWORD Transfer::receive_head() {
  if (DWORD error = pump([this] { return head_complete_; })) return error;
  return head_complete_ ? 0 : ERROR_HTTP_INVALID_SERVER_RESPONSE;
}

DWORD Transfer::read(char* buffer, DWORD size, DWORD* count) {
  *count = 0;
  if (held() == 0 && !done_) {
    if (paused_) {
      paused_ = false;
      curl_easy_pause(easy_, CURLPAUSE_CONT);
    }
    if (DWORD error = pump([this] { return held() > 0; })) return error;
  }
  if (held() == 0) return result_;
  DWORD n = DWORD(std::min<size_t>(size, held()));
  std::memcpy(buffer, body_.data() + taken_, n);
  taken_ += n;
  *count = n;
  return 0;
}

}  // namespace platform::inet
