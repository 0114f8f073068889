// The network's built-in DLLs: the IP helper and the older ICMP library.
#include <icmpapi.h>
#include <iphlpapi.h>

#include "kernel/builtin_modules.h"
#include "net/interface_entry.h"

namespace platform::net {
namespace {

using modules::entry;

const modules::Builtin iphlpapi(u"iphlpapi", {{"AddIPAddress", entry(AddIPAddress)},
                                              {"CreateIpForwardEntry", entry(CreateIpForwardEntry)},
                                              {"DeleteIPAddress", entry(DeleteIPAddress)},
                                              {"DeleteIpForwardEntry", entry(DeleteIpForwardEntry)},
                                              {"GetAdaptersInfo", entry(GetAdaptersInfo)},
                                              {"GetIfEntry", entry(GetIfEntry)},
                                              {"GetInterfaceInfo", entry(GetInterfaceInfo)},
                                              {"GetIpAddrTable", entry(GetIpAddrTable)},
                                              {"GetIpForwardTable", entry(GetIpForwardTable)},
                                              {"GetIpInterfaceEntry", entry(get_ip_interface_entry)},
                                              {"GetIpNetTable", entry(GetIpNetTable)},
                                              {"IcmpCloseHandle", entry(IcmpCloseHandle)},
                                              {"IcmpCreateFile", entry(IcmpCreateFile)},
                                              {"IcmpSendEcho", entry(IcmpSendEcho)},
                                              {"IpReleaseAddress", entry(IpReleaseAddress)},
                                              {"IpRenewAddress", entry(IpRenewAddress)},
                                              {"SetIpNetEntry", entry(SetIpNetEntry)}});

const modules::Builtin icmp(u"icmp", {{"IcmpCloseHandle", entry(IcmpCloseHandle)},
                                      {"IcmpCreateFile", entry(IcmpCreateFile)},
                                      {"IcmpSendEcho", entry(IcmpSendEcho)}});

}  // namespace
}  // namespace platform::net
