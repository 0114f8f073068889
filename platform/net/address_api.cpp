// The interfaces' addresses: GetIpAddrTable, AddIPAddress, DeleteIPAddress.
#include <iphlpapi.h>

#include "kernel/machine.h"
#include "kernel/machine_signal.h"
#include "net/address.h"
#include "net/interfaces.h"
#include "net/table_out.h"

using namespace platform;
using namespace platform::net;

namespace {

constexpr DWORD kReassemblySize = 65535;
// Contexts of added addresses start above every interface index (the primary addresses' own).
constexpr long long kFirstAddedContext = 10000;

unsigned short address_type(const Interface& i, const LocalAddress& a) {
  if (a.added) return 0;
  return i.kind == InterfaceKind::ppp ? MIB_IPADDR_PRIMARY | MIB_IPADDR_DYNAMIC : MIB_IPADDR_PRIMARY;
}

}  // namespace

extern "C" {

ULONG WINAPI GetIpAddrTable(PMIB_IPADDRTABLE pIpAddrTable, PULONG pdwSize, BOOL bOrder) {
  std::vector<MIB_IPADDRROW> rows;
  for (const Interface& i : interfaces())
    for (const LocalAddress& a : i.addresses)
      rows.push_back({a.address, i.index, a.mask, 1, kReassemblySize, 0, address_type(i, a)});
  if (bOrder) sort_rows(rows, [](const MIB_IPADDRROW& r) { return numeric(r.dwAddr); });
  return copy_table(rows, pIpAddrTable, pdwSize);
}

DWORD WINAPI AddIPAddress(IPAddr Address, IPMask IpMask, DWORD IfIndex, PULONG NTEContext, PULONG NTEInstance) {
  if (!NTEContext || !NTEInstance || !is_mask(IpMask) || IpMask == 0) return ERROR_INVALID_PARAMETER;
  machine::Transaction transaction;
  auto target = find_interface(IfIndex);
  if (!target) return ERROR_DEV_NOT_EXIST;
  if (target->kind != InterfaceKind::ethernet || is_loopback(Address)) return ERROR_INVALID_PARAMETER;
  if (Address == 0 || (Address | IpMask) == 0xFFFFFFFFu) return ERROR_GEN_FAILURE;  // no host, or a broadcast
  if (is_local_address(Address)) return ERROR_DUP_DOMAINNAME;
  long long context = kFirstAddedContext;
  {
    machine::Statement s("SELECT MAX(context) FROM net_addresses");
    if (s.step() && !s.column_is_null(0)) context = s.column_int(0) + 1;
  }
  machine::Statement s("INSERT INTO net_addresses(context, if_index, address, mask) VALUES(?, ?, ?, ?)");
  s.bind(1, context).bind(2, IfIndex).bind(3, Address).bind(4, IpMask).step();
  transaction.commit();
  machine_signal::bump("routes");
  *NTEContext = ULONG(context);
  *NTEInstance = ULONG(context);
  return NO_ERROR;
}

DWORD WINAPI DeleteIPAddress(ULONG NTEContext) {
  machine::Statement s("DELETE FROM net_addresses WHERE context = ?");
  s.bind(1, NTEContext).step();
  if (sqlite3_changes(machine::db()) == 0) return ERROR_INVALID_PARAMETER;
  machine_signal::bump("routes");
  return NO_ERROR;
}

}  // extern "C"
