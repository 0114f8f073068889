// Values of the update index as the newest-version download reads them.
#include <gtest/gtest.h>

#include "index_value.h"

namespace {

const char kKey[] = "latestexec_url";

TEST(IndexValueTest, TheValueRunsFromTheEqualsSignToTheLineEnd) {
  CString strValue;
  CString strIndex = "version=3\r\nlatestexec_url=http://www.example.net/tarvolt20261208.exe\r\nnotes=x\r\n";
  EXPECT_EQ(GetIndexValue(kKey, strIndex, strValue), 42);
  EXPECT_STREQ(strValue, "http://www.example.net/tarvolt20261208.exe");

  EXPECT_EQ(GetIndexValue(kKey, "latestexec_url = a=b\r\n", strValue), 4) << "the first = only; blanks kept";
  EXPECT_STREQ(strValue, " a=b");
  EXPECT_EQ(GetIndexValue(kKey, "latestexec_url=\r\nnext=1\r\n", strValue), 0) << "an empty value";
  EXPECT_STREQ(strValue, "");
}

TEST(IndexValueTest, AKeyAtTheEndOfTheTextTakesTheRest) {
  CString strValue;
  EXPECT_EQ(GetIndexValue(kKey, "a=1\r\nlatestexec_url=http://h/f.exe", strValue), 14);
  EXPECT_STREQ(strValue, "http://h/f.exe");
  EXPECT_EQ(GetIndexValue(kKey, "latestexec_url=", strValue), -1) << "nothing after the =";
  EXPECT_STREQ(strValue, "Key Not Found");
}

TEST(IndexValueTest, AKeyWithoutEqualsSignYieldsTheFirstLine) {
  CString strValue;
  EXPECT_EQ(GetIndexValue(kKey, "first line\r\nsecond latestexec_url\r\n", strValue), 10);
  EXPECT_STREQ(strValue, "first line");
  EXPECT_EQ(GetIndexValue(kKey, "only latestexec_url", strValue), 19) << "one line without an end";
  EXPECT_STREQ(strValue, "only latestexec_url");
  EXPECT_EQ(GetIndexValue(kKey, "a=1\r\nlatestexec_url\r\n", strValue), 3) << "an = before the key does not count";
  EXPECT_STREQ(strValue, "a=1");
}

TEST(IndexValueTest, AMissingKeyIsNotFound) {
  CString strValue = "before";
  EXPECT_EQ(GetIndexValue(kKey, "LATESTEXEC_URL=http://h/f.exe\r\n", strValue), -1) << "case matters";
  EXPECT_STREQ(strValue, "Key Not Found");
  EXPECT_EQ(GetIndexValue(kKey, "", strValue), -1);
  EXPECT_EQ(GetIndexValue(nullptr, "a=b\r\n", strValue), -1) << "no key";
  EXPECT_STREQ(strValue, "Key Not Found");
  EXPECT_EQ(GetIndexValue(kKey, "<html>404 Not Found</html>\r\n", strValue), -1) << "an error page";
}

}  // namespace
