#include "scenarios/connection_watch.h"

#include <ras.h>

#include <algorithm>
#include <chrono>

namespace halvorn_testing {

namespace {

char network_of(const std::string& entry) { return entry.size() > 5 ? entry[5] : '?'; }

bool same(const std::vector<LiveConnection>& a, const std::vector<LiveConnection>& b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](const LiveConnection& x, const LiveConnection& y) {
    return x.entry == y.entry && x.handle == y.handle;
  });
}

}  // namespace

std::vector<LiveConnection> live_connections() {
  std::vector<RASCONNA> buffer(8);
  for (RASCONNA& connection : buffer) connection.dwSize = sizeof(RASCONNA);
  DWORD bytes = DWORD(buffer.size() * sizeof(RASCONNA)), count = 0;
  std::vector<LiveConnection> live;
  if (RasEnumConnectionsA(buffer.data(), &bytes, &count) != 0) return live;
  for (DWORD i = 0; i < count; ++i)
    live.push_back({buffer[i].szEntryName, uint64_t(reinterpret_cast<uintptr_t>(buffer[i].hrasconn))});
  return live;
}

ConnectionWatch::ConnectionWatch(std::function<bool(char)> usable, std::function<DWORD()> state)
    : usable_(std::move(usable)), state_(std::move(state)) {
  gap_start_ms_ = {{'A', -1}, {'B', -1}};
  figures_.longest_gap_ms = {{'A', 0}, {'B', 0}};
  figures_.connections_seen = {{'A', 0}, {'B', 0}};
  thread_ = std::thread([this] { run(); });
}

ConnectionWatch::~ConnectionWatch() { stop(); }

void ConnectionWatch::stop() {
  stopping_ = true;
  if (thread_.joinable()) thread_.join();
}

ConnectionWatch::Figures ConnectionWatch::figures() {
  std::lock_guard<std::mutex> lock(mutex_);
  return figures_;
}

std::vector<LiveConnection> ConnectionWatch::latest() {
  std::lock_guard<std::mutex> lock(mutex_);
  return latest_;
}

void ConnectionWatch::run() {
  while (!stopping_) {
    poll();
    std::this_thread::sleep_for(std::chrono::milliseconds(1));
  }
}

void ConnectionWatch::poll() {
  DWORD state = state_();
  std::vector<LiveConnection> live = live_connections();
  long long now = GetTickCount();
  std::lock_guard<std::mutex> lock(mutex_);
  ++figures_.polls;
  if (state != SERVICE_RUNNING) figures_.foreign_states.push_back(state);
  latest_ = live;
  for (char network : {'A', 'B'}) {
    std::vector<LiveConnection> held;
    for (const LiveConnection& connection : live)
      if (network_of(connection.entry) == network) held.push_back(connection);
    if (held.size() > 1) {
      std::string entries = std::to_string(now) + ":";
      for (const LiveConnection& connection : held) entries += " " + connection.entry;
      figures_.doubles.push_back(entries);
    }
    if (!held.empty() && !same(held, held_[network])) ++figures_.connections_seen[network];
    held_[network] = held;
    long long& gap_start = gap_start_ms_[network];
    if (held.empty() && usable_(network)) {
      if (gap_start < 0) gap_start = now;
      figures_.longest_gap_ms[network] = std::max(figures_.longest_gap_ms[network], now - gap_start);
    } else {
      gap_start = -1;
    }
  }
}

}  // namespace halvorn_testing
