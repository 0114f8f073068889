// A real HTTP server for the tests: lighttpd from Debian on a free port of 127.0.0.1, with its
// own configuration in a temporary folder. The constructor starts it and waits until the port
// accepts; the destructor stops it and removes the folder. A test process that is killed takes
// its server with it, and the next server of any test process removes the folders left behind.
//
// What lighttpd adds to every answer: Content-Length (unless the answer has one or is
// chunked), Accept-Ranges, a Server header (not on raw answers) and a Date header in GMT. It
// has no setting that drops its Date; it keeps an answer's own, so a raw answer whose headers
// hold no Date gets "Date: <the time of the Raw call> +0000" from this helper, and then holds
// no " GMT" unless its own headers do.
#pragma once

#include <sys/types.h>

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace tarvolt::test {

// A port of 127.0.0.1 where nothing listens now: one the system just handed out and took back.
uint16_t free_port();

class WebServer {
 public:
  // Serves the files under document_root, with Last-Modified from their times.
  explicit WebServer(std::filesystem::path document_root);
  ~WebServer();
  WebServer(const WebServer&) = delete;
  WebServer& operator=(const WebServer&) = delete;

  uint16_t port() const { return port_; }

  // Special answers for one path (the query is ignored), ahead of any file of that name. Each
  // takes effect when the call returns (the server restarts on the same port).
  // A redirect: `status` (301, 302, 303, 307) with that Location; "" sends no Location.
  void Redirect(const std::string& path, int status, const std::string& location);
  // `status` with a small HTML body naming it (401, 404, 500, ...).
  void Status(const std::string& path, int status);
  // The status line "HTTP/1.1 <status> <reason>", the header lines as given, the body bytes.
  void Raw(const std::string& path, int status, const std::vector<std::string>& headers, const std::string& body);

 private:
  struct Special {
    std::string path;
    std::string script;  // the CGI script's file name in the scripts folder
  };
  // Writes the head and body a script prints, and the script.
  void add_special(const std::string& path, bool raw, const std::string& head, const std::string& body);
  void write_config() const;
  void start();
  void stop();

  std::filesystem::path document_root_, folder_;
  uint16_t port_ = 0;
  pid_t pid_ = -1;
  std::vector<Special> specials_;
};

}  // namespace tarvolt::test
