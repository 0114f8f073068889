// What needs no server: handles, options, URLs and the error texts.
#include "inet_fixture.h"

namespace {

using inet_testing::InetTest;

TEST_F(InetTest, HandlesOfTheWrongKindAreRefused) {
  HINTERNET session = InternetOpenA("InetTest", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
  ASSERT_TRUE(session);
  EXPECT_FALSE(HttpOpenRequestA(session, "GET", "/", nullptr, nullptr, nullptr, 0, 1));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_TYPE));
  HINTERNET connection = InternetConnectA(session, "updates.example.net", 0, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1);
  ASSERT_TRUE(connection);
  EXPECT_FALSE(InternetConnectA(connection, "x", 80, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_TYPE));
  DWORD got = 0;
  char buffer[4];
  EXPECT_FALSE(InternetReadFile(connection, buffer, sizeof buffer, &got));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_TYPE));
  HINTERNET request = HttpOpenRequestA(connection, nullptr, "/", nullptr, nullptr, nullptr, 0, 1);
  ASSERT_TRUE(request);
  DWORD size = sizeof buffer;
  EXPECT_FALSE(HttpQueryInfoA(request, HTTP_QUERY_STATUS_CODE, buffer, &size, nullptr));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_STATE)) << "nothing sent yet";
  EXPECT_FALSE(InternetReadFile(request, buffer, sizeof buffer, &got));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INCORRECT_HANDLE_STATE));

  DWORD type = 0;
  size = sizeof type;
  ASSERT_TRUE(InternetQueryOptionA(connection, INTERNET_OPTION_HANDLE_TYPE, &type, &size));
  EXPECT_EQ(type, DWORD(INTERNET_HANDLE_TYPE_CONNECT_HTTP));

  EXPECT_TRUE(InternetCloseHandle(connection));
  EXPECT_FALSE(InternetCloseHandle(request)) << "went with its connection";
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HANDLE));
  EXPECT_TRUE(InternetCloseHandle(session));
}

TEST_F(InetTest, OptionsAreKeptPerHandleAndInheritedAtCreation) {
  HINTERNET session = InternetOpenA("InetTest", INTERNET_OPEN_TYPE_PRECONFIG, nullptr, nullptr, 0);
  DWORD timeout = 30000, retries = 1;
  ASSERT_TRUE(InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, sizeof timeout));
  ASSERT_TRUE(InternetSetOptionA(session, INTERNET_OPTION_CONNECT_RETRIES, &retries, sizeof retries));
  EXPECT_FALSE(InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &timeout, 2));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_BAD_OPTION_LENGTH));
  EXPECT_FALSE(InternetSetOptionA(session, 9999, &timeout, sizeof timeout));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INVALID_OPTION));
  HINTERNET connection = InternetConnectA(session, "updates.example.net", 80, nullptr, nullptr, INTERNET_SERVICE_HTTP, 0, 1);
  DWORD later = 5000;
  ASSERT_TRUE(InternetSetOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &later, sizeof later));

  DWORD value = 0, size = sizeof value;
  ASSERT_TRUE(InternetQueryOptionA(connection, INTERNET_OPTION_CONNECT_TIMEOUT, &value, &size));
  EXPECT_EQ(value, 30000u) << "the value at the connection's creation";
  ASSERT_TRUE(InternetQueryOptionA(connection, INTERNET_OPTION_CONNECT_RETRIES, &value, &size));
  EXPECT_EQ(value, 1u);
  ASSERT_TRUE(InternetQueryOptionA(session, INTERNET_OPTION_CONNECT_TIMEOUT, &value, &size));
  EXPECT_EQ(value, 5000u);
  size = 1;
  EXPECT_FALSE(InternetQueryOptionA(session, INTERNET_OPTION_RECEIVE_TIMEOUT, &value, &size));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(size, sizeof(DWORD));

  char agent[4];
  size = sizeof agent;
  EXPECT_FALSE(InternetQueryOptionA(session, INTERNET_OPTION_USER_AGENT, agent, &size));
  EXPECT_EQ(size, 9u) << "\"InetTest\" and its NUL";
  InternetCloseHandle(session);
}

TEST_F(InetTest, CrackUrlSplitsIntoBuffersOrPointsIntoTheUrl) {
  const char* url = "http://user:pw@www.example.net:8080/tarvolt%2020261209.exe?x=1#top";
  char host[64], path[64], extra[64];
  URL_COMPONENTSA parts{};
  parts.dwStructSize = sizeof parts;
  parts.lpszHostName = host;
  parts.dwHostNameLength = sizeof host;
  parts.lpszUrlPath = path;
  parts.dwUrlPathLength = sizeof path;
  parts.lpszExtraInfo = extra;
  parts.dwExtraInfoLength = sizeof extra;
  parts.dwSchemeLength = 1;  // a pointer into the URL
  ASSERT_TRUE(InternetCrackUrlA(url, 0, 0, &parts)) << GetLastError();
  EXPECT_EQ(parts.nScheme, INTERNET_SCHEME_HTTP);
  EXPECT_EQ(parts.nPort, 8080);
  EXPECT_EQ(std::string(parts.lpszScheme, parts.dwSchemeLength), "http");
  EXPECT_EQ(parts.lpszScheme, url);
  EXPECT_STREQ(host, "www.example.net");
  EXPECT_EQ(parts.dwHostNameLength, 15u);
  EXPECT_STREQ(path, "/tarvolt%2020261209.exe");
  EXPECT_STREQ(extra, "?x=1#top");
  EXPECT_EQ(parts.lpszUserName, nullptr) << "not asked for";

  URL_COMPONENTSA decoded{};
  decoded.dwStructSize = sizeof decoded;
  decoded.lpszUrlPath = path;
  decoded.dwUrlPathLength = sizeof path;
  ASSERT_TRUE(InternetCrackUrlA(url, 0, ICU_DECODE, &decoded));
  EXPECT_STREQ(path, "/tarvolt 20261209.exe");

  URL_COMPONENTSW wide{};
  wide.dwStructSize = sizeof wide;
  wide.dwHostNameLength = 1;
  const WCHAR wide_url[] = {'h', 't', 't', 'p', ':', '/', '/', 'a', '.', 'b', '/', 0};
  ASSERT_TRUE(InternetCrackUrlW(wide_url, 0, 0, &wide));
  EXPECT_EQ(wide.lpszHostName, wide_url + 7);
  EXPECT_EQ(wide.dwHostNameLength, 3u);
  EXPECT_EQ(wide.nPort, INTERNET_DEFAULT_HTTP_PORT) << "the scheme's port";

  URL_COMPONENTSA small{};
  small.dwStructSize = sizeof small;
  char tiny[4];
  small.lpszHostName = tiny;
  small.dwHostNameLength = sizeof tiny;
  EXPECT_FALSE(InternetCrackUrlA(url, 0, 0, &small));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(small.dwHostNameLength, 16u);

  URL_COMPONENTSA bad{};
  bad.dwStructSize = sizeof bad;
  EXPECT_FALSE(InternetCrackUrlA("www.example.net/x.exe", 0, 0, &bad));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_UNRECOGNIZED_SCHEME));
  EXPECT_FALSE(InternetCrackUrlA("http://www.example.net:80x/", 0, 0, &bad));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INTERNET_INVALID_URL));
  bad.dwStructSize = 8;
  EXPECT_FALSE(InternetCrackUrlA("http://a/", 0, 0, &bad));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

std::string message(DWORD id) {
  char text[256] = "";
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS, GetModuleHandleA("wininet.dll"),
                           id, 0, text, sizeof text, nullptr);
  return n ? std::string(text, n) : "(error " + std::to_string(GetLastError()) + ")";
}

TEST_F(InetTest, TheErrorTextsComeFromWininetsMessageTable) {
  ASSERT_TRUE(GetModuleHandleA("wininet.dll"));
  EXPECT_EQ(message(ERROR_INTERNET_TIMEOUT), "The operation timed out\r\n");
  EXPECT_EQ(message(ERROR_INTERNET_NAME_NOT_RESOLVED), "The server name or address could not be resolved\r\n");
  EXPECT_EQ(message(ERROR_INTERNET_CANNOT_CONNECT), "A connection with the server could not be established\r\n");
  EXPECT_EQ(message(ERROR_HTTP_INVALID_SERVER_RESPONSE), "The server returned an invalid or unrecognized response\r\n");
  EXPECT_EQ(message(ERROR_FILE_NOT_FOUND), "(error 317)") << "the system's texts are not the module's";

  char text[128];
  DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_FROM_SYSTEM, GetModuleHandleA("wininet.dll"),
                           ERROR_FILE_NOT_FOUND, 0, text, sizeof text, nullptr);
  EXPECT_EQ(std::string(text, n), "The system cannot find the file specified.\r\n") << "with the system as fallback";
  WCHAR wide[128];
  n = FormatMessageW(FORMAT_MESSAGE_FROM_HMODULE, GetModuleHandleA("wininet"), ERROR_INTERNET_TIMEOUT, 0, wide, 128,
                     nullptr);
  EXPECT_EQ(n, 25u);
  EXPECT_EQ(wide[0], WCHAR('T'));
}

}  // namespace
