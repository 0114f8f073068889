// Sending a request: the name resolves through the machine's world only, the connection goes
// to the local port the world maps the host's port to, and redirects are followed here, each
// through the world again.
#include <algorithm>

#include "inet/http_objects.h"
#include "inet/url.h"
#include "machine/clock.h"
#include "net/address.h"
#include "net/world.h"

namespace platform::inet {
namespace {

std::chrono::milliseconds real_ms(DWORD machine_ms) {
  return std::chrono::ceil<std::chrono::milliseconds>(clock::real_duration(int64_t(machine_ms) * 1'000'000));
}

bool is_redirect(int code) {
  return code == HTTP_STATUS_MOVED || code == HTTP_STATUS_REDIRECT || code == HTTP_STATUS_REDIRECT_METHOD ||
         code == HTTP_STATUS_REDIRECT_KEEP_VERB || code == HTTP_STATUS_PERMANENT_REDIRECT;
}

std::optional<std::string> location_of(const Transfer& answer) {
  for (const std::string& line : answer.header_lines())
    if (auto field = split_header(line); field && same_header_name(field->name, "Location")) return field->value;
  return std::nullopt;
}

std::string url_of(const Target& target) {
  std::string port = target.port == INTERNET_DEFAULT_HTTP_PORT ? "" : ":" + std::to_string(target.port);
  return "http://" + target.host + port + target.object;
}

}  // namespace

std::vector<std::string> Request::header_lines() const {
  std::vector<std::string> lines;
  for (const HeaderField& field : headers_.fields()) lines.push_back(field.name + ": " + field.value);
  return lines;
}

DWORD Request::exchange(const std::string& body) {
  transfer_.reset();
  status_text(INTERNET_STATUS_RESOLVING_NAME, target_.host);
  std::optional<uint32_t> address = net::parse_dotted(target_.host);
  if (!address) address = net::resolve(target_.host);
  if (!address) return ERROR_INTERNET_NAME_NOT_RESOLVED;
  std::string dotted = net::dotted(*address);
  status_text(INTERNET_STATUS_NAME_RESOLVED, dotted);
  status_text(INTERNET_STATUS_CONNECTING_TO_SERVER, dotted);
  std::optional<uint16_t> local = net::local_port(target_.host, target_.port);
  if (!local) return ERROR_INTERNET_CANNOT_CONNECT;

  TransferSetup setup{target_.host, target_.port, *local, verb_, target_.object, version_, header_lines(),
                      headers_.has("User-Agent") ? "" : agent_, body, real_ms(options().connect_timeout),
                      real_ms(options().receive_timeout), nullptr, nullptr};
  setup.on_connected = [this, dotted] {
    status_text(INTERNET_STATUS_CONNECTED_TO_SERVER, dotted);
    status(INTERNET_STATUS_SENDING_REQUEST);
  };
  setup.on_answer_begins = [this](DWORD sent) {
    status(INTERNET_STATUS_REQUEST_SENT, &sent, sizeof sent);
    status(INTERNET_STATUS_RECEIVING_RESPONSE);
  };
  transfer_ = std::make_unique<Transfer>(std::move(setup));
  if (DWORD error = transfer_->receive_head()) {
    transfer_.reset();
    return error;
  }
  DWORD received = transfer_->head_bytes();
  status(INTERNET_STATUS_RESPONSE_RECEIVED, &received, sizeof received);
  return 0;
}

DWORD Request::send(std::string body) {
  for (int redirects = 0;; ++redirects) {
    if (DWORD error = exchange(body)) return error;
    int code = transfer_->status_code();
    std::optional<std::string> location = location_of(*transfer_);
    // Without a location, or when told not to follow, the redirect itself is the answer.
    if (!is_redirect(code) || (flags_ & INTERNET_FLAG_NO_AUTO_REDIRECT) || !location) return 0;
    std::string url = absolute_url(url_of(target_), *location);
    UrlParts parts;
    if (redirects == kMaxRedirects || split_url(url, &parts) != 0 || parts.scheme_number != INTERNET_SCHEME_HTTP)
      return ERROR_HTTP_REDIRECT_FAILED;
    status_text(INTERNET_STATUS_REDIRECT, url);
    // 303 asks for a GET; so do 301 and 302 after a POST, as browsers have it.
    if (code == HTTP_STATUS_REDIRECT_METHOD || (verb_ == "POST" && code <= HTTP_STATUS_REDIRECT)) {
      verb_ = "GET";
      body.clear();
    }
    std::string_view query = parts.extra.substr(0, parts.extra.find('#'));  // a fragment stays with the client
    target_ = {std::string(parts.host), parts.port, std::string(parts.path.empty() ? "/" : parts.path) + std::string(query)};
  }
}

void Request::closing() {
  if (!transfer_) return;
  status(INTERNET_STATUS_CLOSING_CONNECTION);
  transfer_.reset();
  status(INTERNET_STATUS_CONNECTION_CLOSED);
}

}  // namespace platform::inet
