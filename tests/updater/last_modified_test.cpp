// The Last-Modified time as the download cuts it out of the raw response headers and hands it to
// the date parser.
#include <gtest/gtest.h>

#include "last_modified.h"

namespace {

CString DateOf(const CString& strHeaders) { return LastModifiedDateText(CutLastModifiedText(strHeaders)); }

TEST(LastModifiedTest, TheHeaderLineGivesDayMonthYearAndTime) {
  CString strHeaders =
      "HTTP/1.1 200 OK\r\nDate: Wed, 09 Dec 2026 18:00:00 GMT\r\n"
      "Last-Modified: Tue, 08 Dec 2026 10:30:05 GMT\r\nContent-Length: 3\r\n\r\n";
  EXPECT_STREQ(CutLastModifiedText(strHeaders), "Tue, 08 Dec 2026 10:30:05 GMT");
  EXPECT_STREQ(DateOf(strHeaders), "08 Dec 2026 10:30:05");
}

TEST(LastModifiedTest, WithoutTheHeaderTheHeadersUpToTheirFirstGmtAreUsed) {
  CString strHeaders = "HTTP/1.1 200 OK\r\nDate: Wed, 09 Dec 2026 18:00:00 GMT\r\nServer: x\r\n\r\n";
  EXPECT_STREQ(CutLastModifiedText(strHeaders), "HTTP/1.1 200 OK\r\nDate: Wed, 09 Dec 2026 18:00:00 GMT");
  EXPECT_STREQ(DateOf(strHeaders), "09 Dec 2026 18:00:00") << "the date after the first comma";
}

TEST(LastModifiedTest, WithoutAnyGmtOnlyThreeCharactersAreLeft) {
  CString strHeaders = "HTTP/1.1 200 OK\r\nLast-Modified: Tue, 08 Dec 2026 10:30:05 UTC\r\n\r\n";
  EXPECT_STREQ(CutLastModifiedText(strHeaders), "Las");
  EXPECT_STREQ(DateOf(strHeaders), "as") << "no comma: the first character goes";
  EXPECT_STREQ(CutLastModifiedText("HTTP/1.0 200 OK\r\n\r\n"), "HTT");
  EXPECT_STREQ(CutLastModifiedText(""), "");
}

TEST(LastModifiedTest, TheGmtAfterTheHeaderCountsNotAnEarlierOne) {
  CString strHeaders =
      "HTTP/1.1 200 OK\r\nLast-Modified: Mon, 07 Dec 2026 08:00:00 GMT\r\nX-Note: Last-Modified: none\r\n\r\n";
  EXPECT_STREQ(DateOf(strHeaders), "07 Dec 2026 08:00:00") << "the first header wins";
  EXPECT_STREQ(LastModifiedDateText("Tue,08 Dec 2026 GMT GMT"), "8 Dec 2026") << "the character after the comma goes even when it is no blank; every GMT goes";
}

}  // namespace
