// The command-line role: install, remove or configure the service, then end.
#include <stdlib.h>
#include <string.h>

#include "dotted_ip.h"
#include "rv_service_manager.h"
#include "tarvolt_app.h"

namespace {

const int kMaxGateways = 255;  // "GatewayCount" holds one byte
const size_t kCredentialSize = 128;

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Whether the argument begins with the option, compared without regard to case; with bExact,
// it must also end there.
bool MatchesOption(const char* pszArgument, const char* pszOption, bool bExact) {
  size_t i = 0;
  for (; pszOption[i] != 0; ++i)
    if (LowerAscii(pszArgument[i]) != pszOption[i]) return false;
  return !bExact || pszArgument[i] == 0;
}

// Copies a user name or password; false when it does not fit the buffer with its terminator.
bool CopyCredential(const char* pszSource, char (&szTarget)[kCredentialSize]) {
  if (strlen(pszSource) >= kCredentialSize) return false;
  strcpy(szTarget, pszSource);
  return true;
}

}  // namespace

void RV_TarvoltApp::HandleCommandLine() {
  const int argc = __argc;
  char** const argv = __argv;
  // An option's value is the next argument; a missing one is empty.
  auto argument = [&](int i) -> const char* { return i < argc ? argv[i] : ""; };

  CString strRequiredIp("0.0.0.0");
  int nGateways = 0;
  bool bLevelGiven = false;
  bool bInstalled = false;
  bool bUninstalling = false;

  for (int i = 1; i < argc && !bUninstalling;) {
    const char* pszArgument = argv[i];
    if (MatchesOption(pszArgument, "-i", true)) {
      ++i;
      char szUserName[kCredentialSize] = {};
      char szPassword[kCredentialSize] = {};
      bool bFits = true;
      if (argc - 1 >= 4 && MatchesOption(argument(i), "-u", false)) {
        ++i;
        if (*argument(i) != 0) bFits = CopyCredential(argument(i), szUserName) && bFits;
        ++i;
        if (*argument(i) != 0) bFits = CopyCredential(argument(i), szPassword) && bFits;
        ++i;
      }
      if (!bFits) {
        // Cut short, the account or its password would be wrong, and the service would fail
        // at its next start instead of now.
        WriteLog(1, "User name or password longer than 127 characters: the service is not installed");
        continue;
      }
      bool bHasUser = szUserName[0] != 0;
      ReplaceServiceManager(new RV_ServiceManager(szUserName, bHasUser ? szPassword : ""));
      if (m_pServiceManager->InstallService(kServiceName)) bInstalled = true;
    } else if (MatchesOption(pszArgument, "-d", true)) {
      bUninstalling = true;
      ReplaceServiceManager(new RV_ServiceManager("", ""));
      WriteLog(1, "Stopping Tarvolt service before UnInstall");
      m_pServiceManager->StopService(kServiceName);
      WriteLog(1, kLogRule);
      WriteLog(1, "Tarvolt service initiating UnInstall");
      WriteLog(1, kLogRule);
      m_pServiceManager->UninstallService(kServiceName);
    } else if (MatchesOption(pszArgument, "-ip", false)) {
      strRequiredIp = argument(i + 1);
      i += 2;
    } else if (MatchesOption(pszArgument, "-l", false)) {
      bLevelGiven = true;
      AccessGenerateLog(REG_ACCESS_WRITE, ParseNumber(argument(i + 1)));
      i += 2;
    } else if (MatchesOption(pszArgument, "-mh", false)) {
      SetMaxConnectionHours(ParseNumber(argument(i + 1)));
      i += 2;
    } else if (MatchesOption(pszArgument, "-r", false)) {
      if (nGateways < kMaxGateways)
        AddGatewayToRegistry(++nGateways, argument(i + 1));
      else
        WriteLog(1, "Only %d routers can be stored: router %s is ignored", kMaxGateways, argument(i + 1));
      i += 2;
    } else {
      ++i;
    }
  }

  if (!bLevelGiven) AccessGenerateLog(REG_ACCESS_WRITE, 1);
  if (bUninstalling) return;
  if (AccessGenerateLog(REG_ACCESS_READ, 1) > 0) {
    OpenLogger();
    if (bInstalled) WriteLog(1, "Tarvolt service has been installed successfully");
  }
  PreCheckRegistry(strRequiredIp);
}
