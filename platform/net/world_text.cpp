#include "net/world_text.h"

#include <cstdio>

#include "net/address.h"

namespace platform::net {
namespace {

bool blank(char c) { return c == ' ' || c == '\t' || c == '\r'; }

std::string quoted(const std::string& word) {
  bool plain = !word.empty() && word.find_first_of(" \t#") == std::string::npos;
  return plain ? word : "\"" + word + "\"";
}

std::string mac_text(const std::array<uint8_t, 6>& mac) {
  char buffer[18];
  std::snprintf(buffer, sizeof buffer, "%02X-%02X-%02X-%02X-%02X-%02X", mac[0], mac[1], mac[2], mac[3], mac[4], mac[5]);
  return buffer;
}

// "none", or the addresses separated by commas.
std::string gateways_text(const std::vector<uint32_t>& gateways) {
  std::string text;
  for (uint32_t gateway : gateways) text += (text.empty() ? "" : ",") + dotted(gateway);
  return text.empty() ? "none" : text;
}

std::string ms(int value) { return std::to_string(value) + "ms"; }

// The name that stands for a link's destination, for the reader.
std::string destination_name(const World& world, uint32_t address) {
  for (const VpnServer& v : world.vpn_servers)
    if (v.address == address) return v.host;
  for (const Host& h : world.hosts)
    if (h.address == address) return h.name;
  return "";
}

}  // namespace

std::vector<std::string> split_words(std::string_view line) {
  std::vector<std::string> words;
  size_t i = 0;
  while (i < line.size()) {
    if (blank(line[i])) {
      ++i;
    } else if (line[i] == '#') {
      break;
    } else if (line[i] == '"') {
      size_t close = line.find('"', i + 1);
      if (close == std::string_view::npos) throw WorldError("a quote is not closed");
      words.emplace_back(line.substr(i + 1, close - i - 1));
      i = close + 1;
    } else {
      size_t end = i;
      while (end < line.size() && !blank(line[end]) && line[end] != '#' && line[end] != '"') ++end;
      words.emplace_back(line.substr(i, end - i));
      i = end;
    }
  }
  return words;
}

World parse_world(std::string_view text) {
  World world;
  int number = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++number;
    try {
      std::vector<std::string> words = split_words(line);
      if (!words.empty()) apply_statement(world, words);
    } catch (const WorldError& error) {
      throw WorldError("line " + std::to_string(number) + ": " + error.what());
    }
  }
  return world;
}

std::string format_world(const World& world) {
  std::string out = "# Adapters\n";
  for (const Adapter& a : world.adapters) {
    out += "adapter " + quoted(a.name) + " index " + std::to_string(a.index) + " address " + dotted(a.address) +
           " mask " + dotted(a.mask) + " gateway " + gateways_text(a.gateways) + " mac " +
           mac_text(a.mac) + " metric " + std::to_string(a.metric) + " description " + quoted(a.description) + "\n";
  }
  out += "\n# Routers on the local networks\n";
  for (const Router& r : world.routers) out += "router " + dotted(r.address) + (r.up ? " up\n" : " down\n");
  out += "\n# VPN servers and their accounts\n";
  for (const VpnServer& v : world.vpn_servers) {
    std::string client = dotted(v.client_first) + (v.client_last != v.client_first ? "-" + dotted(v.client_last) : "");
    out += "vpn " + quoted(v.host) + " address " + dotted(v.address) + " client " + client + " tunnel " +
           dotted(v.tunnel) + " dial " + ms(v.dial_ms) + " psk " + (v.psk.empty() ? "none" : quoted(v.psk)) +
           (v.up ? " up" : " down") + (v.answers_echo ? " echo on\n" : " echo off\n");
    for (const Account& account : v.accounts)
      out += "account " + quoted(v.host) + " " + quoted(account.user) + " " + quoted(account.password) +
             (account.dials ? " dials " + std::to_string(*account.dials) : "") + "\n";
  }
  out += "\n# Host names\n";
  for (const Host& h : world.hosts) {
    out += "host " + quoted(h.name) + " " + (h.address ? dotted(h.address) : "none");
    for (const PortMapping& mapping : h.ports) out += " port " + std::to_string(mapping.port) + " " + std::to_string(mapping.local);
    out += "\n";
  }
  out += "\n# Links: next hop, destination, round trip\n";
  for (const Link& l : world.links) {
    std::string name = destination_name(world, l.destination);
    out += "link " + dotted(l.next_hop) + " " + dotted(l.destination) + " delay " + ms(l.delay_ms) + " loss " +
           std::to_string(l.loss_percent) + (l.lost ? " lost" : " ok") + (name.empty() ? "" : "  # " + name) + "\n";
  }
  out += std::string("\nremote-access ") + (world.remote_access ? "running" : "stopped") + "\n";
  return out;
}

}  // namespace platform::net
