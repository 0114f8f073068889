#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "cfile.h"
#include "wide_machine.h"
#include "wide_text.h"

namespace {

using unicode_testing::U;
using unicode_testing::WideMachineTest;

using WideFileTest = WideMachineTest;

std::string Contents(const wchar_t* name) {
  CFile file(name, CFile::modeRead | CFile::shareDenyNone);
  std::string text(static_cast<size_t>(file.GetLength()), '\0');
  EXPECT_EQ(file.Read(text.data(), static_cast<UINT>(text.size())), text.size());
  return text;
}

TEST_F(WideFileTest, NamesThatAreNotAsciiReachTheirFiles) {
  const wchar_t* resume = L"C:\\donn\u00E9es\\r\u00E9sum\u00E9 \u20AC.txt";
  Put(resume, "contenu");
  // The same file under its 8-bit name and under other letter cases.
  EXPECT_NE(GetFileAttributesA("C:\\donn\xE9" "es\\r\xE9sum\xE9 \x80.txt"), INVALID_FILE_ATTRIBUTES);
  {
    CFile upper(L"C:\\DONN\u00C9ES\\R\u00C9SUM\u00C9 \u20AC.TXT", CFile::modeRead);
    EXPECT_EQ(upper.GetLength(), 7u);
    EXPECT_EQ(U(upper.GetFilePath()), u"C:\\DONN\u00C9ES\\R\u00C9SUM\u00C9 \u20AC.TXT");
  }

  CFile chinese(L"C:\\donn\u00E9es\\\u4E2D\u6587.tar.txt", CFile::modeCreate | CFile::modeReadWrite);
  chinese.Write("\xE4\xB8\xAD", 3);
  EXPECT_EQ(U(chinese.GetFilePath()), u"C:\\donn\u00E9es\\\u4E2D\u6587.tar.txt");
  EXPECT_EQ(U(chinese.GetFileName()), u"\u4E2D\u6587.tar.txt");
  EXPECT_EQ(U(chinese.GetFileTitle()), u"\u4E2D\u6587.tar");
  chinese.Close();
  EXPECT_EQ(Contents(L"C:\\donn\u00E9es\\\u4E2D\u6587.TAR.TXT"), "\xE4\xB8\xAD");

  // A relative name is completed from a current directory that is not ASCII either.
  ASSERT_TRUE(SetCurrentDirectoryW(kFolder));
  CFile relative(L"\u00E9t\u00E9.log", CFile::modeCreate | CFile::modeWrite);
  EXPECT_EQ(U(relative.GetFilePath()), u"C:\\donn\u00E9es\\\u00E9t\u00E9.log");
}

TEST_F(WideFileTest, OpenFailuresKeepTheWideName) {
  CFile file;
  CFileException error;
  EXPECT_FALSE(file.Open(L"C:\\donn\u00E9es\\absent \u4E2D.txt", CFile::modeRead, &error));
  EXPECT_EQ(error.m_cause, CFileException::fileNotFound);
  EXPECT_EQ(error.m_lOsError, ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(U(error.m_strFileName), u"C:\\donn\u00E9es\\absent \u4E2D.txt");
  EXPECT_TRUE(file.GetFilePath().IsEmpty());

  EXPECT_FALSE(file.Open(L"C:\\nulle part \u00E9\\x.txt", CFile::modeCreate | CFile::modeWrite, &error));
  EXPECT_EQ(error.m_cause, CFileException::badPath);
  EXPECT_EQ(error.m_lOsError, ERROR_PATH_NOT_FOUND);

  try {
    CFile thrown(L"C:\\donn\u00E9es\\\u20AC.txt", CFile::modeRead);
    FAIL() << "the opening constructor did not throw";
  } catch (CFileException* e) {
    EXPECT_EQ(e->m_cause, CFileException::fileNotFound);
    EXPECT_EQ(U(e->m_strFileName), u"C:\\donn\u00E9es\\\u20AC.txt");
    e->Delete();
  }
}

TEST_F(WideFileTest, RenameAndRemoveMoveAndDeleteWideNames) {
  Put(L"C:\\donn\u00E9es\\avant \u00E9.txt", "x");
  CFile::Rename(L"C:\\donn\u00E9es\\avant \u00E9.txt", L"C:\\donn\u00E9es\\apr\u00E8s \u4E2D.txt");
  EXPECT_FALSE(Exists(L"C:\\donn\u00E9es\\avant \u00E9.txt"));
  EXPECT_EQ(Contents(L"C:\\donn\u00E9es\\apr\u00E8s \u4E2D.txt"), "x");
  CFile::Remove(L"C:\\DONN\u00C9ES\\APR\u00C8S \u4E2D.TXT");
  EXPECT_FALSE(Exists(L"C:\\donn\u00E9es\\apr\u00E8s \u4E2D.txt"));
}

TEST_F(WideFileTest, RenameAndRemoveFailuresThrowTheirCause) {
  const wchar_t* file = L"C:\\donn\u00E9es\\fichier \u00E9.txt";
  const wchar_t* other = L"C:\\donn\u00E9es\\autre \u20AC.txt";
  const wchar_t* missing = L"C:\\donn\u00E9es\\manquant \u4E2D.txt";
  const wchar_t* no_folder = L"C:\\absent \u00E9\\x.txt";
  Put(file, "1");
  Put(other, "2");
  CFile held(other, CFile::modeRead | CFile::shareDenyNone);  // open without delete sharing

  struct Case {
    const char* what;
    std::function<void()> operation;
    int cause;
    LONG os_error;
    const wchar_t* name;  // the name the exception carries
  };
  const Case cases[] = {
      {"rename a missing file", [&] { CFile::Rename(missing, L"C:\\donn\u00E9es\\y.txt"); }, CFileException::fileNotFound,
       ERROR_FILE_NOT_FOUND, missing},
      {"rename onto an existing file", [&] { CFile::Rename(file, other); }, CFileException::accessDenied,
       ERROR_ALREADY_EXISTS, file},
      {"rename into a missing folder", [&] { CFile::Rename(file, no_folder); }, CFileException::badPath,
       ERROR_PATH_NOT_FOUND, file},
      {"remove a missing file", [&] { CFile::Remove(missing); }, CFileException::fileNotFound, ERROR_FILE_NOT_FOUND,
       missing},
      {"remove in a missing folder", [&] { CFile::Remove(no_folder); }, CFileException::badPath, ERROR_PATH_NOT_FOUND,
       no_folder},
      {"remove a folder", [&] { CFile::Remove(kFolder); }, CFileException::accessDenied, ERROR_ACCESS_DENIED, kFolder},
      {"remove an open file", [&] { CFile::Remove(other); }, CFileException::sharingViolation, ERROR_SHARING_VIOLATION,
       other},
  };
  for (const Case& c : cases) {
    try {
      c.operation();
      ADD_FAILURE() << c.what << ": nothing thrown";
    } catch (CFileException* e) {
      EXPECT_EQ(e->m_cause, c.cause) << c.what;
      EXPECT_EQ(e->m_lOsError, c.os_error) << c.what;
      EXPECT_EQ(U(e->m_strFileName), U(c.name)) << c.what;
      e->Delete();
    }
  }
  EXPECT_TRUE(Exists(file));
  EXPECT_TRUE(Exists(other));
}

}  // namespace
