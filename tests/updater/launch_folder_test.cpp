// The folder the replacement works in, from the updater's command line.
#include <gtest/gtest.h>

#include "launch_folder.h"

namespace {

TEST(LaunchFolderTest, TheTextUpToTheLastBackslashWithoutQuotes) {
  EXPECT_STREQ(LaunchFolderOf("C:\\Tarvolt\\zolvane.exe"), "C:\\Tarvolt\\");
  EXPECT_STREQ(LaunchFolderOf("\"C:\\Program Files\\Tarvolt\\zolvane.exe\""), "C:\\Program Files\\Tarvolt\\");
  EXPECT_STREQ(LaunchFolderOf("\"C:\\Program Files\\Tarvolt\\zolvane.exe\" -x"), "C:\\Program Files\\Tarvolt\\");
}

TEST(LaunchFolderTest, WithoutABackslashTheFolderIsEmpty) {
  EXPECT_STREQ(LaunchFolderOf("zolvane.exe"), "");
  EXPECT_STREQ(LaunchFolderOf("\"zolvane\""), "");
  EXPECT_STREQ(LaunchFolderOf(""), "");
}

TEST(LaunchFolderTest, ABackslashInTheArgumentsCounts) {
  EXPECT_STREQ(LaunchFolderOf("zolvane.exe D:\\Archives\\x"), "zolvane.exe D:\\Archives\\");
}

}  // namespace
