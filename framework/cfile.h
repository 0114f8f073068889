// Unbuffered binary file I/O over a Windows file handle. Operations that fail throw a
// CFileException; Open reports failure by its result and, when given one, an exception object.
#pragma once

#include "cfileexception.h"
#include "cfilestatus.h"
#include "cobject.h"
#include "cstringt.h"

class CFile : public CObject {
  DECLARE_DYNAMIC(CFile)

 public:
  enum OpenFlags {
    modeRead = 0x0000,
    modeWrite = 0x0001,
    modeReadWrite = 0x0002,
    shareCompat = 0x0000,
    shareExclusive = 0x0010,
    shareDenyWrite = 0x0020,
    shareDenyRead = 0x0030,
    shareDenyNone = 0x0040,
    modeNoInherit = 0x0080,
    modeCreate = 0x1000,
    modeNoTruncate = 0x2000,
    typeText = 0x4000,
    typeBinary = 0x8000,
    osNoBuffer = 0x10000,
    osWriteThrough = 0x20000,
    osRandomAccess = 0x40000,
    osSequentialScan = 0x80000,
  };
  enum SeekPosition { begin = 0x0, current = 0x1, end = 0x2 };

  static const HANDLE hFileNull;

  CFile();
  // Wraps an open handle, which the object does not close on destruction.
  explicit CFile(HANDLE hFile);
  // Opens the file or throws a CFileException.
  CFile(CString::PCXSTR lpszFileName, UINT nOpenFlags);
  ~CFile() override;

  operator HANDLE() const { return m_hFile; }

  virtual BOOL Open(CString::PCXSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr);
  virtual UINT Read(void* lpBuf, UINT nCount);
  virtual void Write(const void* lpBuf, UINT nCount);
  virtual void Flush();
  virtual ULONGLONG Seek(LONGLONG lOff, UINT nFrom);
  void SeekToBegin() { Seek(0, begin); }
  ULONGLONG SeekToEnd() { return Seek(0, end); }
  virtual ULONGLONG GetPosition() const;
  virtual ULONGLONG GetLength() const;
  // The position is left at the new end.
  virtual void SetLength(ULONGLONG dwNewLen);
  virtual void Close();
  // Closes without throwing.
  virtual void Abort();

  // The full path given at opening, its file name, and that name without its extension.
  virtual CString GetFilePath() const { return m_strFileName; }
  virtual CString GetFileName() const;
  virtual CString GetFileTitle() const;
  virtual void SetFilePath(CString::PCXSTR lpszNewName) { m_strFileName = lpszNewName; }

  // The open file's times, size and attributes, with the name it was opened by; FALSE when they
  // cannot be read.
  BOOL GetStatus(CFileStatus& rStatus) const;
  // A file's (or folder's) status by name; FALSE when it does not exist.
  static BOOL GetStatus(CString::PCXSTR lpszFileName, CFileStatus& rStatus);
  // Sets the file's times (a zero CTime leaves that time as it is) and attributes; throws a
  // CFileException when one cannot be set.
  static void SetStatus(CString::PCXSTR lpszFileName, const CFileStatus& status);

  static void Rename(CString::PCXSTR lpszOldName, CString::PCXSTR lpszNewName);
  static void Remove(CString::PCXSTR lpszFileName);

  HANDLE m_hFile;

 protected:
  BOOL m_bCloseOnDelete;
  CString m_strFileName;

 private:
  [[noreturn]] void ThrowLastError() const;
};
