// WSAStartup and WSACleanup (counted per process) and the sockets' last error, which is the
// thread's last error as on Windows.
#include <winsock2.h>

#include <cstring>
#include <mutex>

#include "net/winsock_state.h"

namespace {

std::mutex g_lock;
int g_starts = 0;

constexpr WORD kHighestVersion = MAKEWORD(2, 2);

}  // namespace

namespace platform::net {

bool winsock_started() {
  std::lock_guard held(g_lock);
  return g_starts > 0;
}

}  // namespace platform::net

extern "C" {

int WSAAPI WSAStartup(WORD wVersionRequested, LPWSADATA lpWSAData) {
  BYTE major = LOBYTE(wVersionRequested), minor = HIBYTE(wVersionRequested);
  if (!lpWSAData) return WSAEFAULT;
  std::memset(lpWSAData, 0, sizeof *lpWSAData);
  lpWSAData->wHighVersion = kHighestVersion;
  std::strcpy(lpWSAData->szDescription, "WinSock 2.0");
  std::strcpy(lpWSAData->szSystemStatus, "Running");
  if (major < 1) {
    lpWSAData->wVersion = kHighestVersion;
    return WSAVERNOTSUPPORTED;
  }
  // A request above 2.2 gets 2.2, the caller's to check; below it, the version asked for.
  lpWSAData->wVersion = major > 2 || (major == 2 && minor > 2) ? kHighestVersion : wVersionRequested;
  if (major == 1) {  // what version 1.1 reported; later versions leave both at 0
    lpWSAData->iMaxSockets = 32767;
    lpWSAData->iMaxUdpDg = 65467;
  }
  std::lock_guard held(g_lock);
  ++g_starts;
  return 0;
}

int WSAAPI WSACleanup(void) {
  std::lock_guard held(g_lock);
  if (g_starts == 0) {
    SetLastError(WSANOTINITIALISED);
    return SOCKET_ERROR;
  }
  --g_starts;
  return 0;
}

int WSAAPI WSAGetLastError(void) { return int(GetLastError()); }

void WSAAPI WSASetLastError(int iError) { SetLastError(DWORD(iError)); }

}  // extern "C"
