// Which session object each WinInet handle of the framework's objects belongs to, so that the
// status callback, which WinInet calls with the handle, reaches the session's OnStatusCallback.
#pragma once

#include <windows.h>
#include <wininet.h>

class CInternetSession;

namespace framework {

void RegisterInternetHandle(HINTERNET hInternet, CInternetSession* pSession);
void UnregisterInternetHandle(HINTERNET hInternet);
// Every handle of the session: closing its handle closed theirs.
void UnregisterInternetSession(const CInternetSession* pSession);

// While it lives, the calling thread's notifications for handles not yet registered (the one
// being made, whose HANDLE_CREATED comes before it is returned) go to pSession.
class InternetSessionCall {
 public:
  explicit InternetSessionCall(CInternetSession* pSession);
  ~InternetSessionCall();
  InternetSessionCall(const InternetSessionCall&) = delete;
  InternetSessionCall& operator=(const InternetSessionCall&) = delete;

 private:
  CInternetSession* m_pOuter;
};

// The callback the sessions register with InternetSetStatusCallback.
void CALLBACK InternetStatusCallback(HINTERNET hInternet, DWORD_PTR dwContext, DWORD dwInternetStatus,
                                     LPVOID lpvStatusInformation, DWORD dwStatusInformationLength);

}  // namespace framework
