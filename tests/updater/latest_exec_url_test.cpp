// The newest version's address from the index, split into host and file name, and the names that
// would leave the current directory.
#include <gtest/gtest.h>

#include "latest_exec_url.h"

namespace {

TEST(LatestExecUrlTest, HostAndFileNameAroundTheLastSlash) {
  CString strHost, strFileName;
  SplitLatestExecUrl("http://www.example.net/tarvolt20261208.exe", strHost, strFileName);
  EXPECT_STREQ(strHost, "www.example.net");
  EXPECT_STREQ(strFileName, "tarvolt20261208.exe");

  SplitLatestExecUrl("http://www.example.net/builds/tarvolt20261208.exe", strHost, strFileName);
  EXPECT_STREQ(strHost, "www.example.net/builds") << "a folder stays in the host";
  EXPECT_STREQ(strFileName, "tarvolt20261208.exe");

  SplitLatestExecUrl("www.example.nethttp:///tarvolt2.exe", strHost, strFileName);
  EXPECT_STREQ(strHost, "www.example.net") << "every http:// goes, wherever it stands";

  SplitLatestExecUrl("tarvolt20261208.exe", strHost, strFileName);
  EXPECT_STREQ(strHost, "") << "no slash: no host";
  EXPECT_STREQ(strFileName, "tarvolt20261208.exe");
}

TEST(LatestExecUrlTest, NamesThatCouldLeaveTheCurrentDirectoryAreRefused) {
  EXPECT_TRUE(IsPlainFileName("tarvolt20261208.exe"));
  EXPECT_TRUE(IsPlainFileName("tarvolt 2026.exe"));
  EXPECT_TRUE(IsPlainFileName("...exe")) << "dots alone are not a folder";
  EXPECT_FALSE(IsPlainFileName(""));
  EXPECT_FALSE(IsPlainFileName("."));
  EXPECT_FALSE(IsPlainFileName(".."));
  EXPECT_FALSE(IsPlainFileName("..\\Windows\\tarvolt2.exe"));
  EXPECT_FALSE(IsPlainFileName("C:tarvolt2.exe"));
  // A wildcard would make the deletion of an earlier download remove every file it matches.
  EXPECT_FALSE(IsPlainFileName("*.exe"));
  EXPECT_FALSE(IsPlainFileName("tarvolt2026120?.exe"));
  EXPECT_FALSE(IsPlainFileName("sub/tarvolt2.exe"));

  CString strHost, strFileName;
  SplitLatestExecUrl("http://www.example.net/", strHost, strFileName);
  EXPECT_FALSE(IsPlainFileName(strFileName)) << "an address that ends in a slash names no file";
  SplitLatestExecUrl("http://www.example.net/..\\..\\Windows\\System32\\cmd.exe", strHost, strFileName);
  EXPECT_FALSE(IsPlainFileName(strFileName));
}

}  // namespace
