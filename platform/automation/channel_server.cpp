#include "automation/channel_server.h"

#include <fcntl.h>
#include <unistd.h>

#include <exception>

namespace platform::automation {
namespace {

// Long enough for a text of any dialog; a request that big is a client's mistake.
constexpr size_t kRequestLimit = 1 << 20;
constexpr std::chrono::seconds kRequestWait{2};
constexpr std::chrono::seconds kReplyWait{5};

Reply handle(const ChannelServer::Handler& handler, LineReader& reader) {
  auto line = reader.next(deadline_after(kRequestWait));
  if (!line) return Reply::error(Failure::BadRequest, "no request line");
  auto request = split_fields(*line);
  if (!request || request->empty() || request->front().empty())
    return Reply::error(Failure::BadRequest, "malformed request");
  try {
    return handler(*request);
  } catch (const std::exception& e) {
    return Reply::error(Failure::Refused, e.what());
  }
}

}  // namespace

ChannelServer::ChannelServer(const std::filesystem::path& folder, const std::string& name, Handler handler)
    : path_(folder / name), handler_(std::move(handler)), listener_(listen_at(folder, name)) {
  int wake[2];
  if (!listener_ || pipe2(wake, O_CLOEXEC) != 0) {
    listener_ = UniqueFd();
    return;
  }
  wake_read_ = UniqueFd(wake[0]);
  wake_write_ = UniqueFd(wake[1]);
  thread_ = std::thread([this] { run(); });
}

ChannelServer::~ChannelServer() {
  if (!thread_.joinable()) return;
  char stop = 0;
  (void)!write(wake_write_.get(), &stop, 1);
  thread_.join();
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

void ChannelServer::run() {
  for (;;) {
    Accepted next = accept_next(listener_.get(), wake_read_.get());
    if (next.stop) return;
    if (next.connection) answer(next.connection.get());
  }
}

void ChannelServer::answer(int connection) {
  LineReader reader(connection, kRequestLimit);
  write_all(connection, encode_reply(handle(handler_, reader)), deadline_after(kReplyWait));
}

}  // namespace platform::automation
