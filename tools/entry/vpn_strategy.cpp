#include "vpn_strategy.h"

#include "atlstr.h"

namespace {

struct VpnStrategyKeyword {
  LPCWSTR pszKeyword;
  DWORD dwStrategy;
};

// VS_Default to VS_SstpFirst; not every SDK names the last two.
const VpnStrategyKeyword kKeywords[] = {
    {L"Default", 0},  {L"PptpOnly", 1}, {L"PptpFirst", 2}, {L"L2tpOnly", 3},
    {L"L2tpFirst", 4}, {L"SstpOnly", 5}, {L"SstpFirst", 6},
};

}  // namespace

const wchar_t kUnknownVpnStrategyText[] =
    L"Unrecognized -vt type (VPN Strategy).\n"
    L"Valid parameters are:\n"
    L"Default : With this strategy, RAS dials L2TP first. If L2TP fails, PPTP is attempted. Whichever protocol "
    L"succeeds is tried first in subsequent dialing for this entry.\n"
    L"PptpOnly : RAS dials only PPTP.\n"
    L"PptpFirst : RAS always dials PPTP first.\n"
    L"L2tpOnly : RAS dials only L2TP.\n"
    L"L2tpFirst : RAS always dials L2TP first.\n"
    L"SstpOnly : Only SSTP is attempted. (Supported on Windows Server 2008 or later)\n"
    L"SstpFirst : SSTP is attempted first. (Supported on Windows Server 2008 or later)\n";

bool LookupVpnStrategy(LPCWSTR pszKeyword, DWORD* pdwStrategy) {
  const CStringW strKeyword(pszKeyword);
  for (const VpnStrategyKeyword& keyword : kKeywords) {
    if (strKeyword.CompareNoCase(keyword.pszKeyword) != 0) continue;
    *pdwStrategy = keyword.dwStrategy;
    return true;
  }
  return false;
}
