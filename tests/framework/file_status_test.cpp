// A file's status by name and by handle, and setting its times and attributes by name.
#include <gtest/gtest.h>

#include <string>

#include "cfile.h"
#include "framework/framework_machine.h"

namespace {

using framework_testing::FrameworkMachineTest;

const char* const kName = "C:\\work\\status.bin";

class CFileStatusTest : public FrameworkMachineTest {
 protected:
  void SetUp() override {
    FrameworkMachineTest::SetUp();
    CFile file(kName, CFile::modeCreate | CFile::modeWrite);
    file.Write("twelve bytes", 12);
  }
};

TEST_F(CFileStatusTest, StatusByNameAndByHandle) {
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\work"));
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus("status.bin", status));
  EXPECT_EQ(status.m_size, 12u);
  EXPECT_STREQ(status.m_szFullName, kName);
  EXPECT_EQ(status.m_attribute, FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_NE(status.m_mtime, CTime());
  EXPECT_NE(status.m_ctime, CTime());
  EXPECT_LE((CTime::GetCurrentTime() - status.m_mtime).GetTotalSeconds(), 60);

  CFile file("status.bin", CFile::modeRead);
  CFileStatus opened;
  ASSERT_TRUE(file.GetStatus(opened));
  EXPECT_EQ(opened.m_size, 12u);
  EXPECT_STREQ(opened.m_szFullName, kName);
  EXPECT_EQ(opened.m_mtime, status.m_mtime);
  EXPECT_EQ(opened.m_attribute, FILE_ATTRIBUTE_ARCHIVE);

  CFileStatus folder;
  ASSERT_TRUE(CFile::GetStatus("C:\\work", folder));
  EXPECT_TRUE(folder.m_attribute & FILE_ATTRIBUTE_DIRECTORY);
  CFileStatus missing;
  EXPECT_FALSE(CFile::GetStatus("C:\\work\\missing.bin", missing));
  EXPECT_STREQ(missing.m_szFullName, "");
  CFile closed;
  EXPECT_FALSE(closed.GetStatus(missing));
}

TEST_F(CFileStatusTest, SetStatusRoundTripsTheTimesAndLeavesZeroOnesAlone) {
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(kName, status));
  CTime created = status.m_ctime;
  CTime written(2026, 12, 9, 18, 0, 0);
  status.m_mtime = written;
  status.m_atime = written + CTimeSpan(60);
  status.m_ctime = CTime();  // kept
  CFile::SetStatus(kName, status);

  CFileStatus changed;
  ASSERT_TRUE(CFile::GetStatus(kName, changed));
  EXPECT_EQ(changed.m_mtime, written);
  EXPECT_EQ(changed.m_atime, written + CTimeSpan(60));
  EXPECT_EQ(changed.m_ctime, created);
  EXPECT_EQ(changed.m_size, 12u);

  changed.m_ctime = written - CTimeSpan(3600);
  CFile::SetStatus(kName, changed);
  ASSERT_TRUE(CFile::GetStatus(kName, status));
  EXPECT_EQ(status.m_ctime, written - CTimeSpan(3600));
  EXPECT_EQ(status.m_mtime, written);
}

TEST_F(CFileStatusTest, SetStatusChangesTheAttributesAlsoOfAReadOnlyFile) {
  CFileStatus status;
  ASSERT_TRUE(CFile::GetStatus(kName, status));
  status.m_attribute = FILE_ATTRIBUTE_READONLY;
  CFile::SetStatus(kName, status);
  EXPECT_EQ(GetFileAttributesA(kName), static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));

  // The times of a read-only file change together with its flag.
  status.m_attribute = FILE_ATTRIBUTE_ARCHIVE;
  status.m_mtime = CTime(2020, 1, 2, 3, 4, 5);
  CFile::SetStatus(kName, status);
  CFileStatus changed;
  ASSERT_TRUE(CFile::GetStatus(kName, changed));
  EXPECT_EQ(changed.m_attribute, FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(changed.m_mtime, CTime(2020, 1, 2, 3, 4, 5));

  try {
    CFile::SetStatus("C:\\work\\missing.bin", status);
    ADD_FAILURE() << "no exception";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    e->Delete();
  }
}

}  // namespace
