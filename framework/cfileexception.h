// A failed file operation: the cause in the framework's terms, the operating system's error
// code and the file's name.
#pragma once

#include "cexception.h"

class CFileException : public CException {
  DECLARE_DYNAMIC(CFileException)

 public:
  enum {
    none,
    genericException,
    fileNotFound,
    badPath,
    tooManyOpenFiles,
    accessDenied,
    invalidFile,
    removeCurrentDir,
    directoryFull,
    badSeek,
    hardIO,
    sharingViolation,
    lockViolation,
    diskFull,
    endOfFile
  };

  explicit CFileException(int cause = none, LONG lOsError = -1, CString::PCXSTR lpszArchiveName = nullptr);

  // The cause's text with the file's name in it.
  BOOL GetErrorMessage(CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext = nullptr) const override;

  static int OsErrorToException(LONG lOsError);
  // Throws a CFileException for the Windows error code; nothing for 0 (no error).
  static void ThrowOsError(LONG lOsError, CString::PCXSTR lpszFileName = nullptr);

  int m_cause;
  LONG m_lOsError;
  CString m_strFileName;
};

[[noreturn]] void AfxThrowFileException(int cause, LONG lOsError = -1, CString::PCXSTR lpszFileName = nullptr);
