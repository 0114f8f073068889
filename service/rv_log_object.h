// The service log's queue and thread: callers queue finished, time-stamped lines; the logger's
// own thread writes them, oldest first, into the log file beside the program.
#pragma once

#include <windows.h>

#include "cmutex.h"
#include "cobject.h"
#include "cstringlist.h"
#include "cstringt.h"

class RV_Log;

class RV_LogObject : public CObject {
  DECLARE_DYNAMIC(RV_LogObject)

 public:
  RV_LogObject();
  ~RV_LogObject() override;

  // Starts the logger thread on the file of this name in the program's folder.
  bool Open(const CString& strFileName);
  void AddMessage(const CString& strText);
  // The line prefix: UTC date and time as "2011-12-29, 16:48:33.0123\t: ".
  static CString FormatTimestamp();
  bool OpenLogFile();
  void CloseLogFile();
  void SignalQuit();
  INT_PTR HasMessages();
  // Returns once every line queued so far is in the file, or at once when the thread has ended
  // (it ends without writing anything when the file cannot be opened).
  void WaitUntilIdle();

  RV_Log* GetLog() const { return m_pLog; }
  BOOL IsFileOpen() const { return m_bFileOpen; }
  void SetFileOpen(BOOL bOpen) { m_bFileOpen = bOpen; }

  static DWORD WINAPI LoggerThread(LPVOID pParam);

 private:
  bool CreateQuitEvent();
  // One write cycle: the size check, then the queue drained oldest first.
  void WriteCycle();
  // Before a cycle: the file open again after a failure that closed it.
  void PrepareLogFile();

  CString m_strFileName;
  CStringList m_Messages;
  CMutex m_Mutex;
  RV_Log* m_pLog;
  HANDLE m_hThread;
  HANDLE m_hDataEvent;
  HANDLE m_hQuitEvent;
  BOOL m_bFileOpen;
  HANDLE m_hIdleEvent;
  // Set when the thread has ended; lines added afterwards would never be written.
  volatile LONG m_bThreadEnded;
};
