// The WinInet session of GetWebFile, with a progress text for every status WinInet reports.
#pragma once

#include "afxinet.h"

class CMyInternetSession : public CInternetSession {
 public:
  explicit CMyInternetSession(LPCTSTR pstrAgent = nullptr, DWORD_PTR dwContext = 1,
                              DWORD dwAccessType = PRE_CONFIG_INTERNET_ACCESS, LPCTSTR pstrProxyName = nullptr,
                              LPCTSTR pstrProxyBypass = nullptr, DWORD dwFlags = 0);
  ~CMyInternetSession() override;

  void OnStatusCallback(DWORD_PTR dwContext, DWORD dwInternetStatus, LPVOID lpvStatusInformation,
                        DWORD dwStatusInformationLength) override;

 private:
  // The progress text of a status; empty for the statuses that have none.
  static CString StatusText(DWORD dwInternetStatus, LPVOID lpvStatusInformation);
};
