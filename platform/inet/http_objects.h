// The objects behind the three kinds of handle.
#pragma once

#include <memory>
#include <string>

#include "inet/header_fields.h"
#include "inet/internet_handle.h"
#include "inet/transfer.h"

namespace platform::inet {

struct Session : InternetHandle {
  Session(DWORD_PTR context, std::string agent) : InternetHandle(Kind::session, context), agent(std::move(agent)) {}
  std::string agent;
};

struct Connection : InternetHandle {
  Connection(DWORD_PTR context, std::string server, INTERNET_PORT port, std::string agent)
      : InternetHandle(Kind::connection, context), server(std::move(server)), port(port), agent(std::move(agent)) {}
  std::string server;
  INTERNET_PORT port;
  std::string agent;  // the session's, for its requests' User-Agent
};

// Where a request goes: after a followed redirect, the place the last answer came from.
struct Target {
  std::string host;
  INTERNET_PORT port;
  std::string object;
};

class Request : public InternetHandle {
 public:
  // At most this many redirects are followed inside one send.
  static constexpr int kMaxRedirects = 5;

  Request(DWORD_PTR context, std::string agent, Target target, std::string verb, std::string version, DWORD flags)
      : InternetHandle(Kind::request, context),
        agent_(std::move(agent)),
        target_(std::move(target)),
        verb_(std::move(verb)),
        version_(std::move(version)),
        flags_(flags) {}

  HeaderFields& headers() { return headers_; }
  const std::string& verb() const { return verb_; }
  const std::string& version() const { return version_; }
  const Target& target() const { return target_; }
  // Sends the request and reads the answer's head, following redirects: 0 or a WinInet error.
  DWORD send(std::string body);
  // The answer's head; null before an answer came.
  Transfer* answer() { return transfer_.get(); }
  void closing() override;

 private:
  DWORD exchange(const std::string& body);
  std::vector<std::string> header_lines() const;

  std::string agent_;
  Target target_;
  std::string verb_, version_;
  DWORD flags_;
  HeaderFields headers_;
  std::unique_ptr<Transfer> transfer_;
};

}  // namespace platform::inet
