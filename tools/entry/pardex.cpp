// Pardex: creates one VPN entry in the default phone book with its credentials. Windowless: it
// speaks through message boxes, and its exit code is 0 when the entry was written, 1 otherwise.
#include <windows.h>
#include <ras.h>
#include <shellapi.h>

#include "cmd_options.h"
#include "create_vpn_entry.h"
#include "decrypt_option.h"
#include "dlg_password.h"
#include "pardex_message.h"
#include "vpn_strategy.h"

namespace {

LPCWSTR ValueOrNone(const CmdOption& option) { return option.bHasValue ? option.strValue.GetString() : nullptr; }

// The option form, after the words were read into the table.
int RunOptionForm() {
  CStringW strMissing = MissingParametersText();
  if (!strMissing.IsEmpty()) {
    ShowPardexError(strMissing);
    return 1;
  }
  CmdOption& decryptPassword = g_CmdOptions[OPT_DECRYPT_PASSWORD];
  const CmdOption& encryptedPassword = g_CmdOptions[OPT_ENCRYPTED_PASSWORD];
  const CmdOption& encryptedKey = g_CmdOptions[OPT_ENCRYPTED_KEY];
  bool bCancelled = false;
  if ((encryptedPassword.bHasValue || encryptedKey.bHasValue) && !decryptPassword.bHasValue) {
    CDlgPassword dlg;
    if (dlg.DoModal(::GetActiveWindow()) == IDOK) {
      decryptPassword.strValue = dlg.m_szPassword;
      decryptPassword.bHasValue = true;
    } else {
      bCancelled = true;
    }
  }
  bool bDecryptFailed = false;
  if (!bCancelled) {
    if (encryptedPassword.bHasValue &&
        !DecryptOption(encryptedPassword, decryptPassword.strValue, g_CmdOptions[OPT_PASSWORD]))
      bDecryptFailed = true;
    if (encryptedKey.bHasValue && !DecryptOption(encryptedKey, decryptPassword.strValue, g_CmdOptions[OPT_PRESHARED_KEY]))
      bDecryptFailed = true;
  }
  BOOL bRemoteDefaultGateway = g_CmdOptions[OPT_REMOTE_GATEWAY].bHasValue;
  DWORD dwVpnStrategy = VS_Default;
  const CmdOption& vpnType = g_CmdOptions[OPT_VPN_TYPE];
  if (vpnType.bHasValue && !LookupVpnStrategy(vpnType.strValue, &dwVpnStrategy)) {
    ShowPardexError(kUnknownVpnStrategyText);
    return 1;
  }
  if (bCancelled) return 1;
  if (bDecryptFailed) {
    ShowPardexError(L"Incorrect encryption password");
    return 1;
  }
  int nCreated = CreateVpnEntry(g_CmdOptions[OPT_NAME].strValue, g_CmdOptions[OPT_SERVER].strValue,
                                g_CmdOptions[OPT_USER].strValue, g_CmdOptions[OPT_PASSWORD].strValue,
                                ValueOrNone(g_CmdOptions[OPT_PRESHARED_KEY]), dwVpnStrategy, bRemoteDefaultGateway);
  return nCreated == 1 ? 0 : 1;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, LPWSTR, int) {
  int argc = 0;
  LPWSTR* argv = ::CommandLineToArgvW(::GetCommandLineW(), &argc);
  if (argv == nullptr) {
    ShowPardexError(L"Cannot retrieve command line arguments");
    return 1;
  }
  int nExitCode;
  // Four or five words: name, server, user, password and perhaps the key, used as they stand.
  if (argc == 5 || argc == 6) {
    nExitCode = CreateVpnEntry(argv[1], argv[2], argv[3], argv[4], argc == 6 ? argv[5] : nullptr, VS_Default, FALSE) == 1
                    ? 0
                    : 1;
  } else {
    ParseCmdOptions(argc, argv);
    nExitCode = RunOptionForm();
  }
  ::LocalFree(argv);
  return nExitCode;
}
