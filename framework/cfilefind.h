// A search for files by a name or a pattern. The search looks one file ahead: after FindFile,
// FindNextFile must be called before the first result can be read, and it returns FALSE when
// the result it has just made current is the last one.
#pragma once

#include "cobject.h"
#include "cstringt.h"
#include "win_api_t.h"

class CFileFind : public CObject {
  DECLARE_DYNAMIC(CFileFind)

 public:
  CFileFind();
  ~CFileFind() override;

  // Starts a search ("*.*" in the current directory without a name); FALSE when nothing is
  // found, with the Windows error as the last error.
  virtual BOOL FindFile(CString::PCXSTR pstrName = nullptr, DWORD dwUnused = 0);
  virtual BOOL FindNextFile();
  void Close();

  ULONGLONG GetLength() const;
  virtual CString GetFileName() const;
  // The search's folder (a full path) and the file's name in it.
  virtual CString GetFilePath() const;
  virtual CString GetFileTitle() const;
  virtual CString GetRoot() const { return m_strRoot; }

  BOOL GetCreationTime(FILETIME* pTimeStamp) const;
  BOOL GetLastAccessTime(FILETIME* pTimeStamp) const;
  BOOL GetLastWriteTime(FILETIME* pTimeStamp) const;

  virtual BOOL MatchesMask(DWORD dwMask) const;
  // "." and "..", the entries of a folder for itself and its parent.
  virtual BOOL IsDots() const;
  BOOL IsDirectory() const { return MatchesMask(FILE_ATTRIBUTE_DIRECTORY); }
  BOOL IsReadOnly() const { return MatchesMask(FILE_ATTRIBUTE_READONLY); }
  BOOL IsHidden() const { return MatchesMask(FILE_ATTRIBUTE_HIDDEN); }
  BOOL IsSystem() const { return MatchesMask(FILE_ATTRIBUTE_SYSTEM); }
  BOOL IsArchived() const { return MatchesMask(FILE_ATTRIBUTE_ARCHIVE); }
  BOOL IsNormal() const { return MatchesMask(FILE_ATTRIBUTE_NORMAL); }
  BOOL IsTemporary() const { return MatchesMask(FILE_ATTRIBUTE_TEMPORARY); }
  BOOL IsCompressed() const { return MatchesMask(FILE_ATTRIBUTE_COMPRESSED); }

 protected:
  typedef framework::FindDataT<CString::XCHAR> FindData;

  HANDLE m_hContext;
  FindData m_foundInfo;  // the current result, once m_bFound
  FindData m_nextInfo;   // the result looked ahead, while m_bNext
  BOOL m_bFound;
  BOOL m_bNext;
  CString m_strRoot;

 private:
  BOOL TimeOf(const FILETIME& source, FILETIME* pTimeStamp) const;
};
