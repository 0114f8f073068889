#include <gtest/gtest.h>

#include <string>

#include "cinvalidargexception.h"
#include "ctime.h"
#include "framework/throws_invalid_arg.h"
#include "machine/clock.h"
#include "support/machine_fixture.h"

namespace {

const LONGLONG kY2K = 946684800;  // 2000-01-01 00:00:00 UTC

class CTimeTest : public testing_support::MachineTest {
 protected:
  // A machine whose local time is UTC minus bias minutes.
  void use_bias(int bias) {
    platform::machine::Options options;
    options.tz_bias_minutes = bias;
    recreate(options);
    platform::clock::reload();
  }
  void TearDown() override {
    platform::clock::set_real();
    MachineTest::TearDown();
  }
};

TEST_F(CTimeTest, LocalFieldsFollowTheMachinesTimeZone) {
  use_bias(-120);  // two hours east of UTC
  CTime midnight(2000, 1, 1, 0, 0, 0);
  EXPECT_EQ(midnight.GetTime(), kY2K - 7200);
  CTime utcMidnight(kY2K);
  EXPECT_EQ(utcMidnight.GetYear(), 2000);
  EXPECT_EQ(utcMidnight.GetHour(), 2);
  CTime before(kY2K - 1);
  EXPECT_EQ(before.GetYear(), 2000);
  EXPECT_EQ(before.GetMonth(), 1);
  EXPECT_EQ(before.GetDay(), 1);
  EXPECT_EQ(std::string(before.Format("%Y-%m-%d %H:%M:%S %A day %j")), "2000-01-01 01:59:59 Saturday day 001");

  use_bias(300);  // five hours west
  CTime late(kY2K + 3600);
  EXPECT_EQ(late.GetYear(), 1999);
  EXPECT_EQ(late.GetMonth(), 12);
  EXPECT_EQ(late.GetDay(), 31);
  EXPECT_EQ(late.GetHour(), 20);
  EXPECT_EQ(CTime(1999, 12, 31, 20, 0, 0), late);
}

TEST_F(CTimeTest, CurrentTimeFollowsTheMachineClock) {
  platform::clock::set_manual(int64_t(kY2K + 59) * 1000000000LL + 999999999LL);
  EXPECT_EQ(CTime::GetCurrentTime().GetTime(), kY2K + 59);
  platform::clock::advance(1);
  EXPECT_EQ(CTime::GetCurrentTime().GetTime(), kY2K + 60);
  EXPECT_EQ(CTime::GetCurrentTime().GetMinute(), 1);
}

TEST_F(CTimeTest, DaysBeyondTheMonthCountOnAndBadFieldsThrow) {
  EXPECT_EQ(CTime(2011, 2, 31, 12, 0, 0), CTime(2011, 3, 3, 12, 0, 0));
  EXPECT_EQ(CTime(2012, 2, 30, 0, 0, 0), CTime(2012, 3, 1, 0, 0, 0));  // a leap year
  EXPECT_TRUE(ThrowsInvalidArg([] { CTime(2011, 13, 1, 0, 0, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([] { CTime(2011, 1, 0, 0, 0, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([] { CTime(2011, 1, 1, 24, 0, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([] { CTime(2011, 1, 1, 0, 60, 0); }));
  EXPECT_TRUE(ThrowsInvalidArg([] { CTime(1899, 1, 1, 0, 0, 0); }));
  use_bias(-60);
  // An hour before the first moment that CTime holds.
  EXPECT_TRUE(ThrowsInvalidArg([] { CTime(1970, 1, 1, 0, 0, 0); }));
  EXPECT_EQ(CTime(1970, 1, 1, 1, 0, 0).GetTime(), 0);
}

TEST_F(CTimeTest, ArithmeticWithSpans) {
  CTime start(2000, 1, 1, 23, 59, 0);
  CTime end = start + CTimeSpan(1, 0, 2, 30);
  EXPECT_EQ(end.GetDay(), 3);
  EXPECT_EQ(end.GetHour(), 0);
  EXPECT_EQ(end.GetMinute(), 1);
  EXPECT_EQ(end.GetSecond(), 30);
  CTimeSpan span = end - start;
  EXPECT_EQ(span.GetTotalSeconds(), 86400 + 150);
  EXPECT_TRUE(start < end);
  EXPECT_TRUE(end >= start);
  EXPECT_TRUE(start != end);
  end -= span;
  EXPECT_EQ(end, start);
  EXPECT_EQ((start - CTimeSpan(60)).GetMinute(), 58);
  EXPECT_TRUE((start - end) <= CTimeSpan(0));
}

TEST(CTimeSpanTest, PartsAndFormat) {
  CTimeSpan span(2, 3, 4, 5);
  EXPECT_EQ(span.GetDays(), 2);
  EXPECT_EQ(span.GetTotalHours(), 51);
  EXPECT_EQ(span.GetHours(), 3);
  EXPECT_EQ(span.GetTotalMinutes(), 51 * 60 + 4);
  EXPECT_EQ(span.GetMinutes(), 4);
  EXPECT_EQ(span.GetSeconds(), 5);
  EXPECT_EQ(std::string(span.Format("%D days %H,%M,%S %% %x")), "2 days 03,04,05 % x");
  EXPECT_EQ(std::string(CTimeSpan(301).Format("%H,%M,%S")), "00,05,01");
  EXPECT_EQ(std::string(CTimeSpan(4000000000LL * 86400).Format("%D")), "4000000000");
  CTimeSpan negative(-90);
  EXPECT_EQ(negative.GetMinutes(), -1);
  EXPECT_EQ(negative.GetSeconds(), -30);
}

}  // namespace
