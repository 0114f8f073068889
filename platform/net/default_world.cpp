#include "net/default_world.h"

#include "kernel/machine.h"
#include "net/world_text.h"

namespace platform::net {
namespace {

constexpr char kDefaultWorld[] = R"(
adapter "Local Area Connection" address 192.168.1.10 mask 255.255.255.0 gateway 192.168.1.1
router 192.168.1.2
router 192.168.1.3

vpn vpn1.example.net address 203.0.113.10 client 10.8.0.2 tunnel 10.8.0.1 dial 3s
vpn vpn2.example.net address 203.0.113.20 client 10.9.0.2 tunnel 10.9.0.1 dial 3s
account vpn1.example.net alice secret
account vpn2.example.net alice secret

link 192.168.1.1 vpn1.example.net delay 40ms
link 192.168.1.1 vpn2.example.net delay 60ms
link 192.168.1.2 vpn1.example.net delay 20ms
link 192.168.1.2 vpn2.example.net delay 80ms
link 192.168.1.3 vpn1.example.net lost
link 192.168.1.3 vpn2.example.net delay 30ms

# The update server and the product's web host run on this machine.
host localhost 127.0.0.1
host updates.example.net 127.0.0.1
host www.example.net 127.0.0.1

remote-access stopped
)";

}  // namespace

World default_world() { return parse_world(kDefaultWorld); }

void install_default_world() {
  {
    machine::Statement s("SELECT COUNT(*) FROM net_adapters");
    if (s.step() && s.column_int(0) > 0) return;
  }
  store_world(default_world());
}

}  // namespace platform::net
