#include "service/vpn_fixture.h"

#include <algorithm>
#include <cstring>

#include "machine/clock.h"
#include "kernel/machine.h"
#include "rv_connection_object.h"
#include "rv_entry_scanner.h"
#include "rv_vpn_object.h"

namespace tarvolt_testing {

void VpnTest::SetUp() {
  TarvoltTest::SetUp();
  run_command_line({"-i"});
  write_value("", "GenerateLog", REG_BINARY, bytes({3}));
  std::filesystem::remove(log_path());
}

void VpnTest::add_entry(const char* name, const char* server, const char* device_type, const char* phonebook,
                        const char* user, const char* password) {
  RASENTRYA entry;
  std::memset(&entry, 0, sizeof(entry));
  entry.dwSize = sizeof(entry);
  entry.dwType = RASET_Vpn;
  entry.dwfNetProtocols = RASNP_Ip;
  entry.dwFramingProtocol = RASFP_Ppp;
  std::strcpy(entry.szLocalPhoneNumber, server);
  std::strcpy(entry.szDeviceType, device_type);
  std::strcpy(entry.szDeviceName, "WAN Miniport (PPTP)");
  ASSERT_EQ(RasSetEntryPropertiesA(phonebook, name, &entry, sizeof(entry), nullptr, 0), 0u) << name;
  if (*user == 0) return;
  RASCREDENTIALSA credentials;
  std::memset(&credentials, 0, sizeof(credentials));
  credentials.dwSize = sizeof(credentials);
  // Stored for all users, as the entry tool does, where the phone book is the all-users one.
  credentials.dwMask = RASCM_UserName | RASCM_Password | (phonebook == nullptr ? RASCM_DefaultCreds : 0);
  std::strcpy(credentials.szUserName, user);
  std::strcpy(credentials.szPassword, password);
  ASSERT_EQ(RasSetCredentialsA(phonebook, name, &credentials, FALSE), 0u) << name;
}

void VpnTest::scan(RV_EntryScanner& scanner) {
  ASSERT_TRUE(scanner.StartScan());
  ASSERT_EQ(WaitForSingleObject(scanner.GetDoneEvent(), INFINITE), WAIT_OBJECT_0);
}

void VpnTest::speed_up_clock(int scale) {
  platform::machine::set_config("scale", std::to_string(scale));
  platform::clock::start_machine_clock();
  platform::clock::reload();
}

void VpnTest::change_world(const std::function<void(platform::net::World&)>& change) {
  platform::net::World world = platform::net::load_world();
  change(world);
  platform::net::store_world(world);
}

platform::net::VpnServer& VpnTest::server(platform::net::World& world, const char* host) {
  for (platform::net::VpnServer& s : world.vpn_servers)
    if (s.host == host) return s;
  ADD_FAILURE() << "no server " << host;
  return world.vpn_servers.front();
}

bool VpnTest::logged(const std::string& message) const {
  std::vector<std::string> messages = log_messages_so_far();
  return std::find(messages.begin(), messages.end(), message) != messages.end();
}

std::vector<std::string> entry_names(RV_ConnectionObject* network) {
  std::vector<std::string> names;
  for (INT_PTR i = 0; i < network->GetVPNObjectCount(); ++i) names.push_back(network->GetVPNObject(i)->GetEntryName());
  return names;
}

}  // namespace tarvolt_testing
