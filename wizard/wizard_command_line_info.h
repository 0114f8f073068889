// The wizard's command line: servers, routers, credentials and the required address, which the
// pages read, and the mode that the whole run follows. Errors are collected in argument order;
// any error makes the mode ModeError.
#pragma once

#include "ccommandlineinfo.h"
#include "cstringt.h"

class CWizardCommandLineInfo : public CCommandLineInfo {
 public:
  // Bits of m_nMode; 0 is the interactive mode.
  enum { ModeError = 1, ModeUnattended = 2 };
  // The option whose value the next argument supplies.
  enum Expected {
    ExpectNone,
    ExpectServer,
    ExpectRouter,
    ExpectUser,
    ExpectPassword,
    ExpectEncryptedPassword,
    ExpectPreSharedKey,
    ExpectEncryptedPreSharedKey,
    ExpectRequiredIp,
    ExpectDecryptionPassword
  };
  static const int MaxServers = 3;
  static const int MaxRouters = 3;

  CWizardCommandLineInfo();

  // One argument, without its leading "-" or "/" when bFlag; validates after the last.
  void ParseParam(const TCHAR* pszParam, BOOL bFlag, BOOL bLast) override;
  // Sets m_nMode from the options given and appends the errors of their combination.
  void ValidateArguments();

  int m_nExpected;
  int m_nServerCount;
  CString m_strServers[MaxServers];
  int m_nRouterCount;
  CString m_strRouters[MaxRouters];
  CString m_strUser;
  CString m_strPlainPassword;
  CString m_strEncryptedPassword;
  CString m_strPlainPreSharedKey;
  CString m_strEncryptedPreSharedKey;
  CString m_strRequiredIp;
  bool m_bUseRemoteGateway;
  CString m_strErrors;
  CString m_strDecryptionPassword;
  int m_nMode;

 private:
  void ParseFlag(const CString& strFlag);
  void StoreValue(const TCHAR* pszValue);
  // Appends to a list of at most MaxServers/MaxRouters values; the error names the kind.
  void StoreListValue(const TCHAR* pszValue, CString* pList, int& nCount, int nMax, const TCHAR* pszKind);
  CString* SingleValueFor(int nExpected);
};
