#include "net/world_language.h"

#include <algorithm>
#include <charconv>

#include "net/address.h"

namespace platform::net {
namespace {

constexpr uint32_t kFirstAdapterIndex = 11;  // where Windows puts its first network adapter
// The PPP interfaces of RAS connections take the indices above.
constexpr long kLastAdapterIndex = 255;

// The words of one statement after its keyword, with the statement's name for messages.
class Words {
 public:
  explicit Words(const std::vector<std::string>& words) : words_(words) {}
  bool done() const { return pos_ >= words_.size(); }
  const std::string& next(const std::string& what) {
    if (done()) fail(what + " is missing");
    return words_[pos_++];
  }
  std::string_view peek() const { return done() ? std::string_view() : std::string_view(words_[pos_]); }
  bool take(std::string_view word) {
    if (done() || words_[pos_] != word) return false;
    ++pos_;
    return true;
  }
  [[noreturn]] void unexpected() const { fail("'" + words_[pos_] + "' is not understood here"); }
  [[noreturn]] void fail(const std::string& message) const { throw WorldError(words_[0] + ": " + message); }

  uint32_t address(const std::string& what) { return address_in(next(what)); }
  // Addresses separated by commas, "a.b.c.d,a.b.c.e".
  std::vector<uint32_t> addresses(const std::string& what) {
    const std::string& word = next(what);
    std::vector<uint32_t> values;
    for (size_t start = 0; start <= word.size();) {
      size_t comma = std::min(word.find(',', start), word.size());
      values.push_back(address_in(word.substr(start, comma - start)));
      start = comma + 1;
    }
    return values;
  }
  long number(const std::string& what, long low, long high) {
    return number_in(next(what), what, low, high, "");
  }
  // Milliseconds: "40", "40ms" or "3s".
  int duration(const std::string& what) {
    std::string word = next(what);
    long scale = 1;
    if (word.size() > 2 && word.ends_with("ms")) {
      word.resize(word.size() - 2);
    } else if (word.size() > 1 && word.ends_with("s")) {
      word.pop_back();
      scale = 1000;
    }
    return int(number_in(word, what, 0, 3'600'000 / scale, " (milliseconds, or seconds with s)") * scale);
  }
  // Takes `on` or `off` into `value`; false when the next word is neither.
  bool switch_word(std::string_view on, std::string_view off, bool* value) {
    if (take(on))
      *value = true;
    else if (take(off))
      *value = false;
    else
      return false;
    return true;
  }

 private:
  uint32_t address_in(const std::string& word) const {
    auto value = parse_dotted(word);
    if (!value) fail("'" + word + "' is not an address (a.b.c.d)");
    return *value;
  }
  long number_in(const std::string& word, const std::string& what, long low, long high, const char* hint) const {
    long value = 0;
    auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (error != std::errc() || end != word.data() + word.size() || value < low || value > high)
      fail(what + " '" + word + "' is not a number from " + std::to_string(low) + " to " + std::to_string(high) + hint);
    return value;
  }

  const std::vector<std::string>& words_;
  size_t pos_ = 1;
};

std::array<uint8_t, 6> parse_mac(Words& in) {
  const std::string& word = in.next("the MAC address");
  std::array<uint8_t, 6> mac{};
  bool good = word.size() == 17;
  for (size_t i = 0; good && i < 6; ++i) {
    auto [end, error] = std::from_chars(word.data() + i * 3, word.data() + i * 3 + 2, mac[i], 16);
    good = error == std::errc() && end == word.data() + i * 3 + 2 && (i == 5 || word[i * 3 + 2] == '-' || word[i * 3 + 2] == ':');
  }
  if (!good) in.fail("'" + word + "' is not a MAC address (XX-XX-XX-XX-XX-XX)");
  return mac;
}

template <class T, class Key>
T* find(std::vector<T>& items, Key key) {
  auto it = std::find_if(items.begin(), items.end(), key);
  return it == items.end() ? nullptr : &*it;
}

bool on_local_network(const World& world, uint32_t address) {
  return std::any_of(world.adapters.begin(), world.adapters.end(),
                     [&](const Adapter& a) { return on_network(address, a.address, a.mask); });
}

void add_router(World& world, uint32_t address) {
  if (!find(world.routers, [&](const Router& r) { return r.address == address; })) world.routers.push_back({address, true});
}

uint32_t free_adapter_index(const World& world) {
  uint32_t index = kFirstAdapterIndex;
  for (const Adapter& a : world.adapters) index = std::max(index, a.index + 1);
  return index;
}

void adapter_statement(World& world, Words& in) {
  std::string name = in.next("the adapter's name");
  Adapter* existing = find(world.adapters, [&](const Adapter& a) { return same_name(a.name, name); });
  Adapter draft = existing ? *existing : Adapter{0, name, 0, 0, {}, {}, "Ethernet Adapter", 20};
  bool has_address = existing, has_mask = existing, has_mac = existing;
  std::optional<uint32_t> index;
  while (!in.done()) {
    if (in.take("index")) {
      index = uint32_t(in.number("the index", 2, kLastAdapterIndex));
    } else if (in.take("address")) {
      draft.address = in.address("the address");
      has_address = true;
    } else if (in.take("mask")) {
      draft.mask = in.address("the mask");
      if (!is_mask(draft.mask)) in.fail(dotted(draft.mask) + " is not a network mask");
      has_mask = true;
    } else if (in.take("gateway")) {
      draft.gateways = in.take("none") ? std::vector<uint32_t>{} : in.addresses("the gateway");
    } else if (in.take("mac")) {
      draft.mac = parse_mac(in);
      has_mac = true;
    } else if (in.take("metric")) {
      draft.metric = uint32_t(in.number("the metric", 1, 9999));
    } else if (in.take("description")) {
      draft.description = in.next("the description");
    } else {
      in.unexpected();
    }
  }
  if (!has_address || !has_mask) in.fail("a new adapter needs its address and mask");
  if (index) {
    bool taken = std::any_of(world.adapters.begin(), world.adapters.end(),
                             [&](const Adapter& a) { return a.index == *index && &a != existing; });
    if (taken) in.fail("another adapter has the index " + std::to_string(*index));
    draft.index = *index;
  } else if (!existing) {
    draft.index = free_adapter_index(world);
    if (draft.index > kLastAdapterIndex) in.fail("no adapter index is free");
  }
  if (!has_mac) draft.mac = {0x02, 0x00, 0x00, 0x00, uint8_t(draft.index >> 8), uint8_t(draft.index)};
  for (uint32_t gateway : draft.gateways) {
    if (!on_network(gateway, draft.address, draft.mask))
      in.fail("the gateway " + dotted(gateway) + " is not on the adapter's network");
    if (std::count(draft.gateways.begin(), draft.gateways.end(), gateway) > 1)
      in.fail("the gateway " + dotted(gateway) + " is given twice");
  }
  for (uint32_t gateway : draft.gateways) add_router(world, gateway);
  if (existing)
    *existing = draft;
  else
    world.adapters.push_back(draft);
}

void router_statement(World& world, Words& in) {
  uint32_t address = in.address("the router's address");
  Router* existing = find(world.routers, [&](const Router& r) { return r.address == address; });
  bool up = existing ? existing->up : true;
  in.switch_word("up", "down", &up);
  if (!in.done()) in.unexpected();
  if (existing) {
    existing->up = up;
    return;
  }
  if (!on_local_network(world, address)) in.fail(dotted(address) + " is not on the network of any adapter");
  world.routers.push_back({address, up});
}

// "port P LOCALPORT" maps the host's port P to 127.0.0.1:LOCALPORT; "port P none" removes it.
void port_words(Words& in, Host& host) {
  uint16_t port = uint16_t(in.number("the port", 1, 65535));
  std::erase_if(host.ports, [&](const PortMapping& m) { return m.port == port; });
  if (in.take("none")) return;
  host.ports.push_back({port, uint16_t(in.number("the local port", 1, 65535))});
  std::sort(host.ports.begin(), host.ports.end(), [](const PortMapping& a, const PortMapping& b) { return a.port < b.port; });
}

// A bare "host NAME" is a known name without an address; with ports given alone, an existing
// host keeps its address.
void host_statement(World& world, Words& in) {
  std::string name = in.next("the host's name");
  if (parse_dotted(name)) in.fail("a host's name cannot be an address");
  Host* existing = find(world.hosts, [&](const Host& h) { return same_name(h.name, name); });
  Host draft = existing ? *existing : Host{name, 0};
  bool ports_only = !in.done() && in.peek() == "port";
  if (!ports_only) draft.address = in.done() || in.take("none") ? 0 : in.address("the host's address");
  while (!in.done()) {
    if (!in.take("port")) in.unexpected();
    port_words(in, draft);
  }
  if (existing)
    *existing = draft;
  else
    world.hosts.push_back(draft);
}

void client_range(Words& in, VpnServer& server) {
  const std::string& word = in.next("the client address");
  size_t dash = word.find('-');
  auto first = parse_dotted(word.substr(0, dash));
  auto last = dash == std::string::npos ? first : parse_dotted(word.substr(dash + 1));
  if (!first || !last || numeric(*last) < numeric(*first))
    in.fail("'" + word + "' is not a client address or range (a.b.c.d or a.b.c.d-a.b.c.e)");
  server.client_first = *first;
  server.client_last = *last;
}

void vpn_statement(World& world, Words& in) {
  std::string name = in.next("the server's host name");
  if (parse_dotted(name)) in.fail("a server's name cannot be an address");
  VpnServer* existing = find(world.vpn_servers, [&](const VpnServer& v) { return same_name(v.host, name); });
  VpnServer draft = existing ? *existing : VpnServer{name, 0, {}, "", 0, 0, 0, 3000, true, true};
  bool has_address = existing, has_client = existing, has_tunnel = existing;
  while (!in.done()) {
    if (in.take("address")) {
      draft.address = in.address("the server's address");
      has_address = true;
    } else if (in.take("client")) {
      client_range(in, draft);
      has_client = true;
    } else if (in.take("tunnel")) {
      draft.tunnel = in.address("the tunnel address");
      has_tunnel = true;
    } else if (in.take("dial")) {
      draft.dial_ms = in.duration("the dial time");
    } else if (in.take("psk")) {
      draft.psk = in.take("none") ? "" : in.next("the pre-shared key");
    } else if (in.take("echo")) {
      if (!in.switch_word("on", "off", &draft.answers_echo)) in.fail("echo takes on or off");
    } else if (!in.switch_word("up", "down", &draft.up)) {
      in.unexpected();
    }
  }
  if (!has_address || !has_client || !has_tunnel) in.fail("a new server needs its address, client and tunnel addresses");
  if (existing)
    *existing = draft;
  else
    world.vpn_servers.push_back(draft);
}

void account_statement(World& world, Words& in) {
  std::string server = in.next("the server's host name");
  std::string user = in.next("the user name");
  std::string password = in.next("the password");
  std::optional<int> dials;
  if (in.take("dials")) dials = int(in.number("the number of dials", 0, 1'000'000));
  if (!in.done()) in.unexpected();
  VpnServer* vpn = find(world.vpn_servers, [&](const VpnServer& v) { return same_name(v.host, server); });
  if (!vpn) in.fail("there is no VPN server " + server);
  if (Account* existing = find(vpn->accounts, [&](const Account& a) { return same_name(a.user, user); }))
    *existing = {existing->user, password, dials};
  else
    vpn->accounts.push_back({user, password, dials});
}

uint32_t destination(const World& world, Words& in) {
  const std::string& word = in.next("the destination");
  if (auto address = parse_dotted(word)) return *address;
  for (const Host& h : world.hosts)
    if (same_name(h.name, word) && h.address) return h.address;
  for (const VpnServer& v : world.vpn_servers)
    if (same_name(v.host, word)) return v.address;
  in.fail("'" + word + "' is neither an address nor a known host");
}

void link_statement(World& world, Words& in) {
  uint32_t hop = in.address("the next hop");
  uint32_t to = destination(world, in);
  Link* existing = find(world.links, [&](const Link& l) { return l.next_hop == hop && l.destination == to; });
  Link draft = existing ? *existing : Link{hop, to, -1, false, 0};
  while (!in.done()) {
    if (in.take("delay")) {
      draft.delay_ms = in.duration("the delay");
    } else if (in.take("loss")) {
      draft.loss_percent = int(in.number("the loss", 0, 100));
    } else if (!in.switch_word("lost", "ok", &draft.lost)) {
      in.unexpected();
    }
  }
  if (draft.delay_ms < 0 && !draft.lost) in.fail("a new link needs its delay (or lost)");
  if (draft.delay_ms < 0) draft.delay_ms = 0;
  bool router = std::any_of(world.routers.begin(), world.routers.end(), [&](const Router& r) { return r.address == hop; });
  if (!existing && hop != to && !router)
    in.fail(dotted(hop) + " is not a router (add it first: router " + dotted(hop) + ")");
  if (existing)
    *existing = draft;
  else
    world.links.push_back(draft);
}

void remote_access_statement(World& world, Words& in) {
  if (!in.switch_word("running", "stopped", &world.remote_access)) in.fail("running or stopped is missing");
  if (!in.done()) in.unexpected();
}

struct Kind {
  const char* keyword;
  void (*apply)(World&, Words&);
};

constexpr Kind kKinds[] = {
    {"adapter", adapter_statement}, {"router", router_statement},   {"host", host_statement},
    {"vpn", vpn_statement},         {"account", account_statement}, {"link", link_statement},
    {"remote-access", remote_access_statement},
};

}  // namespace

void apply_statement(World& world, const std::vector<std::string>& words) {
  if (words.empty()) throw WorldError("an empty statement");
  for (const std::string& word : words)
    if (word.find('"') != std::string::npos) throw WorldError(words[0] + ": a word cannot hold a double quote");
  for (const Kind& kind : kKinds) {
    if (words[0] != kind.keyword) continue;
    World draft = world;
    Words in(words);
    kind.apply(draft, in);
    world = std::move(draft);
    return;
  }
  throw WorldError("'" + words[0] + "' is not a statement (adapter, router, host, vpn, account, link, remote-access)");
}

}  // namespace platform::net
