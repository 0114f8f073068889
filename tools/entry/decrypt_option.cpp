#include "decrypt_option.h"

#include <string.h>

#include "atlconv.h"
#include "decrypt_parameter.h"
#include "secure_wipe.h"

bool DecryptOption(const CmdOption& encrypted, const CStringW& strPassword, CmdOption& plain) {
  CW2AEX<> szText(encrypted.strValue.GetString(), CP_THREAD_ACP);
  CW2AEX<> szPassword(strPassword.GetString(), CP_THREAD_ACP);
  char* pszPlain = nullptr;
  if (!DecryptParameter(szText, szPassword, &pszPlain)) return false;
  plain.strValue = static_cast<LPCWSTR>(CA2WEX<>(pszPlain, CP_THREAD_ACP));
  plain.bHasValue = true;
  SecureWipe(pszPlain, strlen(pszPlain));
  delete[] pszPlain;
  return true;
}
