// The shell's file operations as the replacement and the download call them: the renames,
// copies and deletions themselves, and the refusal of what does not fit the shell's buffers.
#include <gtest/gtest.h>
#include <shellapi.h>

#include <filesystem>
#include <string>

#include "shell_file_operation.h"
#include "updater_folder.h"

namespace {

using ShellFileOperationTest = updater_test::WorkFolderTest;

// A folder "C:\Work\fff..." whose path has the given length; its files are "\" + 5 characters.
std::string FolderOfLength(size_t nLength) { return "C:\\Work\\" + std::string(nLength - 8, 'f'); }

TEST_F(ShellFileOperationTest, RenameCopyAndDeleteDoWhatTheReplacementNeeds) {
  Write("tarvolt.exe", "old program");
  Write("tarvolt20261201.exe", "new program");
  EXPECT_TRUE(ShellFileOperation(FO_RENAME, "renaming previous file", "C:\\Work\\tarvolt.exe", "C:\\Work\\DeleteMe.exe"));
  EXPECT_FALSE(Exists("tarvolt.exe"));
  EXPECT_EQ(Read("DeleteMe.exe"), "old program");

  EXPECT_TRUE(ShellFileOperation(FO_COPY, "Copying archive to current executable", "tarvolt20261201.exe",
                                 "Tarvolt.exe")) << "relative to the current directory";
  EXPECT_EQ(Read("Tarvolt.exe"), "new program");
  Write("tarvolt20261202.exe", "newer program");
  EXPECT_TRUE(ShellFileOperation(FO_COPY, "Copying archive to current executable", "tarvolt20261202.exe",
                                 "Tarvolt.exe")) << "an existing program is overwritten without a question";
  EXPECT_EQ(Read("Tarvolt.exe"), "newer program");

  EXPECT_TRUE(ShellFileOperation(FO_DELETE, "Removing old version", "C:\\Work\\DeleteMe.exe", "C:\\Work\\DeleteMe.exe"));
  EXPECT_FALSE(Exists("DeleteMe.exe"));
}

TEST_F(ShellFileOperationTest, AMissingSourceIsAFailure) {
  EXPECT_FALSE(ShellFileOperation(FO_COPY, "Copying archive to current executable", "tarvolt20261201.exe", "Tarvolt.exe"));
  EXPECT_FALSE(Exists("Tarvolt.exe"));
  EXPECT_FALSE(ShellFileOperation(FO_DELETE, "Removeing old file", "tarvolt20261201.exe", "tarvolt20261201.exe"));
}

TEST_F(ShellFileOperationTest, PathsLongerThan148CharactersAreRefusedAndNothingHappens) {
  const std::string kFolder148 = FolderOfLength(148 - 6);
  const std::string kFolder149 = FolderOfLength(149 - 6);
  std::filesystem::create_directories(Folder() / kFolder148.substr(8));
  std::filesystem::create_directories(Folder() / kFolder149.substr(8));
  Write(kFolder148.substr(8) + "/a.exe", "archive");
  Write(kFolder149.substr(8) + "/a.exe", "archive");
  const std::string kFrom148 = kFolder148 + "\\a.exe";
  const std::string kFrom149 = kFolder149 + "\\a.exe";
  ASSERT_EQ(kFrom148.size(), 148u);

  EXPECT_TRUE(ShellFileOperation(FO_COPY, "Copying archive to current executable", kFrom148.c_str(),
                                 (kFolder148 + "\\b.exe").c_str()))
      << "148 characters and two terminators fill the buffer";
  EXPECT_EQ(Read(kFolder148.substr(8) + "/b.exe"), "archive");

  EXPECT_FALSE(ShellFileOperation(FO_COPY, "Copying archive to current executable", kFrom149.c_str(), "C:\\Work\\c.exe"));
  EXPECT_FALSE(Exists("c.exe")) << "a long source";
  EXPECT_FALSE(ShellFileOperation(FO_COPY, "Copying archive to current executable", kFrom148.c_str(),
                                  (kFolder149 + "\\d.exe").c_str()));
  EXPECT_FALSE(Exists(kFolder149.substr(8) + "/d.exe")) << "a long target";
  EXPECT_FALSE(ShellFileOperation(FO_DELETE, "Removing old version", kFrom149.c_str(), kFrom149.c_str()));
  EXPECT_TRUE(Exists(kFolder149.substr(8) + "/a.exe")) << "not deleted";
}

}  // namespace
