// The server side of the automation channel: a thread that accepts one connection at a time,
// reads its one request and writes the handler's reply. A client that connects and says nothing
// is dropped after a while, so it cannot hold up the others.
#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <thread>

#include "automation/channel_protocol.h"
#include "automation/channel_socket.h"

namespace platform::automation {

class ChannelServer {
 public:
  using Handler = std::function<Reply(const Fields& request)>;

  // Serves at folder/name until destroyed; listening() says whether the socket could be made.
  ChannelServer(const std::filesystem::path& folder, const std::string& name, Handler handler);
  // Stops serving and removes the socket.
  ~ChannelServer();
  bool listening() const { return bool(listener_); }
  const std::filesystem::path& socket_path() const { return path_; }

  ChannelServer(const ChannelServer&) = delete;
  ChannelServer& operator=(const ChannelServer&) = delete;

 private:
  void run();
  void answer(int connection);

  std::filesystem::path path_;
  Handler handler_;
  UniqueFd listener_;
  UniqueFd wake_read_, wake_write_;
  std::thread thread_;
};

}  // namespace platform::automation
