// The command-line values that need work before the pages can use them: the encrypted password
// and key, and the program files the installation relies on.
#include <string.h>

#include "atlconv.h"
#include "decrypt_parameter.h"
#include "file_exists.h"
#include "get_password_dlg.h"
#include "mardell_app.h"
#include "program_files.h"
#include "secure_wipe.h"

namespace {

// The decoded value when one is given encrypted, else the plain one; false when it does not
// decode. The cipher works on 8-bit text in the thread's ANSI code page.
bool DecodeOption(const CString& strEncrypted, const CString& strPlain, const char* pszPassword,
                  CString& strValue) {
  if (strEncrypted.IsEmpty()) {
    strValue = strPlain;
    return true;
  }
  CW2AEX<> szText(strEncrypted.GetString(), CP_THREAD_ACP);
  char* pszDecoded = nullptr;
  if (!DecryptParameter(szText, pszPassword, &pszDecoded)) return false;
  strValue = static_cast<LPCWSTR>(CA2WEX<>(pszDecoded, CP_THREAD_ACP));
  SecureWipe(pszDecoded, strlen(pszDecoded));
  delete[] pszDecoded;
  return true;
}

}  // namespace

bool CMardellApp::GetDecryptionPassword(CString& strPassword) {
  if (m_cmdInfo.m_strEncryptedPassword.IsEmpty() && m_cmdInfo.m_strEncryptedPreSharedKey.IsEmpty()) return true;
  if (!m_cmdInfo.m_strDecryptionPassword.IsEmpty()) {
    strPassword = m_cmdInfo.m_strDecryptionPassword;
    return true;
  }
  CGetPasswordDlg dlg;
  if (dlg.DoModal() != IDOK) return false;
  strPassword = dlg.m_strPassword;
  return true;
}

bool CMardellApp::DecryptParameters(const CString& strDecryptionPassword) {
  CW2AEX<> szPassword(strDecryptionPassword.GetString(), CP_THREAD_ACP);
  // Both are attempted, so that each failure is the same to the user.
  bool bPassword = DecodeOption(m_cmdInfo.m_strEncryptedPassword, m_cmdInfo.m_strPlainPassword, szPassword,
                                m_strPassword);
  bool bKey = DecodeOption(m_cmdInfo.m_strEncryptedPreSharedKey, m_cmdInfo.m_strPlainPreSharedKey, szPassword,
                           m_strPreSharedKey);
  return bPassword && bKey;
}

bool CMardellApp::CheckDependencies(CString& strMissing) {
  strMissing.Empty();
  for (int i = 0; i < g_nRequiredProgramFiles; ++i) {
    if (!FileExists(g_requiredProgramFiles[i])) {
      strMissing += g_requiredProgramFiles[i];
      strMissing += L' ';
    }
  }
  return strMissing.IsEmpty();
}
