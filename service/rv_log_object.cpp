#include "rv_log_object.h"

#include "cexception.h"
#include "csinglelock.h"
#include "rv_log.h"

IMPLEMENT_DYNAMIC(RV_LogObject, CObject)

namespace {

HANDLE NewManualEvent() { return CreateEventA(nullptr, TRUE, FALSE, nullptr); }

void CloseIfOpen(HANDLE& hHandle) {
  if (hHandle) CloseHandle(hHandle);
  hHandle = nullptr;
}

// The folder of the program's own file.
CString ProgramFolder() {
  char szPath[261];
  DWORD length = GetModuleFileNameA(nullptr, szPath, sizeof(szPath) - 1);
  szPath[length < sizeof(szPath) ? length : sizeof(szPath) - 1] = 0;
  CString path(szPath);
  return path.Left(path.ReverseFind('\\'));
}

void AppendPiece(CString& strText, UINT nValue, const char* pszShort, const char* pszLong) {
  strText.AppendFormat(nValue < 10 ? pszShort : pszLong, nValue);
}

}  // namespace

RV_LogObject::RV_LogObject()
    : m_Messages(10),
      m_pLog(nullptr),
      m_hThread(nullptr),
      m_hDataEvent(NewManualEvent()),
      m_hQuitEvent(nullptr),
      m_bFileOpen(FALSE),
      m_hIdleEvent(NewManualEvent()),
      m_bThreadEnded(FALSE) {
  CreateQuitEvent();
}

RV_LogObject::~RV_LogObject() {
  if (m_hThread) {
    // A logger deleted without the close's handshake still ends its thread first.
    SignalQuit();
    WaitForSingleObject(m_hThread, INFINITE);
    CloseHandle(m_hThread);
  }
  CloseIfOpen(m_hDataEvent);
  CloseIfOpen(m_hIdleEvent);
  CloseIfOpen(m_hQuitEvent);
  delete m_pLog;
}

bool RV_LogObject::CreateQuitEvent() {
  CloseIfOpen(m_hQuitEvent);
  m_hQuitEvent = NewManualEvent();
  return m_hQuitEvent != nullptr;
}

bool RV_LogObject::Open(const CString& strFileName) {
  if (!m_hDataEvent || !m_hIdleEvent || !m_hQuitEvent) return false;
  m_strFileName = strFileName;
  m_hThread = CreateThread(nullptr, 0, LoggerThread, this, 0, nullptr);
  return m_hThread != nullptr;
}

void RV_LogObject::AddMessage(const CString& strText) {
  CString line = FormatTimestamp() + strText;
  if (m_bThreadEnded) return;
  CSingleLock lock(&m_Mutex, TRUE);
  m_Messages.AddHead(line);
  // Not idle until this line is written: a close that waits now waits for it too.
  ResetEvent(m_hIdleEvent);
  SetEvent(m_hDataEvent);
}

CString RV_LogObject::FormatTimestamp() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  CString strText;
  strText.Format("%u", static_cast<UINT>(now.wYear));
  AppendPiece(strText, now.wMonth, "-0%u", "-%u");
  AppendPiece(strText, now.wDay, "-0%u", "-%u");
  AppendPiece(strText, now.wHour, ", 0%u", ", %u");
  AppendPiece(strText, now.wMinute, ":0%u", ":%u");
  AppendPiece(strText, now.wSecond, ":0%u", ":%u");
  strText.AppendFormat(".0%u\t: ", static_cast<UINT>(now.wMilliseconds));
  return strText;
}

bool RV_LogObject::OpenLogFile() {
  if (m_bFileOpen) return true;
  CString strPath = ProgramFolder() + "\\" + m_strFileName;
  delete m_pLog;
  m_pLog = new RV_Log;
  m_bFileOpen = m_pLog->Open(strPath);
  return m_bFileOpen != FALSE;
}

void RV_LogObject::CloseLogFile() {
  if (m_pLog) m_pLog->Close();
  m_bFileOpen = FALSE;
}

void RV_LogObject::SignalQuit() { SetEvent(m_hQuitEvent); }

INT_PTR RV_LogObject::HasMessages() {
  CSingleLock lock(&m_Mutex, TRUE);
  return m_Messages.GetCount();
}

void RV_LogObject::WaitUntilIdle() {
  if (!m_hThread) return;
  HANDLE handles[2] = {m_hIdleEvent, m_hThread};
  WaitForMultipleObjects(2, handles, FALSE, INFINITE);
}

void RV_LogObject::PrepareLogFile() {
  if (!m_bFileOpen) m_bFileOpen = m_pLog->Reopen();
}

void RV_LogObject::WriteCycle() {
  ResetEvent(m_hIdleEvent);
  // A failed size check or cut leaves the lines to be written all the same, into the log
  // reopened at its end.
  try {
    m_pLog->RotateLogFile();
  } catch (CException* e) {
    e->Delete();
    m_bFileOpen = FALSE;
  }
  try {
    PrepareLogFile();
  } catch (CException* e) {
    e->Delete();
  }
  // Only the lines queued before this cycle: those that arrive meanwhile wait for the next
  // cycle and its size check, so that a steady flood cannot hold the cut off.
  CSingleLock lock(&m_Mutex, TRUE);
  for (INT_PTR nLines = m_Messages.GetCount(); nLines > 0; --nLines) {
    CString line = m_Messages.RemoveTail();
    lock.Unlock();
    try {
      RV_Log::WriteLine(m_pLog, line);
    } catch (CException* e) {
      e->Delete();  // the line is lost; the next ones are tried
    }
    lock.Lock();
  }
  // Under the lock: a line added after this point sets the data event again, and idle is set
  // only when nothing waits.
  if (m_Messages.IsEmpty()) {
    ResetEvent(m_hDataEvent);
    SetEvent(m_hIdleEvent);
  }
}

DWORD WINAPI RV_LogObject::LoggerThread(LPVOID pParam) {
  RV_LogObject* self = static_cast<RV_LogObject*>(pParam);
  bool opened = false;
  try {
    opened = self->OpenLogFile();
  } catch (CException* e) {
    e->Delete();
  }
  if (opened) {
    // Idle until the first line arrives, so that a close with nothing queued does not wait.
    {
      CSingleLock lock(&self->m_Mutex, TRUE);
      if (self->m_Messages.IsEmpty()) SetEvent(self->m_hIdleEvent);
    }
    HANDLE events[2] = {self->m_hQuitEvent, self->m_hDataEvent};
    bool quit = false;
    while (!quit) {
      DWORD signalled = WaitForMultipleObjects(2, events, FALSE, INFINITE);
      if (signalled == WAIT_OBJECT_0 + 1) {
        try {
          self->WriteCycle();
        } catch (CException* e) {
          e->Delete();
        }
      } else {
        SetEvent(self->m_hIdleEvent);
        quit = true;
      }
    }
    try {
      self->CloseLogFile();
    } catch (CException* e) {
      e->Delete();
      self->m_bFileOpen = FALSE;
    }
  }
  InterlockedExchange(&self->m_bThreadEnded, TRUE);
  return 0;
}
