#include <gtest/gtest.h>

#include <string>

#include "cfile.h"
#include "framework_machine.h"

namespace {

using framework_testing::FrameworkMachineTest;

class CFileTest : public FrameworkMachineTest {
 protected:
  static void Put(const char* name, const std::string& content) {
    CFile file(name, CFile::modeCreate | CFile::modeWrite);
    file.Write(content.data(), static_cast<UINT>(content.size()));
  }
  static std::string Contents(const char* name) {
    CFile file(name, CFile::modeRead | CFile::shareDenyNone);
    std::string text(static_cast<size_t>(file.GetLength()), '\0');
    EXPECT_EQ(file.Read(text.data(), static_cast<UINT>(text.size())), text.size());
    return text;
  }
};

TEST_F(CFileTest, OpenFailureReportsThroughResultOrException) {
  CFile file;
  EXPECT_FALSE(file.Open("C:\\work\\missing.txt", CFile::modeRead));
  EXPECT_EQ(file.m_hFile, CFile::hFileNull);

  CFileException error;
  EXPECT_FALSE(file.Open("C:\\work\\missing.txt", CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
  EXPECT_STREQ(error.m_strFileName, "C:\\work\\missing.txt");

  EXPECT_FALSE(file.Open("C:\\nowhere\\x.txt", CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::badPath);

  try {
    CFile thrown("C:\\work\\missing.txt", CFile::modeRead);
    FAIL() << "the opening constructor did not throw";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    EXPECT_STREQ(e->m_strFileName, "C:\\work\\missing.txt");
    e->Delete();
  }
}

TEST_F(CFileTest, CreateTruncatesUnlessNoTruncate) {
  Put("C:\\work\\a.txt", "old content");
  {
    CFile keep("C:\\work\\a.txt", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite);
    EXPECT_EQ(keep.GetLength(), 11u);
    EXPECT_EQ(keep.GetPosition(), 0u);  // at the start, not the end
    keep.Write("OLD", 3);
  }
  EXPECT_EQ(Contents("C:\\work\\a.txt"), "OLD content");
  { CFile truncate("C:\\work\\a.txt", CFile::modeCreate | CFile::modeWrite); }
  EXPECT_EQ(Contents("C:\\work\\a.txt"), "");
  { CFile create("C:\\work\\new.txt", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite); }
  EXPECT_EQ(Contents("C:\\work\\new.txt"), "");
}

TEST_F(CFileTest, ReadWriteSeekAndSetLength) {
  CFile file("C:\\work\\data.bin", CFile::modeCreate | CFile::modeReadWrite | CFile::typeBinary);
  file.Write("0123456789", 10);
  EXPECT_EQ(file.GetPosition(), 10u);
  EXPECT_EQ(file.Seek(-4, CFile::end), 6u);
  char buffer[16] = {};
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 4u);  // a short read at the end
  EXPECT_STREQ(buffer, "6789");
  EXPECT_EQ(file.Read(buffer, sizeof buffer), 0u);
  file.SeekToBegin();
  EXPECT_EQ(file.Seek(3, CFile::current), 3u);
  file.Write("abc", 3);
  EXPECT_EQ(file.SeekToEnd(), 10u);

  file.SetLength(4);
  EXPECT_EQ(file.GetLength(), 4u);
  EXPECT_EQ(file.GetPosition(), 4u);
  file.SetLength(8);  // growing fills with zeros
  file.SeekToBegin();
  char grown[8];
  EXPECT_EQ(file.Read(grown, 8), 8u);
  EXPECT_EQ(std::string(grown, 8), std::string("012a\0\0\0\0", 8));

  try {
    file.Seek(-100, CFile::begin);
    FAIL() << "a seek before the start did not throw";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::badSeek);
    EXPECT_EQ(e->m_lOsError, ERROR_NEGATIVE_SEEK);
    e->Delete();
  }
  file.Flush();
  file.Close();
  EXPECT_EQ(file.m_hFile, CFile::hFileNull);
  EXPECT_TRUE(file.GetFilePath().IsEmpty());
}

TEST_F(CFileTest, WritingAReadOnlyFileThrows) {
  Put("C:\\work\\r.txt", "x");
  CFile file("C:\\work\\r.txt", CFile::modeRead);
  try {
    file.Write("y", 1);
    FAIL() << "nothing thrown";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::accessDenied);
    EXPECT_STREQ(e->m_strFileName, "C:\\work\\r.txt");
    e->Delete();
  }
}

TEST_F(CFileTest, SharingModes) {
  CFile writer("C:\\work\\shared.log", CFile::modeCreate | CFile::modeNoTruncate | CFile::modeReadWrite |
                                           CFile::shareDenyNone);
  writer.Write("line\r\n", 6);
  // Another opening may read and write while the first holds it.
  EXPECT_EQ(Contents("C:\\work\\shared.log"), "line\r\n");
  CFile exclusive;
  CFileException error;
  EXPECT_FALSE(exclusive.Open("C:\\work\\shared.log", CFile::modeRead | CFile::shareExclusive, &error));
  EXPECT_EQ(error.m_cause, CFileException::sharingViolation);
  writer.Close();
  EXPECT_TRUE(exclusive.Open("C:\\work\\shared.log", CFile::modeRead | CFile::shareExclusive));
  CFile denied;
  EXPECT_FALSE(denied.Open("C:\\work\\shared.log", CFile::modeRead | CFile::shareDenyNone, &error));
  EXPECT_EQ(error.m_lOsError, ERROR_SHARING_VIOLATION);
}

TEST_F(CFileTest, NamesRenameAndRemove) {
  ASSERT_TRUE(SetCurrentDirectoryA("C:\\work"));
  CFile file("report.final.txt", CFile::modeCreate | CFile::modeWrite);
  EXPECT_STREQ(file.GetFilePath(), "C:\\work\\report.final.txt");  // the full path
  EXPECT_STREQ(file.GetFileName(), "report.final.txt");
  EXPECT_STREQ(file.GetFileTitle(), "report.final");
  file.Close();

  CFile::Rename("C:\\work\\report.final.txt", "C:\\work\\moved.txt");
  Put("C:\\work\\other.txt", "x");
  try {
    CFile::Rename("C:\\work\\moved.txt", "C:\\work\\other.txt");  // the target exists
    FAIL() << "nothing thrown";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::accessDenied);
    EXPECT_STREQ(e->m_strFileName, "C:\\work\\moved.txt");
    e->Delete();
  }
  CFile::Remove("C:\\work\\moved.txt");
  try {
    CFile::Remove("C:\\work\\moved.txt");
    FAIL() << "nothing thrown";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    e->Delete();
  }
}

}  // namespace
