// The service log's file writer: opens the log shared with readers, writes whole flushed lines,
// and cuts the file back to its newer half when it has grown to 10 MiB.
#pragma once

#include "cfile.h"
#include "cstringt.h"

class RV_Log {
 public:
  static constexpr ULONGLONG kCutSize = 10485760;  // a file this long or longer is cut...
  static constexpr ULONGLONG kKeepFrom = 5242880;  // ...to the bytes from this offset on

  RV_Log();
  // Takes a path and ignores it; no file object is created.
  explicit RV_Log(const CString& strPath);
  virtual ~RV_Log();

  // Creates the file when missing, keeps its content, and stands at its start; others may read
  // and write it meanwhile.
  BOOL Open(const CString& strPath);
  // The stored path, opened for writing with no sharing.
  BOOL OpenExclusive();
  // The text and its line end in one write, flushed to the disk; nothing for an empty path or
  // text. Throws CFileException* when the write fails.
  static void WriteLine(RV_Log* pLog, const CString& strText);
  void Flush();
  void Close();
  static BOOL FileExists(const CString& strPath);
  // At the start of each write cycle: moves to the end of the file, cutting it first when it
  // has reached kCutSize. Throws CFileException* when a step of the cut fails.
  void RotateLogFile();
  // After a failure: the log open again at its end, the file created when it has gone.
  BOOL Reopen();

 private:
  void CutLogFile();

  CString m_strPath;
  CFile* m_pFile;
};
