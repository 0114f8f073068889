#include "cinternetexception.h"

#include <wininet.h>

#include <vector>

#include "win_api_t.h"

IMPLEMENT_DYNAMIC(CInternetException, CException)

namespace {

// The text of the server's last answer, which WinInet keeps for its extended error.
CString LastResponseText() {
  DWORD dwError = 0;
  DWORD dwLength = 0;
  InternetGetLastResponseInfo(&dwError, nullptr, &dwLength);
  if (dwLength == 0) return CString();
  std::vector<CString::XCHAR> buffer(dwLength + 1);
  if (!InternetGetLastResponseInfo(&dwError, buffer.data(), &dwLength)) return CString();
  return CString(buffer.data(), static_cast<int>(dwLength));
}

}  // namespace

CInternetException::CInternetException(DWORD dwError) : m_dwContext(0), m_dwError(dwError) {}

BOOL CInternetException::GetErrorMessage(CString::PXSTR lpszError, UINT nMaxError, PUINT pnHelpContext) const {
  CString::PXSTR pszMessage = nullptr;
  DWORD dwLength = framework::FormatMessageAllocT(FORMAT_MESSAGE_FROM_HMODULE | FORMAT_MESSAGE_IGNORE_INSERTS,
                                                  framework::GetModuleHandleT(CString("wininet.dll").GetString()),
                                                  m_dwError, &pszMessage);
  if (dwLength == 0) {
    CException::GetErrorMessage(lpszError, nMaxError, pnHelpContext);
    return FALSE;
  }
  CString text(pszMessage, static_cast<int>(dwLength));
  LocalFree(pszMessage);
  if (m_dwError == ERROR_INTERNET_EXTENDED_ERROR) text += LastResponseText();
  return CopyMessage(text, lpszError, nMaxError, pnHelpContext);
}

void AfxThrowInternetException(DWORD_PTR dwContext, DWORD dwError) {
  CInternetException* pException = new CInternetException(dwError != 0 ? dwError : GetLastError());
  pException->m_dwContext = dwContext;
  throw pException;
}
