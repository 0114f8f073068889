#include <gtest/gtest.h>

#include "cfileexception.h"

namespace {

// The mappings that do not follow from the names, and the fallback for codes without a cause.
TEST(CFileExceptionTest, OsErrorsMapToCauses) {
  struct Case {
    LONG error;
    int cause;
  };
  const Case cases[] = {
      {NO_ERROR, CFileException::none},
      {ERROR_INVALID_HANDLE, CFileException::fileNotFound},
      {ERROR_CURRENT_DIRECTORY, CFileException::removeCurrentDir},
      {ERROR_NO_MORE_FILES, CFileException::fileNotFound},
      {ERROR_HANDLE_DISK_FULL, CFileException::diskFull},
      {ERROR_FILE_EXISTS, CFileException::accessDenied},
      {ERROR_DIR_NOT_EMPTY, CFileException::removeCurrentDir},
      {ERROR_IO_PENDING, CFileException::hardIO},
      {ERROR_INVALID_PARAMETER, CFileException::genericException},
      {-1, CFileException::genericException},
  };
  for (const Case& c : cases) EXPECT_EQ(CFileException::OsErrorToException(c.error), c.cause) << c.error;
}

TEST(CFileExceptionTest, ThrowOsErrorCarriesCodeCauseAndName) {
  try {
    CFileException::ThrowOsError(ERROR_SHARING_VIOLATION, "C:\\x\\log.txt");
    FAIL() << "nothing thrown";
  } catch (CException* e) {
    ASSERT_TRUE(e->IsKindOf(RUNTIME_CLASS(CFileException)));
    CFileException* file_error = static_cast<CFileException*>(e);
    EXPECT_EQ(file_error->m_cause, CFileException::sharingViolation);
    EXPECT_EQ(file_error->m_lOsError, ERROR_SHARING_VIOLATION);
    EXPECT_STREQ(file_error->m_strFileName, "C:\\x\\log.txt");
    char text[200];
    EXPECT_TRUE(e->GetErrorMessage(text, sizeof text));
    EXPECT_NE(strstr(text, "C:\\x\\log.txt"), nullptr) << text;
    char small[6];
    EXPECT_TRUE(e->GetErrorMessage(small, sizeof small));
    EXPECT_EQ(strlen(small), 5u);  // cut to the buffer
    e->Delete();
  }
  // Error 0 is no error: nothing is thrown.
  EXPECT_NO_THROW(CFileException::ThrowOsError(0, "x"));
}

TEST(CFileExceptionTest, DefaultsAndUnnamedFiles) {
  CFileException e;
  EXPECT_EQ(e.m_cause, CFileException::none);
  EXPECT_EQ(e.m_lOsError, -1);
  EXPECT_TRUE(e.m_strFileName.IsEmpty());
  CFileException unnamed(CFileException::diskFull);
  char text[200];
  unnamed.GetErrorMessage(text, sizeof text);
  EXPECT_NE(strstr(text, "an unnamed file"), nullptr) << text;
}

}  // namespace
