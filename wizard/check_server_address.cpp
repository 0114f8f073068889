#include <winsock2.h>

#include "check_server_address.h"

#include "atlconv.h"

namespace {

struct ReservedRange {
  ULONG ulFirst;  // host byte order
  int nPrefixBits;
};

// In the order they are tested.
const ReservedRange kReservedRanges[] = {
    {0x00000000, 8},   // 0.0.0.0/8
    {0x64400000, 10},  // 100.64.0.0/10
    {0x7F000000, 8},   // 127.0.0.0/8
    {0xA9FE0000, 16},  // 169.254.0.0/16
    {0xC0000000, 24},  // 192.0.0.0/24
    {0xC0000200, 24},  // 192.0.2.0/24
    {0xC6120000, 15},  // 198.18.0.0/15
    {0xC6336400, 24},  // 198.51.100.0/24
    {0xCB007100, 24},  // 203.0.113.0/24
    {0xE0000000, 4},   // 224.0.0.0/4
    {0xF0000000, 4},   // 240.0.0.0/4
};

const unsigned char kBroadcastOctet = 255;

}  // namespace

bool IsPublicAddress(ULONG ulAddress) {
  ULONG ulHostOrder = ntohl(ulAddress);
  for (const ReservedRange& range : kReservedRanges) {
    ULONG ulMask = 0xFFFFFFFFu << (32 - range.nPrefixBits);
    if ((ulHostOrder & ulMask) == range.ulFirst) return false;
  }
  return true;
}

bool CheckServerAddress(const CString& strServer) {
  CW2A szServer(strServer);
  ULONG ulAddress = inet_addr(szServer);
  if (ulAddress != INADDR_NONE) return IsPublicAddress(ulAddress);
  const hostent* pHost = gethostbyname(szServer);
  if (pHost == nullptr || pHost->h_addr_list[0] == nullptr) return false;
  return static_cast<unsigned char>(pHost->h_addr_list[0][0]) != kBroadcastOctet;
}
