// A thread of the program. A user-interface thread runs a message loop (Run): thread messages go
// to its message map (ON_THREAD_MESSAGE), window messages first through PreTranslateMessage;
// when the queue is empty, OnIdle deletes the thread's temporary window, device-context, GDI
// and menu objects. A worker thread runs a function instead.
#pragma once

#include "ccmdtarget.h"

class CException;
class CWnd;

typedef UINT (*AFX_THREADPROC)(LPVOID);

class CWinThread : public CCmdTarget {
  DECLARE_DYNAMIC(CWinThread)

 public:
  CWinThread();
  CWinThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam);
  ~CWinThread() override;

  // Starts the thread. Returns once it runs and has its message queue, and, for a user-interface
  // thread, InitInstance has returned (unless dwCreateFlags has CREATE_SUSPENDED).
  BOOL CreateThread(DWORD dwCreateFlags = 0, UINT nStackSize = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);

  operator HANDLE() const { return m_hThread; }
  int GetThreadPriority();
  BOOL SetThreadPriority(int nPriority);
  DWORD ResumeThread();
  BOOL PostThreadMessage(UINT message, WPARAM wParam, LPARAM lParam);

  // FALSE ends a user-interface thread (after ExitInstance).
  virtual BOOL InitInstance();
  // The message loop until WM_QUIT; the result is ExitInstance's.
  virtual int Run();
  virtual BOOL PreTranslateMessage(MSG* pMsg);
  // FALSE when the message was WM_QUIT.
  virtual BOOL PumpMessage();
  // TRUE asks for more idle time (lCount counts the calls since the last message).
  virtual BOOL OnIdle(LONG lCount);
  virtual BOOL IsIdleMessage(MSG* pMsg);
  // A window procedure of the thread let e through while handling pMsg; the result is the
  // message's. By default a failed WM_CREATE fails the creation, a WM_PAINT leaves the window
  // validated, and any other message reports the exception (a CUserException was reported
  // already) with the stop icon. The caller deletes e.
  virtual LRESULT ProcessWndProcException(CException* e, const MSG* pMsg);
  // The thread's exit code: WM_QUIT's.
  virtual int ExitInstance();
  // Deletes the object when m_bAutoDelete.
  virtual void Delete();
  virtual CWnd* GetMainWnd();

  HANDLE m_hThread;
  DWORD m_nThreadID;
  BOOL m_bAutoDelete;  // the object is deleted when its thread ends
  CWnd* m_pMainWnd;    // its destruction ends the loop
  CWnd* m_pActiveWnd;
  AFX_THREADPROC m_pfnThreadProc;  // null for a user-interface thread
  LPVOID m_pThreadParams;

 protected:
  // This object becomes the calling thread's (AfxGetThread).
  void AttachToCurrentThread();

  DECLARE_MESSAGE_MAP()

 private:
  friend CWinThread* AfxBeginThread(CRuntimeClass*, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);
  friend CWinThread* AfxBeginThread(AFX_THREADPROC, LPVOID, int, UINT, DWORD, LPSECURITY_ATTRIBUTES);

  // CreateThread at the priority.
  BOOL Start(int nPriority, DWORD dwCreateFlags, UINT nStackSize, LPSECURITY_ATTRIBUTES lpSecurityAttrs);
  static DWORD WINAPI ThreadEntry(LPVOID pStartup);
};

// A user-interface thread of the class (DECLARE_DYNCREATE), or a worker running pfnThreadProc.
// Null when the thread could not start.
CWinThread* AfxBeginThread(CRuntimeClass* pThreadClass, int nPriority = THREAD_PRIORITY_NORMAL, UINT nStackSize = 0,
                           DWORD dwCreateFlags = 0, LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
CWinThread* AfxBeginThread(AFX_THREADPROC pfnThreadProc, LPVOID pParam, int nPriority = THREAD_PRIORITY_NORMAL,
                           UINT nStackSize = 0, DWORD dwCreateFlags = 0,
                           LPSECURITY_ATTRIBUTES lpSecurityAttrs = nullptr);
// Ends the calling thread with nExitCode, deleting its thread object when bDelete.
void AfxEndThread(UINT nExitCode, BOOL bDelete = TRUE);
// CWinThread::ProcessWndProcException's default, also for threads without a thread object.
LRESULT AfxInternalProcessWndProcException(CException* e, const MSG* pMsg);
// The calling thread's object: the application for the program's first thread; null for a
// thread the framework did not start.
CWinThread* AfxGetThread();
// The calling thread's main window, else the application's.
CWnd* AfxGetMainWnd();
