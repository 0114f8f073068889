// The service Halvorn while it holds a connection, in a machine whose clock runs fast: a server
// that stops answering echoes, the end of a connection's maximum life, a default gateway that
// comes and goes, and a stop from the manager.
#include <time.h>

#include <cstdio>
#include <cstdlib>

#include "scenarios/halvorn_fixture.h"

namespace {

using namespace halvorn_testing;

const std::string kActive = "Connection is active now;";

// The bias (UTC minus local time, in minutes) that makes the local time of day `local_minutes` now.
int bias_for_local(int local_minutes) {
  time_t now = time(nullptr);
  tm utc{};
  gmtime_r(&now, &utc);
  int bias = ((utc.tm_hour * 60 + utc.tm_min - local_minutes) % 1440 + 1440) % 1440;
  return bias > 720 ? bias - 1440 : bias;
}

class HalvornEvents : public HalvornTest {
 protected:
  // The time zone is kept for reading local times from the log's UTC stamps.
  void remake(double scale, int tz_bias_minutes = 0) {
    bias_ = tz_bias_minutes;
    HalvornTest::remake(scale, tz_bias_minutes);
  }

  // The first line from `from` on that begins with `prefix`; -1 when none.
  static int find_prefix(const std::vector<LogLine>& lines, const std::string& prefix, int from = 0) {
    for (int i = std::max(from, 0); i < int(lines.size()); ++i)
      if (lines[i].message.rfind(prefix, 0) == 0) return i;
    return -1;
  }
  // The number that follows `prefix` in its first line.
  static long long number_after(const std::vector<LogLine>& lines, const std::string& prefix) {
    int i = find_prefix(lines, prefix);
    return i < 0 ? -1 : std::stoll(lines[i].message.substr(prefix.size()));
  }
  long long local_ms(const LogLine& line) const { return line.utc_ms - bias_ * 60000LL; }
  long long local_day(const LogLine& line) const { return local_ms(line) / 86400000; }
  long long local_second_of_day(const LogLine& line) const { return local_ms(line) % 86400000 / 1000; }

  // A connection of "MaxConnectionHours" `hours` (a day or more) ends within the first hour after
  // the local midnight `days` days after the start of the day it came up.
  void expect_life_ends_after_local_midnight(int hours, double scale, int days);

  int bias_ = 0;
};

void HalvornEvents::expect_life_ends_after_local_midnight(int hours, double scale, int days) {
  // Local time 21:00 as the machine starts leaves it evening when the connection comes up.
  int bias = bias_for_local(21 * 60);
  if (std::abs(bias) < 60) bias = bias_for_local(19 * 60);  // local must differ from UTC
  remake(scale, bias);
  add_entry("AUTO-A0", "vpn1.example.net");
  install_with({"-l", "2", "-mh", std::to_string(hours)});
  start_fast();
  ASSERT_TRUE(wait_for_message("Restarting the connection after the time lapse.")) << log_text();
  stop_fast();

  std::vector<LogLine> lines = log();
  long long base = days * 86400LL;
  EXPECT_EQ(number_after(lines, "Max Duration : "), base);
  long long since_midnight = number_after(lines, "Lapse Time in Seconds : ");
  long long life = number_after(lines, "Max Connection Life set to : ");
  EXPECT_GE(life, base - since_midnight);
  EXPECT_LT(life, base - since_midnight + 3600);

  int up = find_prefix(lines, "Connection Established at : ");
  int lapse = find_prefix(lines, "Restarting the connection after the time lapse.");
  int down = find_prefix(lines, "Connection down at : ", lapse);
  ASSERT_GE(up, 0);
  ASSERT_GT(lapse, up);
  ASSERT_GT(down, lapse);
  // A few real milliseconds of the service's own work, in machine seconds.
  const double slack_s = std::max(5.0, scale * 0.08);
  // The seconds since midnight were counted in local time, when the connection came up.
  EXPECT_NEAR(double(local_second_of_day(lines[up])), double(since_midnight), slack_s);
  // It ends the random part of its life after the local midnight `days` days on.
  long long spread_s = life - (base - since_midnight);
  long long midnight_ms = (local_day(lines[up]) + days) * 86400000LL;
  EXPECT_NEAR(double(local_ms(lines[lapse]) - midnight_ms) / 1000, double(spread_s), slack_s);
  // The service's own local time of the end agrees.
  unsigned h = 99, m = 0, sec = 0;
  ASSERT_EQ(sscanf(lines[down].message.c_str(), "Connection down at : %u Hours %u Minutes %u Seconds", &h, &m, &sec), 3);
  long long apart_s = (h * 3600 + m * 60 + sec - local_second_of_day(lines[down]) + 86400 + 43200) % 86400 - 43200;
  EXPECT_LE(std::llabs(apart_s), slack_s);
}

// The check after the last good one finds the server silent, hangs up, counts the failure
// against the pair and dials the entry of the other server, whose pair now measures faster.
TEST_F(HalvornEvents, AServerThatStopsAnsweringEchoesIsHungUpAtTheNextCheckAndTheOtherPairDialled) {
  remake(20);
  add_entry("AUTO-A0", "vpn1.example.net");
  add_entry("AUTO-A1", "vpn2.example.net");
  install_with({"-l", "3"});
  start_fast();
  const std::string good = "Pinging to server IP 10.8.0.1 was successful : 1";
  ASSERT_TRUE(wait_for_message(good)) << log_text();
  world_set({"vpn", "vpn1.example.net", "echo", "off"});
  ASSERT_TRUE(wait_for_message("\"AUTO-A1\" Dialing Successful.")) << log_text();
  std::string held = connections();
  stop_fast();

  std::vector<LogLine> lines = log();
  int checked = find_prefix(lines, good);
  int silent = find_prefix(lines, "Pinging to server IP 10.8.0.1 was not successful. Hanging up.");
  ASSERT_GT(silent, checked);
  EXPECT_EQ(find_prefix(lines, "Pinging to server IP 10.8.0.1 was successful : 2"), -1);
  // One wait of 60 s, then three unanswered echoes of 5 s each.
  long long gap_ms = lines[silent].utc_ms - lines[checked].utc_ms;
  EXPECT_GE(gap_ms, 70000);
  EXPECT_LE(gap_ms, 80000);
  int hung_up = find_prefix(lines, "Successfully hung up connection : \"AUTO-A0\";", silent);
  int notified = find_prefix(lines, "pVPNObject->GetNotifier() Notified disconnection", silent);
  int stamped = find_prefix(lines, "Setting new Timestamp", notified);
  int redial = find_prefix(lines, "Dialing \"AUTO-A1\".", silent);
  EXPECT_GT(hung_up, silent);
  EXPECT_GT(notified, silent);
  EXPECT_GT(stamped, notified);
  EXPECT_GT(redial, stamped);
  int faster = find_prefix(lines, "Route for 192.168.1.1 for the server vpn2.example.net pings in 60ms", silent);
  int slower = find_prefix(lines, "Route for 192.168.1.1 for the server vpn1.example.net pings in 5001ms", silent);
  EXPECT_GT(faster, silent);
  EXPECT_GT(slower, faster);
  EXPECT_NE(held.find("AUTO-A1"), std::string::npos) << held;
  EXPECT_EQ(held.find("AUTO-A0"), std::string::npos) << held;
}

// "MaxConnectionHours" 0: the life is under an hour; its end hangs up and redials without a
// failure timestamp.
TEST_F(HalvornEvents, ALifeOfZeroHoursIsRenewedWithinTheHourWithoutATimestamp) {
  remake(200);
  add_entry("AUTO-A0", "vpn1.example.net");
  install_with({"-l", "3", "-mh", "0"});
  start_fast();
  ASSERT_TRUE(wait_for_count(kActive, 2)) << log_text();
  stop_fast();

  std::vector<LogLine> lines = log();
  EXPECT_EQ(number_after(lines, "Max Duration : "), 0);
  long long life = number_after(lines, "Max Connection Life set to : ");
  EXPECT_GE(life, 0);
  EXPECT_LT(life, 3600);
  int up = find_prefix(lines, "Connection Established at : ");
  int lapse = find_prefix(lines, "Restarting the connection after the time lapse.");
  ASSERT_GT(lapse, up);
  ASSERT_GE(up, 0);
  long long held_ms = lines[lapse].utc_ms - lines[up].utc_ms;
  EXPECT_GE(held_ms, life * 1000);
  // At scale 200 a loaded host's late wake-up of 0.1 s real is 20 s of machine time.
  EXPECT_LT(held_ms, life * 1000 + 30000);
  EXPECT_LT(held_ms, 3600 * 1000);
  int down = find_prefix(lines, "Connection down at : ", lapse);
  int hung_up = find_prefix(lines, "Successfully hung up connection : \"AUTO-A0\";", lapse);
  int again = find_prefix(lines, kActive, lapse);
  EXPECT_GT(down, lapse);
  EXPECT_GT(hung_up, down);
  EXPECT_GT(again, hung_up);
  EXPECT_EQ(find_prefix(lines, "Setting new Timestamp"), find_prefix(lines, "Setting new Timestamp", again))
      << "only the stop's own drop counts";
}

TEST_F(HalvornEvents, ALifeOf24HoursEndsInTheFirstHourAfterTheNextLocalMidnight) {
  expect_life_ends_after_local_midnight(24, 1000, 1);
}

TEST_F(HalvornEvents, ALifeOf144HoursEndsInTheFirstHourAfterTheLocalMidnightSixDaysOn) {
  expect_life_ends_after_local_midnight(144, 20000, 6);
}

// A default gateway that appears while a connection is held gets its pairs at the next pass,
// after the pairs already known; one that goes loses them, and when it comes back its pairs are
// new ones without the failures of the old.
TEST_F(HalvornEvents, ADefaultGatewayAddedAndRemovedWhileConnectedFollowsIntoThePairs) {
  remake(20);
  world_set({"adapter", "Local Area Connection", "gateway", "none"});
  world_set({"link", "192.168.1.1", "vpn1.example.net", "delay", "10"});
  add_entry("AUTO-A0", "vpn1.example.net");
  install_with({"-r", "192.168.1.2", "-l", "3"});
  start_fast();
  const std::string added = "Default Gateway 192.168.1.1 -> vpn1.example.net";
  const std::string fresh = "192.168.1.1 -> vpn1.example.net {timestamps = \"00,00,00 : 00,00,00\", "
                            "\"00,00,00 : 00,00,00\", \"00,00,00 : 00,00,00\"}";
  const std::string via_default = "Route for vpn1.example.net, changed to 192.168.1.1";
  const std::string via_router = "Route for vpn1.example.net, changed to 192.168.1.2";
  int dials = 1;
  // Drops the held connection and returns the index of the log line from which the next pass reads.
  auto next_pass = [&] {
    EXPECT_TRUE(wait_for_count(kActive, dials)) << log_text();
    int from = int(messages().size());
    winsim({"ras", "drop", "AUTO-A0"});
    EXPECT_TRUE(wait_for_count(kActive, ++dials)) << log_text();
    return from;
  };
  ASSERT_TRUE(wait_for_count(kActive, 1)) << log_text();
  auto texts = messages();
  EXPECT_GE(index_of(texts, "1 Gateway-Server combinations available"), 0);
  EXPECT_GE(index_of(texts, via_router), 0);
  EXPECT_EQ(index_of(texts, added), -1);

  world_set({"adapter", "Local Area Connection", "gateway", "192.168.1.1"});
  int from = next_pass();
  texts = messages();
  EXPECT_EQ(count_of(added), 1);
  EXPECT_GT(index_of(texts, added, from), from);
  EXPECT_GE(index_of(texts, "2 Gateway-Server combinations available", from), 0);
  // Measured in list order, the new pair last; dialled first, as the faster one.
  EXPECT_TRUE(in_order(texts,
                       {"192.168.1.2 -> vpn1.example.net  = (20ms, 20ms)", "192.168.1.1 -> vpn1.example.net  = (10ms, 10ms)",
                        "Route for 192.168.1.1 for the server vpn1.example.net pings in 10ms",
                        "Route for 192.168.1.2 for the server vpn1.example.net pings in 20ms", fresh, via_default},
                       from))
      << log_text();

  // The drop of the connection through it counts against the new pair.
  from = next_pass();
  texts = messages();
  int counted = -1;
  for (int i = from; i < int(texts.size()) && counted < 0; ++i)
    if (texts[i].rfind("192.168.1.1 -> vpn1.example.net {timestamps = ", 0) == 0) counted = i;
  ASSERT_GT(counted, 0);
  EXPECT_NE(texts[counted], fresh);
  EXPECT_GT(index_of(texts, via_default, counted), counted);

  world_set({"adapter", "Local Area Connection", "gateway", "none"});
  from = next_pass();
  texts = messages();
  EXPECT_GE(index_of(texts, "1 Gateway-Server combinations available", from), 0);
  EXPECT_EQ(index_of(texts, "Route for 192.168.1.1 for the server vpn1.example.net pings in 10ms", from), -1);
  EXPECT_GT(index_of(texts, via_router, from), from);

  world_set({"adapter", "Local Area Connection", "gateway", "192.168.1.1"});
  from = next_pass();
  texts = messages();
  EXPECT_EQ(count_of(added), 2);
  EXPECT_TRUE(in_order(texts, {added, "2 Gateway-Server combinations available", fresh, via_default}, from))
      << log_text();
  stop_fast();
}

// A stop while a connection is held ends the hold through the entry's disconnect event and hangs
// the connection up before the network's thread is joined. Over a slow link the stop lands in a
// check of the server and waits for its echoes, reporting stop-pending with each check point.
TEST_F(HalvornEvents, AStopDuringACheckOfAHeldConnectionHangsItUpAndReportsEachStepOfTheStop) {
  // A slow clock: the first echo stays out for a second and a half of real time, room enough for
  // the stop on a loaded host.
  remake(2.5);
  world_set({"link", "192.168.1.1", "vpn1.example.net", "delay", "4000"});
  add_entry("AUTO-A0", "vpn1.example.net");
  install(3);
  start_fast();
  ASSERT_TRUE(wait_for_message(kActive)) << log_text();
  ASSERT_NE(connections().find("AUTO-A0"), std::string::npos);
  const std::string check_entry = "RV_ConnectionObject::IsVPNServerPingable() Entry";
  ASSERT_TRUE(wait_for_message(check_entry)) << log_text();

  // The stop must land while the check's first echo (4 s of machine time) is still out: the
  // hang-up then leaves the later echoes unanswered, and the stop waits out their time-outs.
  BOOL stopped = FALSE;
  std::vector<DWORD> check_points = stop_watching_check_points(&stopped, [](const SERVICE_STATUS&) {});
  SERVICE_STATUS status{};
  EXPECT_TRUE(stopped);
  // No heartbeat may report after the stopped state.
  std::this_thread::sleep_for(std::chrono::milliseconds(300));
  EXPECT_EQ(query(&status), DWORD(SERVICE_STOPPED));
  EXPECT_EQ(status.dwCheckPoint, 0u);

  std::vector<LogLine> lines = log();
  std::vector<std::string> texts = messages();
  int checked = index_of(texts, check_entry);
  int stop = index_of(texts, "Service STOP initiated externally", checked);
  int check_done = index_of(texts, "RV_ConnectionObject::IsVPNServerPingable() Exit", checked);
  ASSERT_GT(stop, checked) << log_text();
  ASSERT_GT(check_done, stop) << "the stop came after the check: " << log_text();
  int closing = index_of(texts, "Closing the logger and Shutting Down", stop);
  ASSERT_GT(closing, stop);
  ASSERT_GE(check_points.size(), 3u) << "the stop came " << ms_between(lines[checked], lines[stop])
                                     << " ms into the check and was pending for "
                                     << ms_between(lines[stop], lines[closing]) << " ms (machine time)";
  for (size_t i = 0; i < check_points.size(); ++i) EXPECT_EQ(check_points[i], i) << "a report was skipped";

  EXPECT_EQ(connections(), "No connections\nCommand completed successfully.\n");
  EXPECT_NE(winsim({"sc", "query", "Halvorn"}).out.find("1  STOPPED"), std::string::npos);
  EXPECT_TRUE(in_order(texts, shutdown_lines(), stop)) << log_text();
  EXPECT_TRUE(in_order(texts,
                       {"ShutdownServices Part 2", "pVPNObject->GetNotifier() Notified disconnection", "Setting new Timestamp",
                        "Successfully hung up connection : \"AUTO-A0\";", "ShutdownServices Part 6"},
                       stop))
      << log_text();
  EXPECT_EQ(texts.back(), kRule);
}

}  // namespace
