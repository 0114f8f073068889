// Requests against a real web server through the machine's world.
#include <cstring>
#include <vector>

#include "inet/http_objects.h"
#include "inet_fixture.h"

namespace {

using inet_testing::InetTest;
using inet_testing::OneShotListener;

TEST_F(InetTest, AGetAnswersWithStatusHeadersAndBody) {
  site_file("tarvolt20260101.exe", "MZ archived service");
  server();
  Get get = open_get("updates.example.net", "/tarvolt20260101.exe");
  ASSERT_TRUE(get.request);
  ASSERT_TRUE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0)) << GetLastError();
  EXPECT_EQ(status_of(get.request), 200u);
  EXPECT_EQ(text_of(get.request, HTTP_QUERY_STATUS_CODE), "200");
  EXPECT_EQ(text_of(get.request, HTTP_QUERY_STATUS_TEXT), "OK");
  EXPECT_EQ(text_of(get.request, HTTP_QUERY_CONTENT_LENGTH), "19");
  EXPECT_NE(text_of(get.request, HTTP_QUERY_LAST_MODIFIED).find(" GMT"), std::string::npos);
  EXPECT_EQ(text_of(get.request, HTTP_QUERY_LOCATION), "(error 12150)") << "no such header";

  std::string crlf = text_of(get.request, HTTP_QUERY_RAW_HEADERS_CRLF);
  EXPECT_TRUE(crlf.starts_with("HTTP/1.1 200 OK\r\n")) << crlf;
  EXPECT_TRUE(crlf.ends_with("\r\n\r\n")) << crlf;
  EXPECT_NE(crlf.find("\r\nLast-Modified: "), std::string::npos) << crlf;
  std::string raw = text_of(get.request, HTTP_QUERY_RAW_HEADERS);
  EXPECT_TRUE(raw.starts_with(std::string("HTTP/1.1 200 OK\0", 16))) << "lines end in NULs";
  EXPECT_EQ(raw.find('\r'), std::string::npos);

  EXPECT_EQ(body_of(get.request), "MZ archived service");
  DWORD got = 99;
  char more[10];
  EXPECT_TRUE(InternetReadFile(get.request, more, sizeof more, &got));
  EXPECT_EQ(got, 0u) << "the end reads as 0 bytes, again and again";
  EXPECT_TRUE(InternetCloseHandle(get.session)) << "closes the connection and the request with it";
  EXPECT_FALSE(InternetCloseHandle(get.request));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
}

std::u16string u16(const char* text) { return std::u16string(text, text + std::strlen(text)); }
const WCHAR* w(const std::u16string& text) { return reinterpret_cast<const WCHAR*>(text.c_str()); }

TEST_F(InetTest, TheWideFormsCarryTheSameAnswer) {
  site_file("a.txt", "wide");
  server();
  HINTERNET session = InternetOpenW(w(u16("InetTest")), INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  HINTERNET connection =
      InternetConnectW(session, w(u16("updates.example.net")), 80, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1);
  HINTERNET request = HttpOpenRequestW(connection, w(u16("GET")), w(u16("/a.txt")), nullptr, nullptr, nullptr, 0, 1);
  ASSERT_TRUE(HttpAddRequestHeadersW(request, w(u16("Accept: */*\r\n")), DWORD(-1), HTTP_ADDREQ_FLAG_ADD_IF_NEW));
  ASSERT_TRUE(HttpSendRequestW(request, nullptr, 0, nullptr, 0)) << GetLastError();
  WCHAR head[2048];
  DWORD size = sizeof head;
  ASSERT_TRUE(HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, head, &size, nullptr));
  std::u16string text(reinterpret_cast<const char16_t*>(head), size);
  EXPECT_TRUE(text.starts_with(u"HTTP/1.1 200 OK\r\n"));
  EXPECT_TRUE(text.ends_with(u"\r\n\r\n"));
  EXPECT_EQ(body_of(request), "wide");
  InternetCloseHandle(session);
}

TEST_F(InetTest, ErrorStatusesAreAnswersNotFailures) {
  server().Status("/private.exe", 401);
  Get missing = open_get("updates.example.net", "/missing.exe");
  ASSERT_TRUE(HttpSendRequestA(missing.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(status_of(missing.request), 404u);
  EXPECT_EQ(text_of(missing.request, HTTP_QUERY_STATUS_TEXT), "Not Found");
  Get denied = open_get("updates.example.net", "/private.exe");
  ASSERT_TRUE(HttpSendRequestA(denied.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(status_of(denied.request), 401u);
  EXPECT_NE(body_of(denied.request).find("401 Unauthorized"), std::string::npos);
  InternetCloseHandle(missing.session);
  InternetCloseHandle(denied.session);
}

TEST_F(InetTest, RedirectsAreFollowedThroughTheWorldUnlessTurnedOff) {
  site_file("new.exe", "the new one");
  server().Redirect("/latest.exe", 302, "http://www.example.net/new.exe");
  server().Redirect("/nowhere.exe", 302, "");
  server().Redirect("/gone.exe", 301, "/missing.exe");
  world("host www.example.net port 80 " + std::to_string(server().port()));

  Get followed = open_get("updates.example.net", "/latest.exe");
  ASSERT_TRUE(HttpSendRequestA(followed.request, nullptr, 0, nullptr, 0)) << GetLastError();
  EXPECT_EQ(status_of(followed.request), 200u) << "the final answer";
  EXPECT_EQ(body_of(followed.request), "the new one");

  Get relative = open_get("updates.example.net", "/gone.exe");
  ASSERT_TRUE(HttpSendRequestA(relative.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(status_of(relative.request), 404u) << "a relative location stays on the host";

  Get kept = open_get("updates.example.net", "/latest.exe", INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_AUTO_REDIRECT);
  ASSERT_TRUE(HttpSendRequestA(kept.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(status_of(kept.request), 302u);
  std::string crlf = text_of(kept.request, HTTP_QUERY_RAW_HEADERS_CRLF);
  EXPECT_NE(crlf.find("\r\nLocation: http://www.example.net/new.exe\r\n"), std::string::npos) << crlf;

  Get bare = open_get("updates.example.net", "/nowhere.exe");
  ASSERT_TRUE(HttpSendRequestA(bare.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(status_of(bare.request), 302u) << "without a location the redirect is the answer";
  EXPECT_EQ(text_of(bare.request, HTTP_QUERY_RAW_HEADERS_CRLF).find("Location"), std::string::npos);

  server().Redirect("/loop.exe", 307, "/loop.exe");
  Get loop = open_get("updates.example.net", "/loop.exe");
  EXPECT_FALSE(HttpSendRequestA(loop.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_REDIRECT_FAILED)) << "five redirects at most";
  InternetCloseHandle(loop.session);

  world("host www.example.net port 80 none");
  Get unreachable = open_get("updates.example.net", "/latest.exe");
  EXPECT_FALSE(HttpSendRequestA(unreachable.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_CANNOT_CONNECT)) << "the target too goes through the world";
  for (Get* get : {&followed, &relative, &kept, &bare, &unreachable}) InternetCloseHandle(get->session);
}

TEST_F(InetTest, ARawAnswerArrivesAsTheServerSentIt) {
  server().Raw("/plain.exe", 200, {"Content-Type: application/octet-stream", "Last-Modified: yesterday"}, "raw body");
  Get get = open_get("updates.example.net", "/plain.exe");
  ASSERT_TRUE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0));
  std::string crlf = text_of(get.request, HTTP_QUERY_RAW_HEADERS_CRLF);
  EXPECT_EQ(crlf.find(" GMT"), std::string::npos) << crlf;
  EXPECT_EQ(text_of(get.request, HTTP_QUERY_LAST_MODIFIED), "yesterday");
  EXPECT_EQ(body_of(get.request), "raw body");
  InternetCloseHandle(get.session);
}

TEST_F(InetTest, RequestHeadersFollowTheAddRules) {
  OneShotListener listener("HTTP/1.1 200 OK\r\nContent-Length: 2\r\n\r\nok");
  world("host updates.example.net port 80 " + std::to_string(listener.port()));
  Get get = open_get("updates.example.net", "/index");
  const char* accept = "Accept: */*, text/plain\r\n";
  EXPECT_TRUE(HttpAddRequestHeadersA(get.request, accept, DWORD(-1), HTTP_ADDREQ_FLAG_ADD_IF_NEW));
  EXPECT_FALSE(HttpAddRequestHeadersA(get.request, "Accept: text/html\r\n", DWORD(-1), HTTP_ADDREQ_FLAG_ADD_IF_NEW));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_HEADER_ALREADY_EXISTS));
  EXPECT_TRUE(HttpAddRequestHeadersA(get.request, "User-Agent: GetWebFile/1.0\r\n", DWORD(-1), HTTP_ADDREQ_FLAG_ADD_IF_NEW));
  EXPECT_TRUE(HttpAddRequestHeadersA(get.request, "Content-type", DWORD(-1), HTTP_ADDREQ_FLAG_ADD_IF_NEW))
      << "a name without a colon is passed over";
  EXPECT_TRUE(HttpAddRequestHeadersA(get.request, "X-One: 1\r\nX-Two: 2\r\n", DWORD(-1), HTTP_ADDREQ_FLAG_ADD));
  EXPECT_TRUE(HttpAddRequestHeadersA(get.request, "X-Two: 3\r\n", DWORD(-1), HTTP_ADDREQ_FLAG_REPLACE));
  EXPECT_TRUE(HttpAddRequestHeadersA(get.request, "X-One:\r\n", DWORD(-1), HTTP_ADDREQ_FLAG_REPLACE)) << "removes";
  EXPECT_FALSE(HttpAddRequestHeadersA(get.request, "X-None: 1\r\n", DWORD(-1), HTTP_ADDREQ_FLAG_REPLACE));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_HEADER_NOT_FOUND));
  ASSERT_TRUE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0)) << GetLastError();
  EXPECT_EQ(body_of(get.request), "ok");

  std::string wire = listener.request();
  EXPECT_TRUE(wire.starts_with("GET /index HTTP/1.1\r\n")) << wire;
  EXPECT_NE(wire.find("\r\nHost: updates.example.net\r\n"), std::string::npos) << "the name, not the local port: " << wire;
  EXPECT_NE(wire.find("\r\nAccept: */*, text/plain\r\n"), std::string::npos) << wire;
  EXPECT_EQ(wire.find("text/html"), std::string::npos) << wire;
  EXPECT_NE(wire.find("\r\nUser-Agent: GetWebFile/1.0\r\n"), std::string::npos) << "the added one wins: " << wire;
  EXPECT_EQ(wire.find("InetTest"), std::string::npos) << wire;
  EXPECT_EQ(wire.find("Content-type"), std::string::npos) << wire;
  EXPECT_NE(wire.find("\r\nX-Two: 3\r\n"), std::string::npos) << wire;
  EXPECT_EQ(wire.find("X-One"), std::string::npos) << wire;
  InternetCloseHandle(get.session);
}

TEST_F(InetTest, WithoutAnAddedUserAgentTheSessionsAgentGoes) {
  OneShotListener listener("HTTP/1.1 204 No Content\r\n\r\n");
  world("host updates.example.net port 80 " + std::to_string(listener.port()));
  Get get = open_get("updates.example.net", "/");
  ASSERT_TRUE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0)) << GetLastError();
  EXPECT_EQ(status_of(get.request), 204u);
  EXPECT_NE(listener.request().find("\r\nUser-Agent: InetTest\r\n"), std::string::npos);
  InternetCloseHandle(get.session);
}

TEST_F(InetTest, QueriesFollowTheSizeProtocolInBytes) {
  site_file("a.txt", "x");
  server();
  Get get = open_get("updates.example.net", "/a.txt");
  ASSERT_TRUE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0));
  DWORD size = 0;
  EXPECT_FALSE(HttpQueryInfoA(get.request, HTTP_QUERY_STATUS_TEXT, nullptr, &size, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(size, 3u) << "\"OK\" and its NUL";
  char small[2];
  size = sizeof small;
  EXPECT_FALSE(HttpQueryInfoA(get.request, HTTP_QUERY_STATUS_TEXT, small, &size, nullptr));
  EXPECT_EQ(size, 3u);
  char fits[3];
  size = sizeof fits;
  ASSERT_TRUE(HttpQueryInfoA(get.request, HTTP_QUERY_STATUS_TEXT, fits, &size, nullptr));
  EXPECT_EQ(size, 2u) << "characters, without the NUL";
  EXPECT_STREQ(fits, "OK");

  size = 0;
  EXPECT_FALSE(HttpQueryInfoW(get.request, HTTP_QUERY_STATUS_TEXT, nullptr, &size, nullptr));
  EXPECT_EQ(size, 6u) << "the W form asks for bytes too";
  WCHAR wide[3];
  size = sizeof wide;
  ASSERT_TRUE(HttpQueryInfoW(get.request, HTTP_QUERY_STATUS_TEXT, wide, &size, nullptr));
  EXPECT_EQ(size, 2u);
  EXPECT_EQ(wide[0], WCHAR('O'));
  EXPECT_EQ(wide[2], WCHAR(0));

  DWORD number = 0;
  size = 2;
  EXPECT_FALSE(HttpQueryInfoA(get.request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &number, &size, nullptr));
  EXPECT_EQ(size, sizeof(DWORD));
  size = sizeof number;
  ASSERT_TRUE(HttpQueryInfoA(get.request, HTTP_QUERY_CONTENT_LENGTH | HTTP_QUERY_FLAG_NUMBER, &number, &size, nullptr));
  EXPECT_EQ(number, 1u);

  char name[64] = "Content-Type";
  size = sizeof name;
  DWORD index = 0;
  ASSERT_TRUE(HttpQueryInfoA(get.request, HTTP_QUERY_CUSTOM, name, &size, &index));
  EXPECT_STREQ(name, "text/plain");
  EXPECT_EQ(index, 1u) << "the next occurrence";
  std::strcpy(name, "Content-Type");
  size = sizeof name;
  EXPECT_FALSE(HttpQueryInfoA(get.request, HTTP_QUERY_CUSTOM, name, &size, &index));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_HEADER_NOT_FOUND));
  InternetCloseHandle(get.session);
}

TEST_F(InetTest, ALargeBodyStreamsThroughABoundedBuffer) {
  std::string big(8 * 1024 * 1024, '\0');
  for (size_t i = 0; i < big.size(); ++i) big[i] = char(i * 7 + i / 4096);
  site_file("big.exe", big);
  server();
  Get get = open_get("updates.example.net", "/big.exe");
  ASSERT_TRUE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0));
  std::string body = body_of(get.request);
  EXPECT_EQ(body.size(), big.size());
  EXPECT_TRUE(body == big) << "every byte in its place";
  auto request = platform::inet::find_as<platform::inet::Request>(get.request, platform::inet::Kind::request);
  ASSERT_TRUE(request && request->answer());
  EXPECT_LE(request->answer()->largest_held(), platform::inet::Transfer::kBodyBuffer);
  InternetCloseHandle(get.session);
}

std::vector<DWORD> g_statuses;
std::vector<DWORD_PTR> g_contexts;
std::string g_redirect;

void CALLBACK record_status(HINTERNET, DWORD_PTR context, DWORD status, LPVOID information, DWORD) {
  g_statuses.push_back(status);
  g_contexts.push_back(context);
  if (status == INTERNET_STATUS_REDIRECT) g_redirect = static_cast<const char*>(information);
}

TEST_F(InetTest, TheStatusCallbackReportsEachStepInOrder) {
  site_file("new.exe", "n");
  server().Redirect("/latest.exe", 302, "/new.exe");
  g_statuses.clear();
  g_contexts.clear();
  HINTERNET session = InternetOpenA("InetTest", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  EXPECT_EQ(InternetSetStatusCallback(session, record_status), nullptr);
  HINTERNET connection = InternetConnectA(session, "updates.example.net", 80, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 7);
  HINTERNET request = HttpOpenRequestA(connection, "GET", "/latest.exe", nullptr, nullptr, nullptr, 0, 9);
  ASSERT_TRUE(HttpSendRequestA(request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(body_of(request), "n");
  InternetCloseHandle(session);

  const std::vector<DWORD> exchange = {INTERNET_STATUS_RESOLVING_NAME,    INTERNET_STATUS_NAME_RESOLVED,
                                       INTERNET_STATUS_CONNECTING_TO_SERVER, INTERNET_STATUS_CONNECTED_TO_SERVER,
                                       INTERNET_STATUS_SENDING_REQUEST,   INTERNET_STATUS_REQUEST_SENT,
                                       INTERNET_STATUS_RECEIVING_RESPONSE, INTERNET_STATUS_RESPONSE_RECEIVED};
  std::vector<DWORD> expected = {INTERNET_STATUS_HANDLE_CREATED, INTERNET_STATUS_HANDLE_CREATED};
  expected.insert(expected.end(), exchange.begin(), exchange.end());
  expected.push_back(INTERNET_STATUS_REDIRECT);
  expected.insert(expected.end(), exchange.begin(), exchange.end());
  // The reads: each that waits for the network reports it; then the closings, children first.
  // The session has context 0 and so reports nothing.
  std::vector<DWORD> tail = {INTERNET_STATUS_CLOSING_CONNECTION, INTERNET_STATUS_CONNECTION_CLOSED,
                             INTERNET_STATUS_HANDLE_CLOSING, INTERNET_STATUS_HANDLE_CLOSING};
  ASSERT_GE(g_statuses.size(), expected.size() + tail.size());
  EXPECT_EQ(std::vector<DWORD>(g_statuses.begin(), g_statuses.begin() + long(expected.size())), expected);
  EXPECT_EQ(std::vector<DWORD>(g_statuses.end() - long(tail.size()), g_statuses.end()), tail);
  for (size_t i = expected.size(); i < g_statuses.size() - tail.size(); ++i)
    EXPECT_TRUE(g_statuses[i] == INTERNET_STATUS_RECEIVING_RESPONSE || g_statuses[i] == INTERNET_STATUS_RESPONSE_RECEIVED);
  EXPECT_EQ(g_redirect, "http://updates.example.net/new.exe");
  EXPECT_EQ(g_contexts[0], 7u) << "the connection's own context";
  EXPECT_EQ(g_contexts[1], 9u) << "then the request's";
  EXPECT_EQ(g_contexts[g_contexts.size() - 2], 9u) << "the request closes first";
  EXPECT_EQ(g_contexts.back(), 7u);
}

TEST_F(InetTest, UnreachableAndUnknownHostsFail) {
  server();
  Get unmapped = open_get("updates.example.net", "/a.txt", INTERNET_FLAG_EXISTING_CONNECT, 8080);
  EXPECT_FALSE(HttpSendRequestA(unmapped.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_CANNOT_CONNECT)) << "a port the world does not map";

  Get unknown = open_get("nothing.example.net", "/");
  EXPECT_FALSE(HttpSendRequestA(unknown.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_NAME_NOT_RESOLVED));

  // Names the host computer resolves are nothing to the machine.
  world("host localhost none");
  for (const char* name : {"localhost", "example.com"}) {
    Get host_name = open_get(name, "/");
    EXPECT_FALSE(HttpSendRequestA(host_name.request, nullptr, 0, nullptr, 0)) << name;
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_NAME_NOT_RESOLVED)) << name;
    InternetCloseHandle(host_name.session);
  }

  // A mapped port where nothing listens refuses.
  uint16_t closed = server().port();
  server_.reset();
  world("host updates.example.net port 80 " + std::to_string(closed));
  Get refused = open_get("updates.example.net", "/");
  EXPECT_FALSE(HttpSendRequestA(refused.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_CANNOT_CONNECT));
  for (Get* get : {&unmapped, &unknown, &refused}) InternetCloseHandle(get->session);
}

TEST_F(InetTest, SilenceTimesOutAndABrokenAnswerIsRefused) {
  {
    OneShotListener silent("");
    world("host updates.example.net port 80 " + std::to_string(silent.port()));
    Get get = open_get("updates.example.net", "/");
    DWORD timeout = 300;
    ASSERT_TRUE(InternetSetOptionA(get.request, INTERNET_OPTION_RECEIVE_TIMEOUT, &timeout, sizeof timeout));
    EXPECT_FALSE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0));
    EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_TIMEOUT));
    InternetCloseHandle(get.session);
  }
  OneShotListener broken("this is no HTTP answer\r\n\r\n");
  world("host updates.example.net port 80 " + std::to_string(broken.port()));
  Get get = open_get("updates.example.net", "/");
  EXPECT_FALSE(HttpSendRequestA(get.request, nullptr, 0, nullptr, 0));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_INVALID_SERVER_RESPONSE));
  InternetCloseHandle(get.session);
}

}  // namespace
