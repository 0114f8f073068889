// A fresh machine for the RAS tests, with helpers to write phone books and make entries.
#pragma once

#include <ras.h>
#include <raserror.h>

#include <algorithm>
#include <fstream>
#include <string>

#include "kernel/paths.h"
#include "kernel/text.h"
#include "ras/phonebooks.h"
#include "ras/record_text.h"
#include "support/machine_fixture.h"
#include "support/wide.h"

namespace ras_testing {

using testing_support::u8;
using testing_support::W;

class RasTest : public testing_support::MachineTest {
 protected:
  // Writes the bytes of a phone-book file as a hand editor would.
  void write_phonebook(const std::u16string& phonebook, const std::string& bytes) {
    // C:\ is drive_c in the root; the folders do not exist yet.
    std::string relative = platform::text::utf8(phonebook.substr(3));
    std::replace(relative.begin(), relative.end(), '\\', '/');
    std::filesystem::path host = root_ / "drive_c" / relative;
    std::filesystem::create_directories(host.parent_path());
    std::ofstream(host, std::ios::binary) << bytes;
  }
  std::string read_phonebook_bytes(const std::u16string& phonebook) {
    std::ifstream file(*platform::paths::to_host(phonebook), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  }
  // A VPN entry to `server`, in `phonebook` (null: where RAS puts new entries).
  DWORD make_vpn_entry(const std::u16string& name, const std::u16string& server, const WCHAR* phonebook = nullptr,
                       bool use_psk = false) {
    RASENTRYW entry{};
    entry.dwSize = sizeof entry;
    entry.dwType = RASET_Vpn;
    platform::ras::put(entry.szDeviceType, u"vpn");
    platform::ras::put(entry.szLocalPhoneNumber, server);
    entry.dwfOptions2 = use_psk ? RASEO2_UsePreSharedKey : 0;
    entry.dwVpnStrategy = use_psk ? VS_L2tpOnly : VS_Default;
    return RasSetEntryPropertiesW(phonebook, W(name), &entry, sizeof entry, nullptr, 0);
  }
  DWORD set_credentials(const std::u16string& name, DWORD mask, const std::u16string& user,
                        const std::u16string& secret, const WCHAR* phonebook = nullptr) {
    RASCREDENTIALSW c{};
    c.dwSize = sizeof c;
    c.dwMask = mask;
    platform::ras::put(c.szUserName, user);
    platform::ras::put(c.szPassword, secret);
    return RasSetCredentialsW(phonebook, W(name), &c, FALSE);
  }
};

}  // namespace ras_testing
