// The 16-bit build of the internet classes, the OLE date and the file status: the same calls
// with 16-bit texts, converted from and to the server's and the file system's.
#include <string>
#include <vector>

#include "afxinet.h"
#include "cfile.h"
#include "coledatetime.h"
#include "inet/inet_fixture.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;

class WideInternetTest : public inet_testing::InetTest {};

TEST_F(WideInternetTest, ARequestsLinesAndHeadersComeAsWideText) {
  // windows-1252 on the wire: 0xE9 is "é".
  site_file("index.txt", "caf\xE9=1\r\nnext");
  server();
  CInternetSession session(L"Wide");
  std::unique_ptr<CHttpConnection> pConnection(session.GetHttpConnection(L"updates.example.net"));
  std::unique_ptr<CHttpFile> pFile(pConnection->OpenRequest(L"GET", L"/index.txt"));
  EXPECT_TRUE(pFile->AddRequestHeaders(L"Accept: */*\r\n"));
  pFile->SendRequest();
  DWORD dwStatus = 0;
  ASSERT_TRUE(pFile->QueryInfoStatusCode(dwStatus));
  EXPECT_EQ(dwStatus, 200u);
  CString strHeaders;
  ASSERT_TRUE(pFile->QueryInfo(HTTP_QUERY_RAW_HEADERS_CRLF, strHeaders));
  EXPECT_TRUE(U(strHeaders).starts_with(u"HTTP/1.1 200 OK\r\n")) << testing_support::u8(U(strHeaders));
  CString strLine;
  std::vector<std::u16string> lines;
  while (pFile->ReadString(strLine)) lines.push_back(U(strLine));
  EXPECT_EQ(lines, (std::vector<std::u16string>{u"caf\u00E9=1", u"next"}));
}

TEST_F(WideInternetTest, ErrorTextsAndURLsInWideText) {
  CInternetException timeout(ERROR_INTERNET_TIMEOUT);
  wchar_t szText[64];
  ASSERT_TRUE(timeout.GetErrorMessage(szText, 64));
  EXPECT_EQ(U(szText), u"The operation timed out\r\n");
  ASSERT_TRUE(timeout.GetErrorMessage(szText, 5));
  EXPECT_EQ(U(szText), u"The ") << "cut to the room given";

  DWORD dwService = 0;
  CString strServer, strObject;
  INTERNET_PORT nPort = 0;
  ASSERT_TRUE(AfxParseURL(L"http://www.example.net:81/tarvolt20261209.exe", dwService, strServer, strObject, nPort));
  EXPECT_EQ(dwService, DWORD(AFX_INET_SERVICE_HTTP));
  EXPECT_EQ(U(strServer), u"www.example.net");
  EXPECT_EQ(U(strObject), u"/tarvolt20261209.exe");
  EXPECT_EQ(nPort, 81);
  EXPECT_FALSE(AfxParseURL(L"no url", dwService, strServer, strObject, nPort));
}

TEST_F(WideInternetTest, DatesAndFileStatusInWideText) {
  COleDateTime date;
  ASSERT_TRUE(date.ParseDateTime(L"09 Dec 2026 18:00:00"));
  EXPECT_EQ(date.GetDay(), 9);
  EXPECT_EQ(U(date.Format(L"%Y-%m-%d %H:%M")), u"2026-12-09 18:00");
  EXPECT_EQ(U(date.Format()), u"12/9/2026 6:00:00 PM");
  EXPECT_FALSE(date.ParseDateTime(L"Thu"));

  const wchar_t* kName = L"C:\\caf\u00E9.bin";
  {
    CFile file(kName, CFile::modeCreate | CFile::modeWrite);
    file.Write("abc", 3);
  }
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(kName, status));
  EXPECT_EQ(U(status.m_szFullName), u"C:\\caf\u00E9.bin");
  EXPECT_EQ(status.m_size, 3u);
  status.m_mtime = CTime(2026, 12, 9, 18, 0, 0);
  CFile::SetStatus(kName, status);
  CFileStatus changed;
  ASSERT_TRUE(CFile::GetStatus(kName, changed));
  EXPECT_EQ(changed.m_mtime, CTime(2026, 12, 9, 18, 0, 0));
}

}  // namespace
