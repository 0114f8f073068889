#include "wizard_command_line_info.h"

namespace {

struct ValueOption {
  const wchar_t* pszName;
  int nExpected;
};

// The options that take the next argument as their value; names compare with case.
const ValueOption kValueOptions[] = {
    {L"s", CWizardCommandLineInfo::ExpectServer},
    {L"r", CWizardCommandLineInfo::ExpectRouter},
    {L"u", CWizardCommandLineInfo::ExpectUser},
    {L"p", CWizardCommandLineInfo::ExpectPassword},
    {L"ep", CWizardCommandLineInfo::ExpectEncryptedPassword},
    {L"k", CWizardCommandLineInfo::ExpectPreSharedKey},
    {L"ek", CWizardCommandLineInfo::ExpectEncryptedPreSharedKey},
    {L"i", CWizardCommandLineInfo::ExpectRequiredIp},
    {L"d", CWizardCommandLineInfo::ExpectDecryptionPassword},
};

}  // namespace

CWizardCommandLineInfo::CWizardCommandLineInfo()
    : m_nExpected(ExpectNone), m_nServerCount(0), m_nRouterCount(0), m_bUseRemoteGateway(false), m_nMode(0) {}

void CWizardCommandLineInfo::ParseParam(const TCHAR* pszParam, BOOL bFlag, BOOL bLast) {
  if (m_nExpected == ExpectNone) {
    if (bFlag)
      ParseFlag(pszParam);
    else
      m_strErrors.AppendFormat(L"%s: Unexpected parameter\n", pszParam);
  } else if (bFlag) {
    // The value is still awaited: the next plain argument supplies it.
    m_strErrors.AppendFormat(L"%s: Unexpected flag\n", pszParam);
  } else {
    StoreValue(pszParam);
    m_nExpected = ExpectNone;
  }
  if (bLast) {
    if (m_nExpected != ExpectNone) m_strErrors += L"Unexpected end of command line\n";
    ValidateArguments();
  }
}

void CWizardCommandLineInfo::ParseFlag(const CString& strFlag) {
  if (strFlag == L"rg") {
    m_bUseRemoteGateway = true;
    return;
  }
  for (const ValueOption& option : kValueOptions) {
    if (strFlag == option.pszName) {
      m_nExpected = option.nExpected;
      return;
    }
  }
  m_strErrors.AppendFormat(L"%s: Unrecognized flag\n", strFlag.GetString());
}

void CWizardCommandLineInfo::StoreValue(const TCHAR* pszValue) {
  if (m_nExpected == ExpectServer)
    StoreListValue(pszValue, m_strServers, m_nServerCount, MaxServers, L"servers");
  else if (m_nExpected == ExpectRouter)
    StoreListValue(pszValue, m_strRouters, m_nRouterCount, MaxRouters, L"routers");
  else
    *SingleValueFor(m_nExpected) = pszValue;
}

void CWizardCommandLineInfo::StoreListValue(const TCHAR* pszValue, CString* pList, int& nCount, int nMax,
                                            const TCHAR* pszKind) {
  if (nCount < nMax)
    pList[nCount++] = pszValue;
  else
    m_strErrors.AppendFormat(L"%s: No more than %d %s should be specified\n", pszValue, nMax, pszKind);
}

CString* CWizardCommandLineInfo::SingleValueFor(int nExpected) {
  switch (nExpected) {
    case ExpectUser:
      return &m_strUser;
    case ExpectPassword:
      return &m_strPlainPassword;
    case ExpectEncryptedPassword:
      return &m_strEncryptedPassword;
    case ExpectPreSharedKey:
      return &m_strPlainPreSharedKey;
    case ExpectEncryptedPreSharedKey:
      return &m_strEncryptedPreSharedKey;
    case ExpectRequiredIp:
      return &m_strRequiredIp;
    default:
      return &m_strDecryptionPassword;
  }
}

void CWizardCommandLineInfo::ValidateArguments() {
  bool bHasPassword = !m_strPlainPassword.IsEmpty() || !m_strEncryptedPassword.IsEmpty();
  if (m_nServerCount > 0 && !m_strUser.IsEmpty() && bHasPassword) m_nMode |= ModeUnattended;
  // Routers and keys only make sense for an installation that runs by itself; the other
  // options may prefill an interactive run.
  if (m_nMode == 0 &&
      (m_nRouterCount > 0 || !m_strPlainPreSharedKey.IsEmpty() || !m_strEncryptedPreSharedKey.IsEmpty()))
    m_strErrors +=
        L"Not enough arguments to run the setup wizard in unattended mode: Missing -s, -u and [-p | -ep] options\n";
  if (!m_strPlainPassword.IsEmpty() && !m_strEncryptedPassword.IsEmpty())
    m_strErrors += L"Only one of -p or -ep should be specified\n";
  if (!m_strPlainPreSharedKey.IsEmpty() && !m_strEncryptedPreSharedKey.IsEmpty())
    m_strErrors += L"Only one of -k or -ek should be specified\n";
  if (!m_strErrors.IsEmpty()) m_nMode = ModeError;
}
