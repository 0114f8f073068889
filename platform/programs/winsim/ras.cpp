// winsim ras entries|connections|drop|add: the machine's phone-book entries and connections.
#include <ras.h>
#include <raserror.h>

#include <cstdio>
#include <vector>

#include "commands.h"
#include "kernel/text.h"
#include "machine_root.h"
#include "ras/connections.h"
#include "ras_add.h"

namespace platform::tool {
namespace {

std::string utf8(const WCHAR* s) { return text::utf8(text::from_wide(s)); }

int ras_error(const char* what, DWORD code) {
  WCHAR message[512] = {};
  RasGetErrorStringW(UINT(code), message, 512);
  return fail(std::string(what) + ": error " + std::to_string(code) + " " + utf8(message));
}

// Each phone book with its entries: name, device type and server.
int list_entries() {
  DWORD size = 0, count = 0;
  std::vector<RASENTRYNAMEW> names(1);
  DWORD result = RasEnumEntriesW(nullptr, nullptr, nullptr, &size, &count);
  if (result == ERROR_BUFFER_TOO_SMALL) {
    names.resize(count);
    names[0].dwSize = sizeof(RASENTRYNAMEW);
    result = RasEnumEntriesW(nullptr, nullptr, names.data(), &size, &count);
  }
  if (result != ERROR_SUCCESS) return ras_error("the entries cannot be listed", result);
  std::string last_phonebook;
  for (DWORD i = 0; i < count; ++i) {
    RASENTRYW entry{};
    entry.dwSize = sizeof entry;
    DWORD entry_size = sizeof entry;
    if (RasGetEntryPropertiesW(names[i].szPhonebookPath, names[i].szEntryName, &entry, &entry_size, nullptr,
                               nullptr) != ERROR_SUCCESS)
      continue;
    std::string phonebook = utf8(names[i].szPhonebookPath);
    if (phonebook != last_phonebook) std::printf("%s%s\n", last_phonebook.empty() ? "" : "\n", phonebook.c_str());
    last_phonebook = phonebook;
    std::printf("    %-32s %-8s %s\n", utf8(names[i].szEntryName).c_str(), utf8(entry.szDeviceType).c_str(),
                utf8(entry.szLocalPhoneNumber).c_str());
  }
  if (count == 0) std::puts("No phone-book entries.");
  return 0;
}

// As rasdial shows them.
int list_connections() {
  DWORD size = 0, count = 0;
  std::vector<RASCONNW> connections(1);
  DWORD result = RasEnumConnectionsW(nullptr, &size, &count);
  if (result == ERROR_BUFFER_TOO_SMALL) {
    connections.resize(count);
    connections[0].dwSize = sizeof(RASCONNW);
    result = RasEnumConnectionsW(connections.data(), &size, &count);
  }
  if (result != ERROR_SUCCESS) return ras_error("the connections cannot be listed", result);
  std::puts(count ? "Connected to" : "No connections");
  for (DWORD i = 0; i < count; ++i) std::printf("%s\n", utf8(connections[i].szEntryName).c_str());
  std::puts("Command completed successfully.");
  return 0;
}

// Ends the connections of an entry as a failing server or path would.
int drop(const std::string& name) {
  bool dropped = false;
  for (const ras::Connection& c : ras::live_connections())
    if (text::iequals(c.entry, text::utf16(name))) dropped |= ras::end_connection(c.id);
  if (!dropped) return fail("no connection of the entry '" + name + "'");
  std::printf("Dropped %s.\n", name.c_str());
  return 0;
}

}  // namespace

int ras_command(const Args& args) {
  if (args.empty()) return fail("usage: winsim ras entries|connections|drop NAME|add NAME ...");
  if (!attach_machine()) return 1;
  if (args[0] == "entries" && args.size() == 1) return list_entries();
  if (args[0] == "connections" && args.size() == 1) return list_connections();
  if (args[0] == "drop" && args.size() == 2) return drop(args[1]);
  if (args[0] == "add") return ras_add(Args(args.begin() + 1, args.end()));
  return fail("usage: winsim ras entries|connections|drop NAME|add NAME ...");
}

}  // namespace platform::tool
