// What the live connections look like: RasEnumConnections, RasGetConnectStatus and
// RasGetProjectionInfo.
#include <ras.h>
#include <raserror.h>

#include <cstring>

#include "kernel/text.h"
#include "net/address.h"
#include "ras/connections.h"
#include "ras/record_array.h"
#include "ras/record_sizes.h"
#include "ras/record_text.h"

namespace platform::ras {
namespace {

// The logon session every connection of the machine's one interactive user belongs to.
constexpr LUID kLogonSession = {0x3E7, 0};

template <class Record>
DWORD enum_connections(Record* buffer, DWORD* size, DWORD* count) {
  return fill_records(buffer, size, count, live_connections(), [](Record& r, const Connection& c) {
    r.hrasconn = as_handle(c.id);
    put(r.szEntryName, c.entry);
    if (!WINSIM_HAS_MEMBER(Record, szDeviceType, r.dwSize)) return;
    put(r.szDeviceType, c.device_type);
    put(r.szDeviceName, c.device_name);
    if (!WINSIM_HAS_MEMBER(Record, szPhonebook, r.dwSize)) return;
    put(r.szPhonebook, c.phonebook);
    r.dwSubEntry = 1;
    if (!WINSIM_HAS_MEMBER(Record, guidEntry, r.dwSize)) return;
    r.guidEntry = c.guid;
    if (!WINSIM_HAS_MEMBER(Record, dwFlags, r.dwSize)) return;
    r.dwFlags = (c.all_users ? RASCF_AllUsers : 0) | (c.global_creds ? RASCF_GlobalCreds : 0);
    r.luid = kLogonSession;
  });
}

template <class Record>
DWORD get_connect_status(HRASCONN handle, Record* status) {
  if (!status) return ERROR_BUFFER_INVALID;
  if (!known_size<Record>(status->dwSize)) return ERROR_INVALID_SIZE;
  auto c = live_connection(handle_value(handle));
  if (!c) return ERROR_INVALID_HANDLE;
  status->rasconnstate = RASCS_Connected;
  status->dwError = 0;
  put(status->szDeviceType, c->device_type);
  put(status->szDeviceName, c->device_name);
  if (WINSIM_HAS_MEMBER(Record, szPhoneNumber, status->dwSize)) put(status->szPhoneNumber, c->server_host);
  return ERROR_SUCCESS;
}

template <class Record>
DWORD get_projection(HRASCONN handle, RASPROJECTION projection, void* buffer, DWORD* size) {
  if (!buffer || !size) return ERROR_INVALID_PARAMETER;
  auto c = live_connection(handle_value(handle));
  if (!c) return ERROR_INVALID_HANDLE;
  if (projection != RASP_PppIp) return ERROR_PROTOCOL_NOT_CONFIGURED;
  Record* ip = static_cast<Record*>(buffer);
  if (!known_size<Record>(ip->dwSize)) return ERROR_INVALID_SIZE;
  if (*size < ip->dwSize) {
    *size = ip->dwSize;
    return ERROR_BUFFER_TOO_SMALL;
  }
  Record filled;
  std::memset(&filled, 0, sizeof filled);
  filled.dwSize = ip->dwSize;
  put(filled.szIpAddress, text::utf16(net::dotted(c->client_address)));
  put(filled.szServerIpAddress, text::utf16(net::dotted(c->tunnel_address)));
  std::memcpy(ip, &filled, ip->dwSize);
  *size = ip->dwSize;
  return ERROR_SUCCESS;
}

}  // namespace
}  // namespace platform::ras

extern "C" {

DWORD WINAPI RasEnumConnectionsA(LPRASCONNA lprasconn, LPDWORD lpcb, LPDWORD lpcConnections) {
  return platform::ras::enum_connections(lprasconn, lpcb, lpcConnections);
}

DWORD WINAPI RasEnumConnectionsW(LPRASCONNW lprasconn, LPDWORD lpcb, LPDWORD lpcConnections) {
  return platform::ras::enum_connections(lprasconn, lpcb, lpcConnections);
}

DWORD WINAPI RasGetConnectStatusA(HRASCONN hrasconn, LPRASCONNSTATUSA lprasconnstatus) {
  return platform::ras::get_connect_status(hrasconn, lprasconnstatus);
}

DWORD WINAPI RasGetConnectStatusW(HRASCONN hrasconn, LPRASCONNSTATUSW lprasconnstatus) {
  return platform::ras::get_connect_status(hrasconn, lprasconnstatus);
}

DWORD WINAPI RasGetProjectionInfoA(HRASCONN hrasconn, RASPROJECTION rasprojection, LPVOID lpprojection, LPDWORD lpcb) {
  return platform::ras::get_projection<RASPPPIPA>(hrasconn, rasprojection, lpprojection, lpcb);
}

DWORD WINAPI RasGetProjectionInfoW(HRASCONN hrasconn, RASPROJECTION rasprojection, LPVOID lpprojection, LPDWORD lpcb) {
  return platform::ras::get_projection<RASPPPIPW>(hrasconn, rasprojection, lpprojection, lpcb);
}

}  // extern "C"
