// The framework's internet classes against a real web server reached through the machine's
// world: requests, their answers read as lines and as bytes, the status callback, the
// exceptions of failed calls, and the URL splitter.
#include <algorithm>
#include <string>
#include <vector>

#include "afxinet.h"
#include "inet/inet_fixture.h"

namespace {

const char* const kIndex = "latestexec_url=http://updates.example.net/tarvolt20261209.exe\r\nsecond line\nlast";

// Where the status callback reached the session: each status with its context.
class CRecordingSession : public CInternetSession {
 public:
  CRecordingSession() : CInternetSession("Recorder", 5) {}
  std::vector<std::pair<DWORD, DWORD_PTR>> m_calls;
  std::string m_strResolving;

  void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                        DWORD dwStatusInformationLength) override {
    m_calls.emplace_back(dwInternetStatus, dwContext);
    if (dwInternetStatus == INTERNET_STATUS_RESOLVING_NAME)
      m_strResolving.assign(static_cast<const char*>(lpvStatusInformation), dwStatusInformationLength);
  }
  bool Saw(DWORD dwStatus, DWORD_PTR dwContext) const {
    return std::find(m_calls.begin(), m_calls.end(), std::make_pair(dwStatus, dwContext)) != m_calls.end();
  }
};

class InternetClassesTest : public inet_testing::InetTest {
 protected:
  // The error and context of the CInternetException that fn throws, and its message.
  template <class Fn>
  static std::string Failure(Fn fn) {
    try {
      fn();
    } catch (CInternetException* e) {
      char szMessage[256];
      BOOL bText = e->GetErrorMessage(szMessage, sizeof(szMessage));
      std::string failure = std::to_string(e->m_dwError) + " context " + std::to_string(e->m_dwContext) + ": " +
                            (bText ? szMessage : "(no text)");
      e->Delete();
      return failure;
    }
    return "no exception";
  }
};

TEST_F(InternetClassesTest, AGetReadsItsAnswerAsLinesAndItsHeaders) {
  site_file("index.txt", kIndex);
  server();
  CInternetSession session("Zolvane");
  CHttpConnection* pConnection = session.GetHttpConnection("updates.example.net", INTERNET_DEFAULT_HTTP_PORT);
  CHttpFile* pFile = pConnection->OpenRequest("GET", "/index.txt", nullptr, 1, nullptr, nullptr,
                                              INTERNET_FLAG_EXISTING_CONNECT | INTERNET_FLAG_NO_CACHE_WRITE);
  EXPECT_EQ(std::string(pFile->GetVerb()), "GET");
  EXPECT_EQ(std::string(pFile->GetObject()), "/index.txt");
  EXPECT_TRUE(pFile->AddRequestHeaders("Accept: */*, text/plain\r\n"));
  EXPECT_TRUE(pFile->SendRequest());
  DWORD dwStatus = 0;
  ASSERT_TRUE(pFile->QueryInfoStatusCode(dwStatus));
  EXPECT_EQ(dwStatus, 200u);

  CString strHeaders;
  ASSERT_TRUE(pFile->QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, strHeaders));
  std::string headers(strHeaders);
  EXPECT_TRUE(headers.starts_with("HTTP/1.1 200 OK\r\n")) << headers;
  EXPECT_NE(headers.find("\r\nLast-Modified: "), std::string::npos) << headers;
  EXPECT_TRUE(headers.ends_with("\r\n\r\n")) << headers;
  CString strLength;
  ASSERT_TRUE(pFile->QueryInfo(HTTP_QUERY_CONTENT_LENGTH, strLength));
  EXPECT_EQ(std::string(strLength), std::to_string(strlen(kIndex)));
  CString strMissing = "left over";
  EXPECT_FALSE(pFile->QueryInfo(HTTP_QUERY_LOCATION, strMissing));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_HTTP_HEADER_NOT_FOUND));
  EXPECT_TRUE(strMissing.IsEmpty());

  // Lines end at LF; a CR before it goes; the last line needs no line end.
  std::vector<std::string> lines;
  CString strLine;
  while (pFile->ReadString(strLine)) lines.emplace_back(strLine);
  EXPECT_EQ(lines, (std::vector<std::string>{"latestexec_url=http://updates.example.net/tarvolt20261209.exe",
                                              "second line", "last"}));
  pFile->Close();
  EXPECT_EQ(Failure([&] { pFile->ReadString(strLine); }), "6 context 1: (no text)") << "a closed request";
  delete pFile;
  delete pConnection;
  session.Close();
}

TEST_F(InternetClassesTest, ReadGivesTheBytesAsTheyAreAfterWhatALineReadLeft) {
  // A program file: CR LF pairs, CTRL+Z and NULs stay as they are.
  std::string body = "first line\r\n";
  for (int i = 0; i < 7000; ++i) body.push_back(static_cast<char>(i * 7 % 256));
  site_file("tarvolt20261209.exe", body);
  server();
  CInternetSession session;
  CHttpConnection connection(&session, "updates.example.net");
  std::unique_ptr<CHttpFile> pFile(connection.OpenRequest("GET", "/tarvolt20261209.exe"));
  pFile->SendRequest();
  CString strLine;
  ASSERT_TRUE(pFile->ReadString(strLine));
  EXPECT_EQ(std::string(strLine), "first line");
  std::string rest;
  char block[1999];
  for (UINT nRead; (nRead = pFile->Read(block, sizeof(block))) > 0;) rest.append(block, nRead);
  EXPECT_EQ(rest.size(), 7000u);
  EXPECT_TRUE(rest == body.substr(12)) << "the bytes changed";
}

TEST_F(InternetClassesTest, TheStatusCallbackReachesTheSessionsOverride) {
  site_file("index.txt", kIndex);
  server();
  CRecordingSession session;
  EXPECT_TRUE(session.SetOption(INTERNET_OPTION_CONNECT_TIMEOUT, 30000));
  DWORD dwTimeout = 0;
  EXPECT_TRUE(session.QueryOption(INTERNET_OPTION_CONNECT_TIMEOUT, dwTimeout));
  EXPECT_EQ(dwTimeout, 30000u);
  EXPECT_TRUE(session.EnableStatusCallback());
  {
    std::unique_ptr<CHttpConnection> pConnection(session.GetHttpConnection("updates.example.net"));
    std::unique_ptr<CHttpFile> pFile(pConnection->OpenRequest("GET", "/index.txt", nullptr, 9));
    pFile->SendRequest();
  }
  EXPECT_TRUE(session.Saw(INTERNET_STATUS_HANDLE_CREATED, 9)) << "the request's, before it was returned";
  EXPECT_TRUE(session.Saw(INTERNET_STATUS_RESOLVING_NAME, 9));
  EXPECT_EQ(session.m_strResolving.c_str(), std::string("updates.example.net"));
  EXPECT_TRUE(session.Saw(INTERNET_STATUS_SENDING_REQUEST, 9));
  EXPECT_TRUE(session.Saw(INTERNET_STATUS_RESPONSE_RECEIVED, 9));
  EXPECT_TRUE(session.Saw(INTERNET_STATUS_HANDLE_CLOSING, 9));
  EXPECT_TRUE(session.Saw(INTERNET_STATUS_HANDLE_CLOSING, 5)) << "the connection's, with the session's context";

  session.m_calls.clear();
  EXPECT_TRUE(session.EnableStatusCallback(FALSE));
  std::unique_ptr<CHttpConnection> pConnection(session.GetHttpConnection("updates.example.net"));
  std::unique_ptr<CHttpFile> pFile(pConnection->OpenRequest("GET", "/index.txt"));
  pFile->SendRequest();
  EXPECT_TRUE(session.m_calls.empty());

  // Closing the session closes what was made from it; the objects then go quietly.
  EXPECT_TRUE(session.EnableStatusCallback());
  session.Close();
  EXPECT_EQ(static_cast<HINTERNET>(session), nullptr);
  session.m_calls.clear();
  pFile.reset();
  pConnection.reset();
  EXPECT_TRUE(session.m_calls.empty());
}

TEST_F(InternetClassesTest, FailedCallsThrowWithWinInetsTextAndTheRequestsContext) {
  server();
  world("host closed.example.net 127.0.0.1");
  CInternetSession session;
  std::unique_ptr<CHttpConnection> pUnknown(session.GetHttpConnection("unknown.example.net"));
  std::unique_ptr<CHttpFile> pFile(pUnknown->OpenRequest("GET", "/", nullptr, 7));
  EXPECT_EQ(Failure([&] { pFile->SendRequest(); }),
            "12007 context 7: The server name or address could not be resolved\r\n");
  std::unique_ptr<CHttpConnection> pClosed(session.GetHttpConnection("closed.example.net"));
  std::unique_ptr<CHttpFile> pRefused(pClosed->OpenRequest("GET", "/", nullptr, 8));
  EXPECT_EQ(Failure([&] { pRefused->SendRequest(); }),
            "12029 context 8: A connection with the server could not be established\r\n");
  // Reading an answer that never came fails as WinInet does.
  char byte;
  EXPECT_EQ(Failure([&] { pRefused->Read(&byte, 1); }).substr(0, 16), "12019 context 8:");
  // A code WinInet has no text for.
  CInternetException unknown(ERROR_FILE_NOT_FOUND);
  char szText[16] = "left over";
  EXPECT_FALSE(unknown.GetErrorMessage(szText, sizeof(szText)));
  EXPECT_STREQ(szText, "");
  EXPECT_EQ(Failure([] { AfxThrowInternetException(3, ERROR_INTERNET_TIMEOUT); }),
            "12002 context 3: The operation timed out\r\n");
  SetLastError(ERROR_INTERNET_INVALID_URL);
  EXPECT_EQ(Failure([] { AfxThrowInternetException(4); }).substr(0, 16), "12005 context 4:");
}

TEST_F(InternetClassesTest, ParseURLSplitsServerObjectPortAndService) {
  DWORD dwService = 0;
  CString strServer, strObject;
  INTERNET_PORT nPort = 0;
  ASSERT_TRUE(AfxParseURL("http://www.example.net/tarvolt20261209.exe", dwService, strServer, strObject, nPort));
  EXPECT_EQ(dwService, DWORD(AFX_INET_SERVICE_HTTP));
  EXPECT_EQ(std::string(strServer), "www.example.net");
  EXPECT_EQ(std::string(strObject), "/tarvolt20261209.exe");
  EXPECT_EQ(nPort, 80);

  ASSERT_TRUE(AfxParseURL("http://updates.example.net:8080/dir/file.exe?x=1", dwService, strServer, strObject, nPort));
  EXPECT_EQ(std::string(strServer), "updates.example.net");
  EXPECT_EQ(std::string(strObject), "/dir/file.exe?x=1");
  EXPECT_EQ(nPort, 8080);

  ASSERT_TRUE(AfxParseURL("http://www.example.net", dwService, strServer, strObject, nPort));
  EXPECT_EQ(std::string(strServer), "www.example.net");
  EXPECT_EQ(std::string(strObject), "") << "no path";
  ASSERT_TRUE(AfxParseURL("https://www.example.net/", dwService, strServer, strObject, nPort));
  EXPECT_EQ(dwService, DWORD(AFX_INET_SERVICE_HTTPS));
  EXPECT_EQ(nPort, 443);

  for (const char* bad : {"", "tarvolt20261209.exe", "www.example.net/file.exe", "javascript:alert(1)"}) {
    strServer = "left over";
    EXPECT_FALSE(AfxParseURL(bad, dwService, strServer, strObject, nPort)) << bad;
    EXPECT_EQ(dwService, DWORD(AFX_INET_SERVICE_UNK)) << bad;
    EXPECT_TRUE(strServer.IsEmpty()) << bad;
  }
}

}  // namespace
