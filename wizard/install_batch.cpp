#include "install_batch.h"

#include "pardex_command.h"

namespace {

const TCHAR* const kEntryNames[InstallSettings::MaxServers] = {L"AUTO-A0", L"AUTO-A1", L"AUTO-A2"};
const TCHAR kNoRouter[] = L"0.0.0.0";
// A shorter server text cannot name a server (such as "a.b").
const int kMinServerLength = 4;

class BatchText {
 public:
  void AddLine(const CString& strLine) {
    for (int i = 0; i < strLine.GetLength(); ++i) {
      wchar_t ch = strLine[i];
      if (ch > 0xFF) m_bFits = false;
      m_bytes += static_cast<char>(ch);
    }
    m_bytes += "\r\n";
  }
  // False once a character has had no byte of its own.
  bool Fits() const { return m_bFits; }
  const CStringA& Bytes() const { return m_bytes; }

 private:
  CStringA m_bytes;
  bool m_bFits = true;
};

CString PardexLine(const InstallSettings& settings, int nServer) {
  PardexEntry entry;
  entry.strEntry = kEntryNames[nServer];
  entry.strServer = settings.strServers[nServer];
  entry.strUser = settings.strUser;
  entry.strPassword = settings.strPassword;
  entry.strPreSharedKey = settings.strPreSharedKey;
  entry.bRemoteGateway = !settings.bNoRemoteGateway;
  return PardexCommandLine(entry, true);
}

CString TarvoltLine(const InstallSettings& settings) {
  CString strLine = L"Tarvolt -i ";
  if (!settings.strRequiredIp.IsEmpty()) strLine += L" -ip " + settings.strRequiredIp;
  for (const CString& strRouter : settings.strRouters) {
    if (strRouter != kNoRouter) strLine += L" -r " + strRouter;
  }
  return strLine;
}

bool WriteBytes(const CStringA& bytes) {
  HANDLE hFile = ::CreateFileW(kInstallBatchName, GENERIC_WRITE, FILE_SHARE_READ, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr);
  if (hFile == INVALID_HANDLE_VALUE) return false;
  DWORD dwWritten = 0;
  BOOL bWritten = ::WriteFile(hFile, bytes.GetString(), static_cast<DWORD>(bytes.GetLength()), &dwWritten, nullptr);
  ::CloseHandle(hFile);
  return bWritten && dwWritten == static_cast<DWORD>(bytes.GetLength());
}

}  // namespace

const TCHAR kInstallBatchName[] = L"installservice.bat";

bool WriteInstallBatch(InstallSettings& settings, bool bShort) {
  BatchText text;
  if (!bShort) {
    text.AddLine(L"sornet.exe AUTO-A");
    text.AddLine(PardexLine(settings, 0));
    for (int i = 1; i < InstallSettings::MaxServers; ++i) {
      settings.strServers[i].Trim();
      if (settings.strServers[i].GetLength() >= kMinServerLength) text.AddLine(PardexLine(settings, i));
    }
  }
  settings.strRequiredIp.Trim();
  text.AddLine(TarvoltLine(settings));
  text.AddLine(L"net start halvorn");
  return text.Fits() && WriteBytes(text.Bytes());
}
