// gethostbyname over the world's host names.
#include <winsock2.h>

#include <string>

#include "net/world.h"
#include "net/winsock_state.h"

namespace {

// The one hostent of the thread, as Windows keeps it.
struct ThreadHostent {
  std::string name;
  uint32_t address = 0;
  char* aliases[1] = {nullptr};
  char* addresses[2] = {nullptr, nullptr};
  hostent entry{};
};

hostent* fill(const std::string& name, uint32_t address) {
  thread_local ThreadHostent h;
  h.name = name;
  h.address = address;
  h.addresses[0] = reinterpret_cast<char*>(&h.address);
  h.entry = {h.name.data(), h.aliases, AF_INET, 4, h.addresses};
  return &h.entry;
}

hostent* fail(int error) {
  WSASetLastError(error);
  return nullptr;
}

}  // namespace

extern "C" hostent* WSAAPI winsim_gethostbyname(const char* name) {
  if (!platform::net::winsock_started()) return fail(WSANOTINITIALISED);
  if (!name) return fail(WSAEFAULT);
  std::string text = name;
  // A dotted address stands for itself, as Windows answers it without asking anyone.
  u_long numeric = winsim_inet_addr(name);
  if (numeric != INADDR_NONE || text == "255.255.255.255") return fill(text, uint32_t(numeric));
  if (text.size() > 1 && text.back() == '.') text.pop_back();  // the root of a fully qualified name
  for (const platform::net::Host& host : platform::net::hosts()) {
    if (!platform::net::same_name(host.name, text)) continue;
    return host.address ? fill(host.name, host.address) : fail(WSANO_DATA);
  }
  return fail(WSAHOST_NOT_FOUND);
}
