#include "rv_log.h"

#include <string.h>

#include "cfilefind.h"

namespace {

const UINT kShareOpen = CFile::modeReadWrite | CFile::shareDenyNone;

CString FolderOf(const CString& strPath) { return strPath.Left(strPath.ReverseFind('\\')); }

}  // namespace

RV_Log::RV_Log() : m_pFile(new CFile) {}

RV_Log::RV_Log(const CString&) : m_pFile(nullptr) {}

RV_Log::~RV_Log() { delete m_pFile; }

BOOL RV_Log::Open(const CString& strPath) {
  m_strPath = strPath;
  delete m_pFile;
  m_pFile = nullptr;
  m_pFile = new CFile;
  return m_pFile->Open(m_strPath, CFile::modeCreate | CFile::modeNoTruncate | kShareOpen);
}

BOOL RV_Log::OpenExclusive() {
  if (!m_pFile) return FALSE;
  return m_pFile->Open(m_strPath, CFile::modeCreate | CFile::modeNoTruncate | CFile::modeWrite);
}

void RV_Log::WriteLine(RV_Log* pLog, const CString& strText) {
  if (pLog->m_strPath.IsEmpty() || strText.IsEmpty()) return;
  if (!pLog->m_pFile) AfxThrowFileException(CFileException::fileNotFound, -1, pLog->m_strPath);
  // One write per line: a process that dies between two writes would leave a line without
  // its end.
  CString line = strText + "\r\n";
  pLog->m_pFile->Write(line.GetString(), static_cast<UINT>(line.GetLength()));
  pLog->Flush();
}

void RV_Log::Flush() {
  if (!m_strPath.IsEmpty() && m_pFile) m_pFile->Flush();
}

void RV_Log::Close() {
  if (!m_pFile) return;
  CFile* pFile = m_pFile;
  m_pFile = nullptr;
  // The object goes even when closing fails.
  try {
    pFile->Close();
  } catch (...) {
    delete pFile;
    throw;
  }
  delete pFile;
}

BOOL RV_Log::FileExists(const CString& strPath) {
  CFileFind finder;
  return finder.FindFile(strPath);
}

void RV_Log::RotateLogFile() {
  if (!FileExists(m_strPath)) return;
  if (!m_pFile || m_pFile->m_hFile == CFile::hFileNull) return;
  if (m_pFile->GetLength() < kCutSize) {
    m_pFile->SeekToEnd();
    return;
  }
  CutLogFile();
}

void RV_Log::CutLogFile() {
  Close();
  CString strTemp;
  strTemp.Format("%s\\VPNLogger.tmp", FolderOf(m_strPath).GetString());
  // A temporary file left by a cut that did not finish holds nothing the log still needs, and
  // would make every later cut fail.
  if (FileExists(strTemp)) CFile::Remove(strTemp);
  CFile::Rename(m_strPath, strTemp);
  {
    CFile source(strTemp, kShareOpen);
    CFile target(m_strPath, CFile::modeCreate | kShareOpen);
    BYTE block[1024];
    ULONGLONG copied = 0;
    for (;;) {
      memset(block, 0, sizeof(block));
      UINT read = source.Read(block, sizeof(block));
      copied += read;
      if (copied > kKeepFrom) target.Write(block, read);
      if (read < sizeof(block)) break;
    }
    source.Close();
    target.Close();
  }
  CFile::Remove(strTemp);
  if (Open(m_strPath)) m_pFile->SeekToEnd();
}

BOOL RV_Log::Reopen() {
  if (m_strPath.IsEmpty()) return FALSE;
  if (!Open(m_strPath)) return FALSE;
  m_pFile->SeekToEnd();
  return TRUE;
}
