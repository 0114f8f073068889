// winsim ras add: an entry made as the entry tool makes one (type VPN, the server as its phone
// number) with its credentials for all users (or, in the user's phone book, for the user).
#include <ras.h>
#include <raserror.h>

#include <cstdio>
#include <map>

#include "ras_add.h"
#include "kernel/text.h"
#include "machine_root.h"
#include "ras/phonebooks.h"
#include "ras/record_text.h"

namespace platform::tool {
namespace {

constexpr char kUsage[] =
    "usage: winsim ras add NAME --server S --user U --password P [--psk K] [--phonebook all|user]"
    " [--device vpn|modem]";

struct NewEntry {
  std::u16string name, server, user, password, psk;
  bool user_phonebook = false;
  bool modem = false;
};

bool parse(const Args& args, NewEntry* out) {
  if (args.empty() || args[0].rfind("--", 0) == 0) return false;
  out->name = text::utf16(args[0]);
  std::map<std::string, std::string> options;
  for (size_t i = 1; i < args.size(); i += 2) {
    if (i + 1 == args.size() || args[i].rfind("--", 0) != 0) return false;
    options[args[i]] = args[i + 1];
  }
  for (const auto& [option, value] : options) {
    if (option == "--server") out->server = text::utf16(value);
    else if (option == "--user") out->user = text::utf16(value);
    else if (option == "--password") out->password = text::utf16(value);
    else if (option == "--psk") out->psk = text::utf16(value);
    else if (option == "--phonebook" && (value == "all" || value == "user")) out->user_phonebook = value == "user";
    else if (option == "--device" && (value == "vpn" || value == "modem")) out->modem = value == "modem";
    else return false;
  }
  return !out->server.empty() && options.count("--user") && options.count("--password");
}

DWORD set_credentials(const WCHAR* phonebook, const NewEntry& e, DWORD mask, const std::u16string& secret) {
  RASCREDENTIALSW credentials{};
  credentials.dwSize = sizeof credentials;
  credentials.dwMask = mask | (e.user_phonebook ? 0 : RASCM_DefaultCreds);
  ras::put(credentials.szUserName, e.user);
  ras::put(credentials.szPassword, secret);
  return RasSetCredentialsW(phonebook, text::wide(e.name), &credentials, FALSE);
}

}  // namespace

int ras_add(const Args& args) {
  NewEntry e;
  if (!parse(args, &e)) return fail(kUsage);
  std::u16string phonebook = e.user_phonebook ? ras::user_phonebook() : ras::all_users_phonebook();
  RASENTRYW entry{};
  entry.dwSize = sizeof entry;
  entry.dwType = e.modem ? RASET_Phone : RASET_Vpn;
  ras::put(entry.szDeviceType, e.modem ? u"modem" : u"vpn");
  ras::put(entry.szLocalPhoneNumber, e.server);
  entry.dwfOptions = RASEO_RemoteDefaultGateway | RASEO_RequireMsEncryptedPw | RASEO_RequireDataEncryption |
                     RASEO_RequireMsCHAP2;
  entry.dwfOptions2 = e.psk.empty() ? 0 : RASEO2_UsePreSharedKey;
  entry.dwfNetProtocols = RASNP_Ip;
  entry.dwFramingProtocol = RASFP_Ppp;
  entry.dwEncryptionType = ET_Require;
  entry.dwVpnStrategy = e.psk.empty() ? VS_Default : VS_L2tpOnly;
  entry.dwRedialCount = 3;
  entry.dwRedialPause = 60;
  const WCHAR* book = text::wide(phonebook);
  DWORD result = RasSetEntryPropertiesW(book, text::wide(e.name), &entry, sizeof entry, nullptr, 0);
  if (result == ERROR_SUCCESS) result = set_credentials(book, e, RASCM_UserName | RASCM_Password, e.password);
  if (result == ERROR_SUCCESS && !e.psk.empty()) result = set_credentials(book, e, RASCM_PreSharedKey, e.psk);
  if (result != ERROR_SUCCESS) return fail("the entry cannot be added: error " + std::to_string(result));
  std::printf("Added %s to %s.\n", text::utf8(e.name).c_str(), text::utf8(phonebook).c_str());
  return 0;
}

}  // namespace platform::tool
