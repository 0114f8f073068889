// Whether the process has started Windows Sockets (WSAStartup more often than WSACleanup).
#pragma once

namespace platform::net {

bool winsock_started();

}  // namespace platform::net
