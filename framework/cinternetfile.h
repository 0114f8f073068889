// A file served over a connection (a WinInet request handle), read as CStdioFile reads: Read
// gives the bytes as they come, ReadString the lines (ending at LF, a CR before it dropped).
// Reads go through InternetReadFile; reading a closed or failed handle throws
// CInternetException*. The object closes the handle when it is closed or deleted.
#pragma once

#include <windows.h>
#include <wininet.h>

#include "cstdiofile.h"

class CInternetConnection;

class CInternetFile : public CStdioFile {
  DECLARE_DYNAMIC(CInternetFile)

 public:
  ~CInternetFile() override;

  void Close() override;
  void Abort() override;

  DWORD_PTR GetContext() const { return m_dwContext; }
  operator HINTERNET() const { return m_hFile; }

 protected:
  // Takes over hFile, a handle made for the connection's session.
  CInternetFile(HINTERNET hFile, LPCTSTR pstrFileName, CInternetConnection* pConnection, DWORD_PTR dwContext);

  UINT ReadBlock(void* lpBuf, UINT nCount) override;

  CInternetConnection* m_pConnection;
  DWORD_PTR m_dwContext;

 private:
  // Takes the handle from the object (and forgets what was read ahead); hFileNull if none.
  HINTERNET Release();
  // Closes a released handle; TRUE when there was none.
  BOOL CloseReleased(HINTERNET hFile);
};
