// Dialling an entry, synchronously and in machine time, with the outcome the world gives:
//   - the entry already connected: that connection, at once;
//   - a VPN server name that does not resolve: ERROR_DNSNAME_NOT_RESOLVABLE (868), at once;
//   - nothing answers (server down or unknown, no route, router down, link lost):
//     ERROR_AUTOMATIC_VPN_FAILED (800) for a vpn device, ERROR_NO_ANSWER (678) for a modem
//     (whose number always "dials"), after kNoAnswerTimeoutMs;
//   - otherwise, after the server's dial time plus the round trip of the path to it:
//     a pre-shared key the server needs but the entry does not use or has wrong:
//     ERROR_OAKLEY_GENERAL_PROCESSING (789); user name and password the server does not know:
//     ERROR_AUTHENTICATION_FAILURE (691); no client address left in the server's range:
//     ERROR_PPP_NO_ADDRESS_ASSIGNED (738); else a connection.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ras/phonebooks.h"

namespace platform::ras {

constexpr DWORD kNoAnswerTimeoutMs = 30000;

struct DialRequest {
  Located entry;
  std::u16string phone_number;  // the entry's, unless the caller gave one
  std::u16string user_name, password;
  bool global_creds = false;  // the password came from the all-users credentials
};

// Dials under `handle`; on success *connected is the handle of the connection (the entry's
// existing one, or `handle`).
DWORD dial(const DialRequest& request, uint64_t handle, uint64_t* connected);

}  // namespace platform::ras
