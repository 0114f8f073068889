#include <winsock2.h>

#include "afxsock.h"

namespace {

struct SocketLibrary {
  SocketLibrary() : data(), started(WSAStartup(MAKEWORD(1, 1), &data) == 0) {}
  ~SocketLibrary() {
    if (started) WSACleanup();
  }
  WSADATA data;
  bool started;
};

}  // namespace

BOOL AfxSocketInit(WSAData* lpwsaData) {
  static SocketLibrary library;  // a thread-safe start on the first call; the clean-up at exit
  if (!library.started) return FALSE;
  if (lpwsaData != nullptr) *lpwsaData = library.data;
  return TRUE;
}
