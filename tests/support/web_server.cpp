#include "support/web_server.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <signal.h>
#include <strings.h>
#include <sys/prctl.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <ctime>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <thread>

namespace tarvolt::test {
namespace {

constexpr char kFolderPrefix[] = "tarvolt-web-";

// The folders of servers whose test process is gone (a folder's name carries the pid).
void remove_abandoned_folders() {
  std::error_code ignored;
  for (const auto& entry : std::filesystem::directory_iterator(std::filesystem::temp_directory_path(), ignored)) {
    std::string name = entry.path().filename().string();
    if (!name.starts_with(kFolderPrefix)) continue;
    pid_t pid = static_cast<pid_t>(std::atol(name.c_str() + sizeof kFolderPrefix - 1));
    if (pid > 0 && kill(pid, 0) != 0 && errno == ESRCH) std::filesystem::remove_all(entry.path(), ignored);
  }
}


bool accepts(uint16_t port) {
  int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  bool connected = connect(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0;
  close(s);
  return connected;
}

std::string reason(int status) {
  switch (status) {
    case 200: return "OK";
    case 301: return "Moved Permanently";
    case 302: return "Found";
    case 303: return "See Other";
    case 307: return "Temporary Redirect";
    case 400: return "Bad Request";
    case 401: return "Unauthorized";
    case 403: return "Forbidden";
    case 404: return "Not Found";
    case 500: return "Internal Server Error";
    case 503: return "Service Unavailable";
    default: return "Status " + std::to_string(status);
  }
}

// A regular expression of lighttpd's (PCRE) for exactly this path, with any query.
std::string path_pattern(const std::string& path) {
  std::string pattern = "^";
  for (char c : path) {
    if (std::string_view("\\.^$|()[]{}*+?\"").find(c) != std::string_view::npos) pattern += '\\';
    pattern += c;
  }
  return pattern + "(\\?.*)?$";
}

void write_file(const std::filesystem::path& file, const std::string& bytes) {
  std::ofstream out(file, std::ios::binary | std::ios::trunc);
  out << bytes;
  if (!out) throw std::runtime_error("web server: cannot write " + file.string());
}

std::string read_file(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

bool names_date(const std::vector<std::string>& headers) {
  for (const std::string& line : headers)
    if (line.size() >= 5 && strncasecmp(line.c_str(), "date:", 5) == 0) return true;
  return false;
}

std::string date_without_gmt() {
  std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  char text[64];
  std::strftime(text, sizeof text, "%a, %d %b %Y %H:%M:%S +0000", &utc);
  return text;
}

}  // namespace

uint16_t free_port() {
  int s = socket(AF_INET, SOCK_STREAM, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  socklen_t size = sizeof address;
  bool bound = s >= 0 && bind(s, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
               getsockname(s, reinterpret_cast<sockaddr*>(&address), &size) == 0;
  if (s >= 0) close(s);
  if (!bound) throw std::runtime_error("web server: no free port");
  return ntohs(address.sin_port);
}

WebServer::WebServer(std::filesystem::path document_root) : document_root_(std::filesystem::absolute(document_root)) {
  remove_abandoned_folders();
  std::string pattern = (std::filesystem::temp_directory_path() / (kFolderPrefix + std::to_string(getpid()) + "-XXXXXX")).string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("web server: no temporary folder");
  folder_ = pattern;
  std::filesystem::create_directories(folder_ / "scripts");
  port_ = free_port();
  start();
}

WebServer::~WebServer() {
  stop();
  std::error_code ignored;
  std::filesystem::remove_all(folder_, ignored);
}

void WebServer::Redirect(const std::string& path, int status, const std::string& location) {
  std::string head = "Status: " + std::to_string(status) + " " + reason(status) + "\r\n";
  if (!location.empty()) head += "Location: " + location + "\r\n";
  add_special(path, false, head + "\r\n", "");
}

void WebServer::Status(const std::string& path, int status) {
  std::string text = std::to_string(status) + " " + reason(status);
  add_special(path, false, "Status: " + text + "\r\nContent-Type: text/html\r\n\r\n",
              "<html><head><title>" + text + "</title></head><body><h1>" + text + "</h1></body></html>\n");
}

void WebServer::Raw(const std::string& path, int status, const std::vector<std::string>& headers,
                    const std::string& body) {
  std::string head = "HTTP/1.1 " + std::to_string(status) + " " + reason(status) + "\r\n";
  for (const std::string& line : headers) head += line + "\r\n";
  if (!names_date(headers)) head += "Date: " + date_without_gmt() + "\r\n";
  add_special(path, true, head + "\r\n", body);
}

void WebServer::add_special(const std::string& path, bool raw, const std::string& head, const std::string& body) {
  // An nph- script's output is the answer itself, status line included.
  std::string number = std::to_string(specials_.size() + 1);
  std::filesystem::path scripts = folder_ / "scripts";
  write_file(scripts / (number + ".head"), head);
  write_file(scripts / (number + ".body"), body);
  std::string script = (raw ? "nph-" : "") + number + ".cgi";
  write_file(scripts / script, "cat '" + (scripts / (number + ".head")).string() + "' '" +
                                   (scripts / (number + ".body")).string() + "'\n");
  std::erase_if(specials_, [&](const Special& s) { return s.path == path; });
  specials_.push_back({path, script});
  stop();
  start();
}

void WebServer::write_config() const {
  std::string rewrites;
  for (const Special& s : specials_)
    rewrites += (rewrites.empty() ? "" : ", ") + std::string("\"") + path_pattern(s.path) + "\" => \"/.tarvolt-special/" +
                s.script + "\"";
  std::string config =
      "server.document-root = \"" + document_root_.string() + "\"\n"
      "server.bind = \"127.0.0.1\"\n"
      "server.port = " + std::to_string(port_) + "\n"
      "server.errorlog = \"" + (folder_ / "error.log").string() + "\"\n"
      "server.modules = (\"mod_rewrite\", \"mod_alias\", \"mod_cgi\")\n"
      "mimetype.assign = (\".html\" => \"text/html\", \".txt\" => \"text/plain\", \"\" => \"application/octet-stream\")\n"
      "alias.url = (\"/.tarvolt-special/\" => \"" + (folder_ / "scripts").string() + "/\")\n"
      "url.rewrite-once = (" + rewrites + ")\n"
      "$HTTP[\"url\"] =~ \"^/\\.tarvolt-special/\" { cgi.assign = (\".cgi\" => \"/bin/sh\") }\n"
      "$HTTP[\"url\"] =~ \"^/\\.tarvolt-special/nph-\" { server.tag = \"\" }\n";
  write_file(folder_ / "lighttpd.conf", config);
}

void WebServer::start() {
  write_config();
  std::string config = (folder_ / "lighttpd.conf").string();
  std::string log = (folder_ / "lighttpd.log").string();
  pid_t parent = getpid();
  pid_ = fork();
  if (pid_ < 0) throw std::runtime_error("web server: fork failed");
  if (pid_ == 0) {
    // The server goes when the test process goes, however it ends.
    prctl(PR_SET_PDEATHSIG, SIGTERM);
    if (getppid() != parent) _exit(127);
    int out = open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    dup2(out, STDOUT_FILENO);
    dup2(out, STDERR_FILENO);
    execl("/usr/sbin/lighttpd", "lighttpd", "-D", "-f", config.c_str(), static_cast<char*>(nullptr));
    execlp("lighttpd", "lighttpd", "-D", "-f", config.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!accepts(port_)) {
    int status = 0;
    bool ended = waitpid(pid_, &status, WNOHANG) == pid_;
    if (ended) pid_ = -1;
    if (ended || std::chrono::steady_clock::now() > deadline) {
      stop();
      throw std::runtime_error("web server: lighttpd did not start: " + read_file(log) +
                               read_file(folder_ / "error.log"));
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(5));
  }
}

void WebServer::stop() {
  if (pid_ <= 0) return;
  kill(pid_, SIGTERM);
  waitpid(pid_, nullptr, 0);
  pid_ = -1;
}

}  // namespace tarvolt::test
