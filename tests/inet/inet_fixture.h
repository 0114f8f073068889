// A fresh machine whose world maps a host's port 80 to a real web server on this computer, and
// a listener that records the bytes of one request and answers as told, for what a real server
// cannot show (the request on the wire, silence, a broken answer).
#pragma once

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <windows.h>
#include <wininet.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <thread>

#include "net/world_language.h"
#include "net/world_text.h"
#include "support/machine_fixture.h"
#include "support/web_server.h"

namespace inet_testing {

// Accepts one connection, keeps the request's head and sends `answer` (nothing when empty,
// holding the connection until it is destroyed).
class OneShotListener {
 public:
  explicit OneShotListener(std::string answer) : answer_(std::move(answer)) {
    socket_ = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    bind(socket_, reinterpret_cast<sockaddr*>(&address), sizeof address);
    getsockname(socket_, reinterpret_cast<sockaddr*>(&address), &size);
    port_ = ntohs(address.sin_port);
    listen(socket_, 1);
    thread_ = std::thread([this] { serve(); });
  }
  ~OneShotListener() {
    shutdown(socket_, SHUT_RDWR);  // ends an accept that still waits
    if (thread_.joinable()) thread_.join();
    close(socket_);
    if (client_ >= 0) close(client_);
  }
  uint16_t port() const { return port_; }
  // The request's head as it came, after the answer went.
  std::string request() {
    if (thread_.joinable()) thread_.join();
    return request_;
  }

 private:
  void serve() {
    client_ = accept(socket_, nullptr, nullptr);
    if (client_ < 0) return;
    char buffer[4096];
    while (request_.find("\r\n\r\n") == std::string::npos) {
      ssize_t n = recv(client_, buffer, sizeof buffer, 0);
      if (n <= 0) return;
      request_.append(buffer, size_t(n));
    }
    if (answer_.empty()) return;
    send(client_, answer_.data(), answer_.size(), MSG_NOSIGNAL);
    shutdown(client_, SHUT_WR);
  }

  std::string answer_;
  int socket_ = -1, client_ = -1;
  uint16_t port_ = 0;
  std::thread thread_;
  std::string request_;
};

class InetTest : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    site_ = root_ / "site";
    std::filesystem::create_directories(site_);
  }
  void TearDown() override {
    server_.reset();
    MachineTest::TearDown();
  }

  void world(const std::string& statement) {
    platform::net::change_world(
        [&](platform::net::World& w) { platform::net::apply_statement(w, platform::net::split_words(statement)); });
  }
  // Starts the web server over the site folder and maps updates.example.net:80 to it.
  tarvolt::test::WebServer& server() {
    if (!server_) {
      server_ = std::make_unique<tarvolt::test::WebServer>(site_);
      world("host updates.example.net port 80 " + std::to_string(server_->port()));
    }
    return *server_;
  }
  void site_file(const std::string& name, const std::string& bytes) {
    std::ofstream(site_ / name, std::ios::binary) << bytes;
  }

  // A session, connection and GET request for `object` on `host`, ready to send.
  struct Get {
    HINTERNET session, connection, request;
  };
  Get open_get(const char* host, const char* object, DWORD flags = INTERNET_FLAG_EXISTING_CONNECT,
               INTERNET_PORT port = INTERNET_DEFAULT_HTTP_PORT) {
    Get get{};
    get.session = InternetOpenA("InetTest", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
    get.connection = InternetConnectA(get.session, host, port, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1);
    get.request = HttpOpenRequestA(get.connection, "GET", object, nullptr, nullptr, nullptr, flags, 1);
    return get;
  }
  static DWORD status_of(HINTERNET request) {
    DWORD status = 0, size = sizeof status;
    if (!HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return 0;
    return status;
  }
  static std::string text_of(HINTERNET request, DWORD level) {
    char buffer[8192];
    DWORD size = sizeof buffer;
    if (!HttpQueryInfoA(request, level, buffer, &size, nullptr)) return "(error " + std::to_string(GetLastError()) + ")";
    return std::string(buffer, size);
  }
  static std::string body_of(HINTERNET request) {
    std::string body;
    char block[1999];
    DWORD got = 0;
    while (InternetReadFile(request, block, sizeof block, &got) && got > 0) body.append(block, got);
    return body;
  }

  std::filesystem::path site_;
  std::unique_ptr<tarvolt::test::WebServer> server_;
};

}  // namespace inet_testing
