// A machine with the service installed, its log at the most detailed level, and helpers that
// write phone-book entries the way the entry tool does.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rv_net_api.h"
#include "service/tarvolt_fixture.h"

#include "machine/world.h"

class RV_ConnectionObject;
class RV_EntryScanner;

namespace tarvolt_testing {

class VpnTest : public TarvoltTest {
 protected:
  void SetUp() override;
  // A VPN entry with the server as its phone number, and the user name and password stored
  // (for all users in the all-users phone book, which a null one names) unless the user is empty.
  void add_entry(const char* name, const char* server, const char* device_type = "vpn",
                 const char* phonebook = nullptr, const char* user = "alice", const char* password = "secret");
  // One scan to its end.
  void scan(RV_EntryScanner& scanner);
  // The machine clock runs this many times faster from now on, so that dials and time-outs pass
  // quickly; waits in the test then count machine time too.
  void speed_up_clock(int scale);
  // Changes the machine's network world.
  void change_world(const std::function<void(platform::net::World&)>& change);
  platform::net::VpnServer& server(platform::net::World& world, const char* host);
  // Whether the log holds this message.
  bool logged(const std::string& message) const;
};

std::vector<std::string> entry_names(RV_ConnectionObject* network);

}  // namespace tarvolt_testing
