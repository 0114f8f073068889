// How the service Halvorn chooses among its gateway-server pairs, seen from outside: a network
// without entries, a pair that keeps failing, every pair failing, the address a server assigns,
// and an entry that someone else has connected.
#include <ras.h>

#include <functional>

#include "scenarios/halvorn_fixture.h"
#include "support/program_runner.h"

namespace {

using namespace halvorn_testing;
namespace fs = std::filesystem;

const char kNetworkAKey[] = "SYSTEM\\CurrentControlSet\\Services\\Halvorn\\AUTO-A";
// An empty failure slot: its time and its age.
const std::string kEmptySlot = "\"00,00,00 : 00,00,00\"";
const std::string kAllSlotsEmpty = " {timestamps = " + kEmptySlot + ", " + kEmptySlot + ", " +
                                   kEmptySlot + "}";

class HalvornPairs : public HalvornTest {
 protected:
  // The index of the n-th line (from 1) that reads `text`, or -1.
  static int nth_index(const std::vector<std::string>& texts, const std::string& text, int n) {
    int at = -1;
    for (int i = 0; i < n; ++i)
      if ((at = index_of(texts, text, at + 1)) < 0) return -1;
    return at;
  }
  static bool starts_with(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }
  static int count_between(const std::vector<std::string>& texts, const std::string& text, int from, int to) {
    return int(std::count(texts.begin() + from, texts.begin() + to, text));
  }
  static LSTATUS with_network_a_key(const std::function<LSTATUS(HKEY)>& change) {
    HKEY key = nullptr;
    LSTATUS opened = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kNetworkAKey, 0, KEY_ALL_ACCESS, &key);
    if (opened != ERROR_SUCCESS) return opened;
    LSTATUS changed = change(key);
    RegCloseKey(key);
    return changed;
  }
};

TEST_F(HalvornPairs, WithEntriesOnlyInNetworkBOnlyItsLoopRunsAndTheStopJoinsOnlyIt) {
  add_entry("AUTO-B0", "vpn1.example.net");
  install(3);
  start();
  ASSERT_TRUE(wait_for_message("Connection is active now;")) << log_text();
  EXPECT_NE(connections().find("AUTO-B0"), std::string::npos);
  EXPECT_EQ(state(), DWORD(SERVICE_RUNNING));
  stop_fast();

  std::vector<std::string> texts = messages();
  // Network A's thread ended after the scan: one loop ran, and no pass of A looked for pairs.
  EXPECT_EQ(count_of("RV_ConnectionObject::Init() Entry"), 1);
  EXPECT_EQ(count_of("No Gateway-Server combinations available; Trying again"), 0);
  EXPECT_EQ(count_of("1 Gateway-Server combinations available"), 1);
  EXPECT_GE(index_of(texts, "Required IP by the service for Network 'B' is : 0.0.0.0"), 0);
  EXPECT_EQ(index_of(texts, "Required IP by the service for Network 'A' is : 0.0.0.0"), -1);
  EXPECT_EQ(count_of("No VPN connections, Shutting down the serivce"), 0);

  // The stop wakes B's dialer, and B's loop has ended before its join returns.
  int stop_line = index_of(texts, "Service STOP initiated externally");
  ASSERT_GT(stop_line, 0);
  EXPECT_TRUE(in_order(texts, shutdown_lines(), stop_line)) << log_text();
  int woken = index_of(texts, "pVPNObject->GetNotifier() Notified disconnection", stop_line);
  int loop_end = index_of(texts, "RV_ConnectionObject::Init() Exit", stop_line);
  int joined = index_of(texts, "ShutdownServices Part 7", stop_line);
  EXPECT_GT(woken, stop_line);
  EXPECT_GT(loop_end, woken);
  EXPECT_LT(loop_end, joined);
  EXPECT_EQ(texts.back(), kRule);
  EXPECT_NE(connections().find("No connections"), std::string::npos);
}

TEST_F(HalvornPairs, APairThatFailedThreeTimesGivesWayToTheNextFastestForFiveMinutes) {
  remake(20);
  // Through the gateway vpn1 answers in 40 ms and vpn2 in 60, but vpn1 refuses AUTO-A0's password
  // after a dial of 90 s, so that its three failures lie about 95 s apart. Both drops below then
  // have more than a minute of machine time (seconds of real time) to be chosen in: the first
  // before the first failure is five minutes old, the second before the second failure is.
  add_entry("AUTO-A0", "vpn1.example.net", "wrong");
  ASSERT_EQ(winsim({"world", "set", "vpn", "vpn1.example.net", "dial", "90s"}).exit_code, 0);
  add_entry("AUTO-A1", "vpn2.example.net");
  install(3);
  start_fast();
  const std::string dial_a0 = "Dialing \"AUTO-A0\".";
  const std::string a1_up = "\"AUTO-A1\" Connection Successfull.";
  ASSERT_TRUE(wait_for_message(a1_up)) << log_text();
  EXPECT_EQ(count_of(dial_a0), 3);
  EXPECT_EQ(count_of("Setting new Timestamp"), 3);
  std::vector<LogLine> lines = log();
  std::vector<std::string> texts = messages();
  const long long first_failure = lines[index_of(texts, "Setting new Timestamp")].utc_ms;
  int full = index_of(texts, "Timestamp field(s) are Full");
  ASSERT_GT(full, 0);
  EXPECT_TRUE(starts_with(texts[full - 1], "192.168.1.1 -> vpn1.example.net {timestamps = "));
  EXPECT_EQ(texts[full - 1].find(kEmptySlot), std::string::npos) << texts[full - 1];
  EXPECT_EQ(texts[full + 1], "192.168.1.1 -> vpn2.example.net" + kAllSlotsEmpty);
  EXPECT_EQ(texts[full + 2], "Timestamp field(s) Available");
  EXPECT_NE(connections().find("AUTO-A1"), std::string::npos);

  // A drop within five minutes of the first failure: the slower pair is dialled again.
  ASSERT_EQ(winsim({"ras", "drop", "AUTO-A1"}).exit_code, 0);
  ASSERT_TRUE(wait_for_count(a1_up, 2)) << log_text();
  EXPECT_EQ(count_of(dial_a0), 3) << "redialled " << (machine_utc_ms() - first_failure) / 1000
                                  << " s of machine time after the first failure";

  // Once the first failure is older than 300 s, a drop brings the faster pair back.
  while (machine_utc_ms() - first_failure < 301000)
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  ASSERT_EQ(winsim({"ras", "drop", "AUTO-A1"}).exit_code, 0);
  ASSERT_TRUE(wait_for_count(dial_a0, 4)) << log_text();
  stop_fast();

  lines = log();
  texts = messages();
  int first_dial = index_of(texts, dial_a0);
  int fourth_dial = nth_index(texts, dial_a0, 4);
  EXPECT_GE(ms_between(lines[first_dial], lines[fourth_dial]), 300000);
  EXPECT_EQ(count_between(texts, a1_up, first_dial, fourth_dial), 2);
  // Only the expired first slot was emptied; the two younger failures still count.
  int chosen = fourth_dial;
  while (chosen > 0 && texts[chosen] != "Timestamp field(s) Available") --chosen;
  ASSERT_GT(chosen, 0);
  int second_failure = nth_index(texts, "Setting new Timestamp", 2);
  ASSERT_LT(ms_between(lines[second_failure], lines[chosen - 1]), 299000)
      << "the machine ran past the window: the pair was chosen after its second failure had expired too";
  const std::string& slots = texts[chosen - 1];
  EXPECT_TRUE(starts_with(slots, "192.168.1.1 -> vpn1.example.net {timestamps = " + kEmptySlot + ", "))
      << slots;
  EXPECT_EQ(slots.find(kEmptySlot, slots.find(kEmptySlot) + 1), std::string::npos) << slots;
}

TEST_F(HalvornPairs, WhenEveryPairIsFullAllAreClearedAndTheNextPassBeginsAtOnce) {
  // Two pairs, through the router .2 (20 ms) and the gateway .1 (40 ms); vpn1 refuses the password.
  add_entry("AUTO-A0", "vpn1.example.net", "wrong");
  install_with({"-l", "3", "-r", "192.168.1.2"});
  start();
  const std::string dial = "Dialing \"AUTO-A0\".";
  ASSERT_TRUE(wait_for_count(dial, 7)) << log_text();
  stop_fast();

  std::vector<LogLine> lines = log();
  std::vector<std::string> texts = messages();
  const std::string available = "2 Gateway-Server combinations available";
  const std::string full = "Timestamp field(s) are Full";
  // The seventh pass: both pairs have failed three times.
  int pass = nth_index(texts, available, 7);
  ASSERT_GT(pass, 0);
  ASSERT_LT(pass + 4, int(texts.size()));
  EXPECT_EQ(count_between(texts, dial, 0, pass), 6);
  EXPECT_TRUE(starts_with(texts[pass + 1], "192.168.1.2 -> vpn1.example.net {timestamps = "));
  EXPECT_EQ(texts[pass + 2], full);
  EXPECT_TRUE(starts_with(texts[pass + 3], "192.168.1.1 -> vpn1.example.net {timestamps = "));
  EXPECT_EQ(texts[pass + 4], full);
  for (int slots : {pass + 1, pass + 3}) EXPECT_EQ(texts[slots].find(kEmptySlot), std::string::npos);

  // It dials nothing and does not rest; the next pass finds every slot empty and starts over
  // with the fastest pair.
  int next = index_of(texts, available, pass + 5);
  ASSERT_GT(next, 0);
  EXPECT_EQ(count_between(texts, dial, pass, next), 0);
  EXPECT_EQ(count_between(texts, "Exiting Ping wait loop", pass, next), 0);
  // Without a rest (counted above) the next pass follows within what a loaded host takes for a pass.
  EXPECT_LT(ms_between(lines[pass + 4], lines[next]), 10000);
  EXPECT_EQ(texts[next + 1], "192.168.1.2 -> vpn1.example.net" + kAllSlotsEmpty);
  EXPECT_EQ(texts[next + 2], "Timestamp field(s) Available");
  int seventh = index_of(texts, dial, next);
  EXPECT_GT(seventh, next);
  EXPECT_GT(index_of(texts, "Route for vpn1.example.net, changed to 192.168.1.2", next), next);
}

TEST_F(HalvornPairs, TheRequiredAddressRefusesAnotherAcceptsAnyWithZerosAndRefusesAllWhenMissing) {
  ASSERT_EQ(winsim({"world", "set", "vpn", "vpn1.example.net", "client", "10.1.1.50"}).exit_code, 0);
  add_entry("AUTO-A0", "vpn1.example.net");
  install_with({"-l", "3", "-ip", "10.1.1.5"});
  EXPECT_NE(winsim({"reg", "query", std::string("HKLM\\") + kNetworkAKey, "/v", "Required_IP"}).out.find("0A010105"),
            std::string::npos);
  start();
  const std::string refused = "IP assigned by the server doesn't match the required IP. Hanging up the connection";
  const std::string accepted = "IP assigned by the server match the required IP";

  // Refused: hung up without a failure, so the same pair is dialled again.
  ASSERT_TRUE(wait_for_count(refused, 2)) << log_text();
  std::vector<std::string> texts = messages();
  EXPECT_GE(index_of(texts, "Required IP by the service for Network 'A' is : 10.1.1.5"), 0);
  EXPECT_GE(index_of(texts, "Assigned ClientIP : \"10.1.1.50\";"), 0);
  int first = index_of(texts, refused);
  EXPECT_EQ(texts[first + 1], "RV_VPNObject::HangUpConnection() Entry");
  EXPECT_EQ(count_of("Setting new Timestamp"), 0);
  EXPECT_EQ(index_of(texts, accepted), -1);

  // 0.0.0.0 accepts the same address.
  BYTE any[4] = {0, 0, 0, 0};
  ASSERT_EQ(with_network_a_key([&](HKEY key) { return RegSetValueExA(key, "Required_IP", 0, REG_BINARY, any, 4); }),
            ERROR_SUCCESS);
  ASSERT_TRUE(wait_for_message(accepted)) << log_text();
  texts = messages();
  int accepted_at = index_of(texts, accepted);
  int any_read = index_of(texts, "Required IP by the service for Network 'A' is : 0.0.0.0");
  EXPECT_GE(any_read, 0);
  EXPECT_LT(any_read, accepted_at);
  EXPECT_NE(connections().find("AUTO-A0"), std::string::npos);

  // Without the value nothing matches: the redial after a drop is refused.
  ASSERT_EQ(with_network_a_key([](HKEY key) { return RegDeleteValueA(key, "Required_IP"); }), ERROR_SUCCESS);
  EXPECT_NE(winsim({"reg", "query", std::string("HKLM\\") + kNetworkAKey, "/v", "Required_IP"}).exit_code, 0);
  int refusals = count_of(refused);
  ASSERT_EQ(winsim({"ras", "drop", "AUTO-A0"}).exit_code, 0);
  ASSERT_TRUE(wait_for_count(refused, refusals + 1)) << log_text();
  texts = messages();
  int last_refusal = nth_index(texts, refused, refusals + 1);
  int last_dial = index_of(texts, "Dialing \"AUTO-A0\".", accepted_at);
  ASSERT_GT(last_dial, accepted_at);
  EXPECT_EQ(count_between(texts, "RV_ConnectionObject::QueryRequiredIP() Entry", last_dial, last_refusal), 1);
  for (int i = last_dial; i < last_refusal; ++i) EXPECT_FALSE(starts_with(texts[i], "Required IP by the service"));
  EXPECT_EQ(count_of(accepted), 1);
  stop_fast();
  EXPECT_NE(connections().find("No connections"), std::string::npos);
}

TEST_F(HalvornPairs, AnEntryConnectedBySomeoneElseIsHungUpBeforeTheServiceDials) {
  add_entry("AUTO-A0", "vpn1.example.net");
  add_entry("AUTO-A1", "vpn2.example.net");
  auto dial_a1_elsewhere = [this] {
    auto held = testing_support::run_program(testing_support::program_dir() / "ras_holder.exe", {"AUTO-A1", "0"});
    ASSERT_EQ(held.exit_code, 0) << held.out << held.err;
    ASSERT_NE(connections().find("AUTO-A1"), std::string::npos);
  };
  const std::vector<std::string> hung_up_first = {
      "VPN connection \"AUTO-A1\" already active", "Hanging up connection : \"AUTO-A1\";",
      "Successfully hung up connection : \"AUTO-A1\";", "Dialing \"AUTO-A0\"."};
  dial_a1_elsewhere();
  install(3);
  start();
  ASSERT_TRUE(wait_for_message("Connection is active now;")) << log_text();
  std::string now = connections();
  EXPECT_NE(now.find("AUTO-A0"), std::string::npos) << now;
  EXPECT_EQ(now.find("AUTO-A1"), std::string::npos) << now;
  EXPECT_TRUE(in_order(messages(), hung_up_first)) << log_text();

  // Connected again while the service holds AUTO-A0: the pass after a drop hangs it up again.
  dial_a1_elsewhere();
  int before_drop = int(messages().size());
  ASSERT_EQ(winsim({"ras", "drop", "AUTO-A0"}).exit_code, 0);
  ASSERT_TRUE(wait_for_count("Connection is active now;", 2)) << log_text();
  now = connections();
  EXPECT_EQ(now.find("AUTO-A1"), std::string::npos) << now;
  stop_fast();

  std::vector<std::string> texts = messages();
  EXPECT_TRUE(in_order(texts, hung_up_first, before_drop)) << log_text();
  EXPECT_EQ(index_of(texts, "Dialing \"AUTO-A1\"."), -1);
  EXPECT_EQ(count_of("VPN connection \"AUTO-A1\" already active"), 2);
}

}  // namespace
