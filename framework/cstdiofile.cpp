#include "cstdiofile.h"

#include <stdint.h>
#include <string.h>

#include <string>

#include "framework_throw.h"

IMPLEMENT_DYNAMIC(CStdioFile, CFile)

namespace {

const int kCtrlZ = 0x1A;

BOOL IsText(UINT nOpenFlags) { return (nOpenFlags & CFile::typeBinary) == 0; }

}  // namespace

CStdioFile::CStdioFile() : m_bText(TRUE), m_nReadPos(0), m_nReadEnd(0) {}

CStdioFile::CStdioFile(CString::PCXSTR lpszFileName, UINT nOpenFlags)
    : CFile(lpszFileName, nOpenFlags), m_bText(IsText(nOpenFlags)), m_nReadPos(0), m_nReadEnd(0) {}

BOOL CStdioFile::Open(CString::PCXSTR lpszFileName, UINT nOpenFlags, CFileException* pError) {
  m_bText = IsText(nOpenFlags);
  m_nReadPos = m_nReadEnd = 0;
  return CFile::Open(lpszFileName, nOpenFlags, pError);
}

int CStdioFile::PeekByte() {
  if (m_nReadPos == m_nReadEnd) {
    m_nReadPos = m_nReadEnd = 0;  // empty, should the read throw
    m_nReadEnd = ReadBlock(m_readBuffer, sizeof(m_readBuffer));
    if (m_nReadEnd == 0) return -1;
  }
  return m_readBuffer[m_nReadPos];
}

int CStdioFile::NextByte() {
  int b = PeekByte();
  if (b < 0 || (m_bText && b == kCtrlZ)) return -1;
  ++m_nReadPos;
  if (m_bText && b == '\r' && PeekByte() == '\n') {
    ++m_nReadPos;
    return '\n';
  }
  return b;
}

void CStdioFile::DropReadAhead() {
  UINT nUnread = m_nReadEnd - m_nReadPos;
  m_nReadPos = m_nReadEnd = 0;
  if (nUnread > 0) CFile::Seek(-static_cast<LONGLONG>(nUnread), current);
}

BOOL CStdioFile::ReadLineBytes(CStringA& bytes, INT_PTR nMaxBytes) {
  std::string line;
  while (static_cast<INT_PTR>(line.size()) < nMaxBytes) {
    int b = NextByte();
    if (b < 0) break;
    line.push_back(static_cast<char>(b));
    if (b == '\n') break;
  }
  bytes = CStringA(line.data(), static_cast<int>(line.size()));
  return !line.empty();
}

BOOL CStdioFile::ReadString(CString& rString) {
  CStringA bytes;
  if (!ReadLineBytes(bytes, INTPTR_MAX)) {
    rString.Empty();
    return FALSE;
  }
  int nLength = bytes.GetLength();
  if (nLength > 0 && bytes[nLength - 1] == '\n') {
    --nLength;
    // In binary mode the CR of a CR LF is still there.
    if (!m_bText && nLength > 0 && bytes[nLength - 1] == '\r') --nLength;
  }
  rString = CString(bytes.GetString(), nLength);
  return TRUE;
}

CString::PXSTR CStdioFile::ReadString(CString::PXSTR lpsz, UINT nMax) {
  if (lpsz == nullptr || nMax == 0) AfxThrowInvalidArgException();
  // A character takes at least one byte in any code page: nMax - 1 bytes always fit.
  CStringA bytes;
  if (!ReadLineBytes(bytes, static_cast<INT_PTR>(nMax) - 1)) {
    lpsz[0] = 0;
    return nullptr;
  }
  CString text(bytes.GetString(), bytes.GetLength());
  memcpy(lpsz, text.GetString(), static_cast<size_t>(text.GetLength()) * sizeof(CString::XCHAR));
  lpsz[text.GetLength()] = 0;
  return lpsz;
}

void CStdioFile::WriteString(CString::PCXSTR lpsz) {
  if (lpsz == nullptr) AfxThrowInvalidArgException();
  CStringA bytes(lpsz);
  Write(bytes.GetString(), static_cast<UINT>(bytes.GetLength()));
}

UINT CStdioFile::ReadBlock(void* lpBuf, UINT nCount) { return CFile::Read(lpBuf, nCount); }

UINT CStdioFile::Read(void* lpBuf, UINT nCount) {
  BYTE* pOut = static_cast<BYTE*>(lpBuf);
  if (!m_bText) {
    // What was read ahead, then the rest straight from the source.
    UINT nBuffered = m_nReadEnd - m_nReadPos < nCount ? m_nReadEnd - m_nReadPos : nCount;
    memcpy(pOut, m_readBuffer + m_nReadPos, nBuffered);
    m_nReadPos += nBuffered;
    return nBuffered == nCount ? nCount : nBuffered + ReadBlock(pOut + nBuffered, nCount - nBuffered);
  }
  UINT nRead = 0;
  for (int b = 0; nRead < nCount && (b = NextByte()) >= 0;) pOut[nRead++] = static_cast<BYTE>(b);
  return nRead;
}

void CStdioFile::Write(const void* lpBuf, UINT nCount) {
  DropReadAhead();
  if (!m_bText) {
    CFile::Write(lpBuf, nCount);
    return;
  }
  const char* pIn = static_cast<const char*>(lpBuf);
  std::string translated;
  translated.reserve(nCount);
  for (UINT i = 0; i < nCount; ++i) {
    if (pIn[i] == '\n') translated.push_back('\r');
    translated.push_back(pIn[i]);
  }
  CFile::Write(translated.data(), static_cast<UINT>(translated.size()));
}

ULONGLONG CStdioFile::Seek(LONGLONG lOff, UINT nFrom) {
  DropReadAhead();
  return CFile::Seek(lOff, nFrom);
}

ULONGLONG CStdioFile::GetPosition() const { return CFile::GetPosition() - (m_nReadEnd - m_nReadPos); }

void CStdioFile::SetLength(ULONGLONG dwNewLen) {
  DropReadAhead();
  CFile::SetLength(dwNewLen);
}

void CStdioFile::Close() {
  m_nReadPos = m_nReadEnd = 0;
  CFile::Close();
}

void CStdioFile::Abort() {
  m_nReadPos = m_nReadEnd = 0;
  CFile::Abort();
}
