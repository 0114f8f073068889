// The log entry point and the logger's life on the application object.
#include <stdarg.h>

#include "cexception.h"

#include "rv_log_object.h"
#include "tarvolt_app.h"

namespace {

const char kLogFileName[] = "Tarvolt.txt";

class LogLock {
 public:
  explicit LogLock(CRITICAL_SECTION* pLock) : m_pLock(pLock) { EnterCriticalSection(m_pLock); }
  ~LogLock() { LeaveCriticalSection(m_pLock); }
  LogLock(const LogLock&) = delete;
  LogLock& operator=(const LogLock&) = delete;

 private:
  CRITICAL_SECTION* m_pLock;
};

}  // namespace

void RV_TarvoltApp::WriteLog(int nLevel, CString strFormat, ...) {
  if (strFormat.IsEmpty()) return;
  // A message that cannot be logged is lost; the caller goes on.
  try {
    int nThreshold = AccessGenerateLog(REG_ACCESS_READ, 1);
    if (nThreshold < 1) return;
    // Formatted in the caller's thread, outside the lock.
    CString strText;
    if (nThreshold >= nLevel) {
      va_list args;
      va_start(args, strFormat);
      try {
        strText.FormatV(strFormat, args);
      } catch (...) {
        va_end(args);
        throw;
      }
      va_end(args);
    }
    LogLock lock(&m_logLock);
    if (StartLogger(true) && nThreshold >= nLevel) m_pLogObject->AddMessage(strText);
  } catch (CException* e) {
    e->Delete();
  } catch (...) {
  }
}

bool RV_TarvoltApp::StartLogger(bool bFirstLine) {
  // After a close the flag stays set while the logger is gone: a later message starts a new one.
  if (m_bLoggerOpen && m_pLogObject) return true;
  if (!m_pLogObject) m_pLogObject = new RV_LogObject;
  m_bLoggerOpen = m_pLogObject->Open(kLogFileName);
  // Only a started logger writes its first line, so a failed start is tried once per message.
  if (m_bLoggerOpen && bFirstLine) WriteLog(2, "Logger Initialized");
  return m_bLoggerOpen;
}

void RV_TarvoltApp::OpenLogger() {
  LogLock lock(&m_logLock);
  StartLogger(false);
}

void RV_TarvoltApp::CloseLogger() {
  WriteLog(1, "ShutdownServices Part 12");
  LogLock lock(&m_logLock);
  if (!m_pLogObject) return;
  WriteLog(1, "Closing the logger and Shutting Down");
  WriteLog(1, kLogRule);
  m_pLogObject->WaitUntilIdle();
  m_pLogObject->SignalQuit();
  delete m_pLogObject;
  m_pLogObject = nullptr;
}
