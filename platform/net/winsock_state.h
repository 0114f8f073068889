// Whether the process has started Windows Sockets (WSAStartup more often than WSACleanup).
#pragma once

namespace winsim::net {

bool winsock_started();

}  // namespace winsim::net
