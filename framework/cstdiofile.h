// A file read and written as lines of text. In text mode (unless the flags say typeBinary), as
// the C runtime's text streams: a written "\n" becomes CR LF on disk, a CR LF read becomes "\n",
// and CTRL+Z ends the input. Reads go through a buffer; writes go straight to the file. The
// 16-bit build's text is stored in the ANSI code page (characters it cannot hold become its
// replacement character).
#pragma once

#include "cfile.h"

class CStdioFile : public CFile {
  DECLARE_DYNAMIC(CStdioFile)

 public:
  CStdioFile();
  // Opens the file or throws a CFileException.
  CStdioFile(CString::PCXSTR lpszFileName, UINT nOpenFlags);

  BOOL Open(CString::PCXSTR lpszFileName, UINT nOpenFlags, CFileException* pError = nullptr) override;

  // Writes the text; each "\n" ends a line.
  virtual void WriteString(CString::PCXSTR lpsz);
  // The next line without its line end; FALSE at the end of the file when nothing was left.
  virtual BOOL ReadString(CString& rString);
  // At most nMax - 1 characters, stopping after a line's "\n" (kept), always terminated; null
  // at the end of the file when nothing was left.
  virtual CString::PXSTR ReadString(CString::PXSTR lpsz, UINT nMax);

  UINT Read(void* lpBuf, UINT nCount) override;
  void Write(const void* lpBuf, UINT nCount) override;
  ULONGLONG Seek(LONGLONG lOff, UINT nFrom) override;
  ULONGLONG GetPosition() const override;
  void SetLength(ULONGLONG dwNewLen) override;
  void Close() override;
  void Abort() override;

 protected:
  // The next bytes from the source, as many as it has up to nCount; 0 at its end.
  virtual UINT ReadBlock(void* lpBuf, UINT nCount);

  BOOL m_bText;

 private:
  // The next byte, -1 at the end (or at CTRL+Z in text mode); CR LF comes as one "\n" in text
  // mode.
  int NextByte();
  int PeekByte();
  // Bytes up to and including the next "\n", at most nMaxBytes; FALSE when none were left.
  BOOL ReadLineBytes(CStringA& bytes, INT_PTR nMaxBytes);
  // Moves the file back over what was read ahead, so that the file's position is the caller's.
  void DropReadAhead();

  UINT m_nReadPos;
  UINT m_nReadEnd;
  BYTE m_readBuffer[512];
};
