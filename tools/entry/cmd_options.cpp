#include "cmd_options.h"

CmdOption g_CmdOptions[CMD_OPTION_COUNT] = {
    {L"-n", L"-n <Connection entry name>", OPT_NAME, true, false, CStringW()},
    {L"-s", L"-s <hostname to connect>", OPT_SERVER, true, false, CStringW()},
    {L"-u", L"-u <username>", OPT_USER, true, false, CStringW()},
    {L"-p", L"-p <password> OR -ep <encrypted password>", OPT_PASSWORD, true, false, CStringW()},
    {L"-k", nullptr, OPT_PRESHARED_KEY, true, false, CStringW()},
    {L"-d", nullptr, OPT_DECRYPT_PASSWORD, true, false, CStringW()},
    {L"-ep", nullptr, OPT_ENCRYPTED_PASSWORD, true, false, CStringW()},
    {L"-ek", nullptr, OPT_ENCRYPTED_KEY, true, false, CStringW()},
    {L"-rg", nullptr, OPT_REMOTE_GATEWAY, false, false, CStringW()},
    {L"-vt", nullptr, OPT_VPN_TYPE, true, false, CStringW()},
};

void ParseCmdOptions(int argc, LPWSTR* argv) {
  for (CmdOption& option : g_CmdOptions) {
    option.bHasValue = false;
    option.strValue.Empty();
  }
  for (int i = 1; i < argc; ++i) {
    const CStringW strWord(argv[i]);
    for (CmdOption& option : g_CmdOptions) {
      if (strWord != option.pszFlag) continue;
      if (!option.bTakesValue) {
        option.bHasValue = true;
      } else if (i + 1 < argc) {
        option.bHasValue = true;
        option.strValue = argv[++i];
      }
      break;
    }
  }
}

CStringW MissingParametersText() {
  CStringW strMissing;
  for (int nId = OPT_NAME; nId <= OPT_PASSWORD; ++nId) {
    const CmdOption& option = g_CmdOptions[nId];
    if (option.bHasValue) continue;
    if (nId == OPT_PASSWORD && g_CmdOptions[OPT_ENCRYPTED_PASSWORD].bHasValue) continue;
    strMissing.AppendFormat(L"%s\n", option.pszUsage);
  }
  if (strMissing.IsEmpty()) return strMissing;
  return L"Missing required parameter(s):\n" + strMissing;
}
