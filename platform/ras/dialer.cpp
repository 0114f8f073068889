#include "ras/dialer.h"

#include <ras.h>
#include <raserror.h>

#include <algorithm>

#include "machine/clock.h"
#include "kernel/machine.h"
#include "kernel/machine_signal.h"
#include "kernel/text.h"
#include "kernel/wait.h"
#include "net/address.h"
#include "net/world.h"
#include "ras/connections.h"
#include "ras/credentials.h"
#include "ras/entry_record.h"
#include "ras/server_path.h"

namespace platform::ras {
namespace {

// The PPP interface of a connection gets an index of its own, apart from the adapters'.
constexpr uint32_t kFirstPppInterfaceIndex = 0x100;

bool is_vpn(const PhonebookEntry& entry) {
  std::u16string type = entry_device_type(entry);
  return type.empty() ? entry_type(entry) == RASET_Vpn : text::iequals(type, u"vpn");
}

std::u16string device_name(const PhonebookEntry& entry, bool vpn) {
  std::u16string name = entry_device_name(entry);
  if (!name.empty()) return name;
  if (!vpn) return u"Standard Modem";
  switch (entry_vpn_strategy(entry)) {
    case VS_L2tpOnly:
    case VS_L2tpFirst:
      return u"WAN Miniport (L2TP)";
    case VS_SstpOnly:
    case VS_SstpFirst:
      return u"WAN Miniport (SSTP)";
    case VS_Ikev2Only:
    case VS_Ikev2First:
      return u"WAN Miniport (IKEv2)";
    default:
      return u"WAN Miniport (PPTP)";
  }
}

std::optional<uint32_t> server_address_of(const std::u16string& host) {
  std::string name = text::utf8(host);
  if (auto dotted = net::parse_dotted(name)) return dotted;
  return net::resolve(name);
}

std::optional<Connection> connection_of(const Located& entry) {
  for (Connection& c : live_connections())
    if (text::iequals(c.phonebook, entry.phonebook) && text::iequals(c.entry, entry.entry.name)) return std::move(c);
  return std::nullopt;
}

// The account the server takes the dial with, one that has dials left.
const net::Account* matching_account(const net::VpnServer& server, const DialRequest& request) {
  auto found = std::find_if(server.accounts.begin(), server.accounts.end(), [&](const net::Account& a) {
    return text::iequals(text::utf16(a.user), request.user_name) && text::utf16(a.password) == request.password &&
           a.dials.value_or(1) > 0;
  });
  return found == server.accounts.end() ? nullptr : &*found;
}

bool preshared_key_accepted(const net::VpnServer& server, const DialRequest& request) {
  if (server.psk.empty()) return true;
  if (!entry_uses_preshared_key(request.entry.entry)) return false;
  bool ignored = false;
  Credentials c = effective_credentials(request.entry.phonebook, request.entry.entry.name, &ignored);
  return (c.stored & RASCM_PreSharedKey) && c.preshared_key == text::utf16(server.psk);
}

// The server's fixed address, or the lowest of its range that no connection to it holds.
std::optional<uint32_t> free_client_address(const net::VpnServer& server) {
  if (server.client_first == server.client_last) return server.client_first;
  std::vector<Connection> live = live_connections();
  for (uint32_t n = net::numeric(server.client_first); n <= net::numeric(server.client_last); ++n) {
    uint32_t candidate = net::from_numeric(n);
    bool taken = std::any_of(live.begin(), live.end(), [&](const Connection& c) {
      return c.server_address == server.address && c.client_address == candidate;
    });
    if (!taken) return candidate;
    if (n == 0xFFFFFFFFu) break;
  }
  return std::nullopt;
}

// Waits out the rest of the time-out since `started_ns`, then reports that nothing answered.
DWORD no_answer(int64_t started_ns, bool vpn) {
  int64_t waited_ms = (clock::now_ns() - started_ns) / 1000000;
  if (waited_ms < int64_t(kNoAnswerTimeoutMs)) wait::sleep(DWORD(kNoAnswerTimeoutMs - waited_ms));
  return vpn ? ERROR_AUTOMATIC_VPN_FAILED : ERROR_NO_ANSWER;
}

}  // namespace

DWORD dial(const DialRequest& request, uint64_t handle, uint64_t* connected) {
  if (auto existing = connection_of(request.entry)) {
    *connected = existing->id;
    return ERROR_SUCCESS;
  }
  const int64_t started_ns = clock::now_ns();
  const bool vpn = is_vpn(request.entry.entry);
  std::optional<uint32_t> address = server_address_of(request.phone_number);
  if (!address) return vpn ? ERROR_DNSNAME_NOT_RESOLVABLE : no_answer(started_ns, vpn);
  auto server = net::vpn_server_at(*address);
  auto path = server_path(*address);
  if (!server || !path) return no_answer(started_ns, vpn);
  wait::sleep(DWORD(std::max(0, server->dial_ms + path->round_trip_ms)));
  // The world may have changed while the call went on.
  server = net::vpn_server_at(*address);
  if (!server || !server_path(*address)) return no_answer(started_ns, vpn);
  if (!preshared_key_accepted(*server, request)) return ERROR_OAKLEY_GENERAL_PROCESSING;
  const net::Account* account = matching_account(*server, request);
  if (!account) return ERROR_AUTHENTICATION_FAILURE;

  machine::Transaction transaction;
  std::optional<uint32_t> client = free_client_address(*server);
  if (!client) return ERROR_PPP_NO_ADDRESS_ASSIGNED;
  net::count_dial(server->host, account->user);
  Connection c;
  c.id = handle;
  c.entry = request.entry.entry.name;
  c.phonebook = request.entry.phonebook;
  c.guid = entry_guid(request.entry.entry, request.entry.phonebook);
  c.device_type = vpn ? u"vpn" : u"modem";
  c.device_name = device_name(request.entry.entry, vpn);
  c.server_host = request.phone_number;
  c.server_address = *address;
  c.client_address = *client;
  c.tunnel_address = server->tunnel;
  c.if_index = kFirstPppInterfaceIndex + handle_serial(handle);
  c.dialled_ns = clock::now_ns();
  c.all_users = is_all_users(request.entry.phonebook);
  c.global_creds = request.global_creds;
  add_connection(c);
  transaction.commit();
  machine_signal::bump("ras");
  *connected = handle;
  return ERROR_SUCCESS;
}

}  // namespace platform::ras
