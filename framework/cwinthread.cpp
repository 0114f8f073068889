#include "cwinthread.h"

#include "cdc.h"
#include "cgdiobject.h"
#include "cmenu.h"
#include "cwinapp.h"
#include "cwnd.h"
#include "message_loop.h"
#include "thread_state.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

BEGIN_MESSAGE_MAP(CWinThread, CCmdTarget)
END_MESSAGE_MAP()

namespace {

// The thread object's start, or its deletion when the thread cannot start.
CWinThread* Started(CWinThread* pThread, BOOL started) {
  if (started) return pThread;
  delete pThread;
  return nullptr;
}

// Handed to the new thread. The creator waits for `started` unless the thread starts
// suspended; then nobody waits, and the thread frees it.
struct ThreadStartup {
  CWinThread* pThread;
  HANDLE hStarted;
  bool creatorWaits;
};

// The thread has its queue and (for a user-interface thread) ran InitInstance.
void ReportStarted(ThreadStartup* pStartup) {
  if (pStartup->creatorWaits) {
    ::SetEvent(pStartup->hStarted);  // the creator frees the startup record after this
  } else {
    ::CloseHandle(pStartup->hStarted);
    delete pStartup;
  }
}

// The thread's end: its object goes when asked, and the thread has no object any more.
void EndThreadObject(BOOL bDelete) {
  framework::ThreadState& state = framework::CurrentThreadState();
  CWinThread* pThread = state.pThread;
  state.pThread = nullptr;
  if (pThread != nullptr && bDelete) pThread->Delete();
}

}  // namespace

CWinThread::CWinThread() : CWinThread(nullptr, nullptr) {}

CWinThread::CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam)
    : m_hThread(nullptr),
      m_nThreadID(0),
      m_bAutoDelete(TRUE),
      m_pMainWnd(nullptr),
      m_pActiveWnd(nullptr),
      m_pfnThreadProc(pfnThreadProc),
      m_pThreadParams(pParam) {}

CWinThread::~CWinThread() {
  if (m_hThread != nullptr && m_hThread != ::GetCurrentThread()) ::CloseHandle(m_hThread);
  framework::ThreadState& state = framework::CurrentThreadState();
  if (state.pThread == this) state.pThread = nullptr;
}

void CWinThread::AttachToCurrentThread() {
  framework::CurrentThreadState().pThread = this;
  m_nThreadID = ::GetCurrentThreadId();
}

DWORD WINAPI CWinThread::ThreadEntry(LPVOID pParam) {
  auto* pStartup = static_cast<ThreadStartup*>(pParam);
  CWinThread* pThread = pStartup->pThread;
  pThread->AttachToCurrentThread();
  MSG msg;
  ::PeekMessage(&msg, nullptr, WM_USER, WM_USER, PM_NOREMOVE);  // makes the thread's queue
  DWORD exitCode;
  if (pThread->m_pfnThreadProc != nullptr) {
    ReportStarted(pStartup);
    exitCode = pThread->m_pfnThreadProc(pThread->m_pThreadParams);
  } else {
    BOOL initialised = pThread->InitInstance();
    ReportStarted(pStartup);
    exitCode = static_cast<DWORD>(initialised ? pThread->Run() : pThread->ExitInstance());
  }
  EndThreadObject(TRUE);
  return exitCode;
}

BOOL CWinThread::CreateThread(DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  return Start(THREAD_PRIORITY_NORMAL, dwCreateFlags, nStackSize, lpSecurityAttrs);
}

BOOL CWinThread::Start(int nPriority, DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  HANDLE hStarted = ::CreateEventW(nullptr, TRUE, FALSE, nullptr);
  if (hStarted == nullptr) return FALSE;
  const bool suspended = (dwCreateFlags & CREATE_SUSPENDED) != 0;
  auto* pStartup = new ThreadStartup{this, hStarted, !suspended};
  m_hThread = ::CreateThread(lpSecurityAttrs, nStackSize, &CWinThread::ThreadEntry, pStartup,
                             dwCreateFlags | CREATE_SUSPENDED, &m_nThreadID);
  if (m_hThread == nullptr) {
    ::CloseHandle(hStarted);
    delete pStartup;
    return FALSE;
  }
  if (nPriority != THREAD_PRIORITY_NORMAL) ::SetThreadPriority(m_hThread, nPriority);
  if (!suspended) {
    ::ResumeThread(m_hThread);
    ::WaitForSingleObject(hStarted, INFINITE);
    ::CloseHandle(hStarted);
    delete pStartup;
  }
  return TRUE;
}

int CWinThread::GetThreadPriority() { return ::GetThreadPriority(m_hThread); }

BOOL CWinThread::SetThreadPriority(int nPriority) { return ::SetThreadPriority(m_hThread, nPriority); }

DWORD CWinThread::ResumeThread() { return ::ResumeThread(m_hThread); }

BOOL CWinThread::PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return ::PostThreadMessage(m_nThreadID, message, wParam, lParam);
}

BOOL CWinThread::InitInstance() { return FALSE; }

int CWinThread::Run() {
  framework::RunMessageLoop([this](LONG lCount) { return OnIdle(lCount); }, [] { return TRUE; });
  return ExitInstance();
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->hwnd == nullptr) {
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(pMsg->message, 0, 0);
    if (pEntry == nullptr) return FALSE;
    LRESULT ignored = 0;
    AFX_MSGARGS args = {pMsg->message, pMsg->wParam, pMsg->lParam, 0, nullptr, &ignored};
    pEntry->pfnDispatch(this, args);
    return TRUE;
  }
  return AfxPreTranslateMessage(pMsg);
}

BOOL CWinThread::PumpMessage() { return framework::PumpThreadMessage(this); }

BOOL CWinThread::OnIdle(LONG) {
  CWnd::DeleteTempMap();
  CDC::DeleteTempMap();
  CGdiObject::DeleteTempMap();
  CMenu::DeleteTempMap();
  return FALSE;
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg) { return framework::IsIdleMessage(pMsg); }

int CWinThread::ExitInstance() { return static_cast<int>(AfxGetCurrentMessage()->wParam); }

void CWinThread::Delete() {
  if (m_bAutoDelete) delete this;
}

CWnd* CWinThread::GetMainWnd() { return m_pMainWnd; }

CWinThread* AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority, UINT nStackSize, DWORD dwCreateFlags,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  CObject* pObject = pThreadClass->CreateObject();
  if (pObject == nullptr) return nullptr;
  if (!pObject->IsKindOf(RUNTIME_CLASS(CWinThread))) {
    delete pObject;
    return nullptr;
  }
  auto* pThread = static_cast<CWinThread*>(pObject);
  return Started(pThread, pThread->Start(nPriority, dwCreateFlags, nStackSize, lpSecurityAttrs));
}

CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority, UINT nStackSize,
                           DWORD dwCreateFlags, LPSECURITY_ATTRIBUTES lpSecurityAttrs) {
  auto* pThread = new CWinThread(pfnThreadProc, pParam);
  return Started(pThread, pThread->Start(nPriority, dwCreateFlags, nStackSize, lpSecurityAttrs));
}

void AfxEndThread(UINT nExitCode, BOOL bDelete) {
  EndThreadObject(bDelete);
  ::ExitThread(nExitCode);
}

CWinThread* AfxGetThread() { return framework::CurrentThreadState().pThread; }

CWnd* AfxGetMainWnd() {
  CWinThread* pThread = AfxGetThread();
  CWnd* pMainWnd = pThread != nullptr ? pThread->GetMainWnd() : nullptr;
  if (pMainWnd == nullptr && AfxGetApp() != nullptr) pMainWnd = AfxGetApp()->GetMainWnd();
  return pMainWnd;
}
