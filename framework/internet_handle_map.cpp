#include "internet_handle_map.h"

#include <map>

#include "cinternetsession.h"

namespace framework {

namespace {

// The handles of every thread's sessions, behind a critical section (the Windows toolchain's
// thread model has no std::mutex).
class HandleMap {
 public:
  HandleMap() { InitializeCriticalSection(&m_lock); }
  ~HandleMap() { DeleteCriticalSection(&m_lock); }

  void Set(HINTERNET hInternet, CInternetSession* pSession) {
    EnterCriticalSection(&m_lock);
    if (pSession != nullptr)
      m_sessions[hInternet] = pSession;
    else
      m_sessions.erase(hInternet);
    LeaveCriticalSection(&m_lock);
  }
  void Forget(const CInternetSession* pSession) {
    EnterCriticalSection(&m_lock);
    std::erase_if(m_sessions, [pSession](const auto& entry) { return entry.second == pSession; });
    LeaveCriticalSection(&m_lock);
  }
  CInternetSession* Find(HINTERNET hInternet) {
    EnterCriticalSection(&m_lock);
    auto found = m_sessions.find(hInternet);
    CInternetSession* pSession = found != m_sessions.end() ? found->second : nullptr;
    LeaveCriticalSection(&m_lock);
    return pSession;
  }

 private:
  CRITICAL_SECTION m_lock;
  std::map<HINTERNET, CInternetSession*> m_sessions;
};

HandleMap& Handles() {
  static HandleMap map;
  return map;
}

thread_local CInternetSession* t_pCallingSession = nullptr;

}  // namespace

void RegisterInternetHandle(HINTERNET hInternet, CInternetSession* pSession) { Handles().Set(hInternet, pSession); }

void UnregisterInternetHandle(HINTERNET hInternet) { Handles().Set(hInternet, nullptr); }

void UnregisterInternetSession(const CInternetSession* pSession) { Handles().Forget(pSession); }

InternetSessionCall::InternetSessionCall(CInternetSession* pSession) : m_pOuter(t_pCallingSession) {
  t_pCallingSession = pSession;
}

InternetSessionCall::~InternetSessionCall() { t_pCallingSession = m_pOuter; }

void CALLBACK InternetStatusCallback(HINTERNET hInternet, DWORD_PTR dwContext, DWORD dwInternetStatus,
                                     LPVOID lpvStatusInformation, DWORD dwStatusInformationLength) {
  CInternetSession* pSession = Handles().Find(hInternet);
  if (pSession == nullptr) pSession = t_pCallingSession;
  // WinInet may report on handles that no object of ours holds: those are passed over.
  if (pSession != nullptr)
    pSession->OnStatusCallback(dwContext, dwInternetStatus, lpvStatusInformation, dwStatusInformationLength);
}

}  // namespace framework
