// OLE dates: the texts an HTTP date leaves and the usual date and time texts parse; anything
// else leaves the value invalid; arithmetic in days works across day 0, whose negative side
// counts its fraction forward.
#include <gtest/gtest.h>

#include <string>

#include "coledatetime.h"
#include "machine/clock.h"
#include "support/machine_fixture.h"

namespace {

const LONGLONG kNoon20261209 = 1796817600;  // 2026-12-09 12:00:00 UTC

std::string Parts(const COleDateTime& date) {
  char text[64];
  snprintf(text, sizeof(text), "%04d-%02d-%02d %02d:%02d:%02d", date.GetYear(), date.GetMonth(), date.GetDay(),
           date.GetHour(), date.GetMinute(), date.GetSecond());
  return text;
}

std::string Parsed(const char* text, DWORD dwFlags = 0) {
  COleDateTime date;
  if (!date.ParseDateTime(text, dwFlags)) return date.GetStatus() == COleDateTime::invalid ? "invalid" : "?";
  return date.GetStatus() == COleDateTime::valid ? Parts(date) : "status not valid";
}

class COleDateTimeTest : public testing_support::MachineTest {
 protected:
  void TearDown() override {
    platform::clock::set_real();
    MachineTest::TearDown();
  }
};

TEST_F(COleDateTimeTest, ParsesDatesAndTimesInTheirUsualForms) {
  // What the updater keeps of "Wed, 09 Dec 2026 18:00:00 GMT", and its other spellings.
  EXPECT_EQ(Parsed("09 Dec 2026 18:00:00"), "2026-12-09 18:00:00");
  EXPECT_EQ(Parsed(" 09 Dec 2026 18:00:00 "), "2026-12-09 18:00:00");
  EXPECT_EQ(Parsed("Dec 9 2026 18:00:00"), "2026-12-09 18:00:00");
  EXPECT_EQ(Parsed("Wed, 09 Dec 2026 18:00:00"), "2026-12-09 18:00:00");
  EXPECT_EQ(Parsed("December 9, 2026 6:05:07 PM"), "2026-12-09 18:05:07");
  EXPECT_EQ(Parsed("2026-12-09 18:00"), "2026-12-09 18:00:00");
  EXPECT_EQ(Parsed("12/9/2026"), "2026-12-09 00:00:00");
  EXPECT_EQ(Parsed("12-31-99 12:30 am"), "1999-12-31 00:30:00");
  EXPECT_EQ(Parsed("1/2/29"), "2029-01-02 00:00:00");
  EXPECT_EQ(Parsed("Feb 2024"), "2024-02-01 00:00:00");
  EXPECT_EQ(Parsed("Feb 29 2024 23:59:59"), "2024-02-29 23:59:59");
  // A time alone is on day 0.
  EXPECT_EQ(Parsed("18:00:00"), "1899-12-30 18:00:00");
  EXPECT_EQ(Parsed("6 pm"), "1899-12-30 18:00:00");
  // The flags keep one part of what was read.
  EXPECT_EQ(Parsed("09 Dec 2026 18:00:00", VAR_DATEVALUEONLY), "2026-12-09 00:00:00");
  EXPECT_EQ(Parsed("09 Dec 2026 18:00:00", VAR_TIMEVALUEONLY), "1899-12-30 18:00:00");
}

TEST_F(COleDateTimeTest, AMonthAndDayAloneTakeThisYear) {
  platform::clock::set_manual(int64_t(kNoon20261209) * 1000000000LL);
  EXPECT_EQ(Parsed("Mar 4"), "2026-03-04 00:00:00");
  EXPECT_EQ(Parsed("3/4"), "2026-03-04 00:00:00");
  EXPECT_EQ(std::string(COleDateTime::GetCurrentTime().Format("%Y-%m-%d")), "2026-12-09");
}

TEST_F(COleDateTimeTest, TextsThatNameNoMomentAreInvalid) {
  const char* const texts[] = {"",           "   ",         "Thu",          "GMT",         "09 Dec 2026 18:00:00 GMT",
                               "31 Feb 2026", "Feb 29 2025", "24:00",        "12:60",       "18:00:61",
                               "13 pm",      "0 am",        "13/1/2026",    "1/2/3/4",     "Dec Jan 2026",
                               "2026",       "18:00 18:00", "09 Dec 99999", "99 Dec 2026", "18:",
                               "1:2:3:4",    "Dec 9 2026 x"};
  for (const char* text : texts) EXPECT_EQ(Parsed(text), "invalid") << '"' << text << '"';
  COleDateTime date(2026, 12, 9, 18, 0, 0);
  EXPECT_FALSE(date.ParseDateTime(nullptr));
  EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
  EXPECT_EQ(date.GetYear(), -1);
  EXPECT_EQ(date.GetSecond(), -1);
  EXPECT_EQ(std::string(date.Format()), "Invalid DateTime");
  date.SetStatus(COleDateTime::null);
  EXPECT_EQ(std::string(date.Format()), "");
}

TEST_F(COleDateTimeTest, ValuesCountDaysFromTheEndOf1899) {
  EXPECT_EQ(Parts(COleDateTime(0.0)), "1899-12-30 00:00:00");
  EXPECT_EQ(Parts(COleDateTime(2.75)), "1900-01-01 18:00:00");
  EXPECT_EQ(Parts(COleDateTime(-1.25)), "1899-12-29 06:00:00");
  EXPECT_EQ(Parts(COleDateTime(46365.75)), "2026-12-09 18:00:00");
  // Rounded to the nearest second.
  EXPECT_EQ(Parts(COleDateTime(46365.75 + 0.6 / 86400)), "2026-12-09 18:00:01");
  EXPECT_DOUBLE_EQ(COleDateTime(2026, 12, 9, 18, 0, 0).m_dt, 46365.75);
  EXPECT_DOUBLE_EQ(COleDateTime(1899, 12, 29, 6, 0, 0).m_dt, -1.25);
  EXPECT_EQ(COleDateTime(2026, 12, 9, 0, 0, 0).GetDayOfWeek(), 4);  // a Wednesday
  EXPECT_EQ(COleDateTime(2024, 12, 31, 0, 0, 0).GetDayOfYear(), 366);
  // The range ends at 100-01-01 and 9999-12-31.
  EXPECT_EQ(Parts(COleDateTime(100, 1, 1, 0, 0, 0)), "0100-01-01 00:00:00");
  EXPECT_EQ(COleDateTime(99, 12, 31, 0, 0, 0).GetStatus(), COleDateTime::invalid);
  EXPECT_EQ(COleDateTime(3000000.0).GetStatus(), COleDateTime::invalid);
  COleDateTime date;
  EXPECT_EQ(date.SetDateTime(2026, 2, 29, 0, 0, 0), 1);
  EXPECT_EQ(date.GetStatus(), COleDateTime::invalid);
  EXPECT_EQ(date.SetDate(2026, 2, 28), 0);
  EXPECT_EQ(date.GetStatus(), COleDateTime::valid);
}

TEST_F(COleDateTimeTest, ArithmeticInDaysAndSpans) {
  COleDateTime date;
  ASSERT_TRUE(date.ParseDateTime("09 Dec 2026 18:00:00"));
  // Seconds west of UTC as days, as a time-zone offset is taken off.
  COleDateTime local = date - 18000.0 / 86400;
  EXPECT_EQ(Parts(local), "2026-12-09 13:00:00");
  local -= COleDateTimeSpan(0, 14, 0, 0);
  EXPECT_EQ(Parts(local), "2026-12-08 23:00:00");
  local += 1.5;
  EXPECT_EQ(Parts(local), "2026-12-10 11:00:00");
  COleDateTimeSpan span = local - date;
  EXPECT_NEAR(span.GetTotalDays(), 17.0 / 24, 1e-9) << "to the precision of a day count";
  EXPECT_EQ(span.GetHours(), 17);
  EXPECT_EQ((date - local).GetHours(), -17);

  // Across day 0 the time line runs on without a jump.
  COleDateTime dayZero(0.25);
  COleDateTime before = dayZero - COleDateTimeSpan(0, 12, 0, 0);
  EXPECT_EQ(Parts(before), "1899-12-29 18:00:00");
  EXPECT_DOUBLE_EQ(before.m_dt, -1.75);
  EXPECT_EQ(Parts(before + 0.25), "1899-12-30 00:00:00");
  EXPECT_DOUBLE_EQ((dayZero - before).GetTotalHours(), 12);
  EXPECT_TRUE(before < dayZero);
  EXPECT_TRUE(before + 0.5 == dayZero);

  // Leaving the range, or an invalid operand, makes an invalid result; a null one a null result.
  EXPECT_EQ((COleDateTime(9999, 12, 31, 12, 0, 0) + 1.0).GetStatus(), COleDateTime::invalid);
  COleDateTime invalid;
  invalid.ParseDateTime("Thu");
  EXPECT_EQ((invalid + 1.0).GetStatus(), COleDateTime::invalid);
  COleDateTimeSpan nullSpan(1.0);
  nullSpan.SetStatus(COleDateTimeSpan::null);
  EXPECT_EQ((date + nullSpan).GetStatus(), COleDateTime::null);
  EXPECT_EQ((invalid - date).GetStatus(), COleDateTimeSpan::invalid);
}

TEST_F(COleDateTimeTest, FormatsInTheLocalesFormAndByStrftimeCodes) {
  EXPECT_EQ(std::string(COleDateTime(2026, 12, 9, 18, 5, 7).Format()), "12/9/2026 6:05:07 PM");
  EXPECT_EQ(std::string(COleDateTime(2026, 12, 9, 0, 0, 0).Format()), "12/9/2026");
  EXPECT_EQ(std::string(COleDateTime(1899, 12, 30, 0, 30, 0).Format()), "12:30:00 AM");
  EXPECT_EQ(std::string(COleDateTime(1899, 12, 30, 0, 0, 0).Format()), "12:00:00 AM");
  EXPECT_EQ(std::string(COleDateTime(2026, 12, 9, 18, 5, 7).Format(VAR_DATEVALUEONLY)), "12/9/2026");
  EXPECT_EQ(std::string(COleDateTime(2026, 12, 9, 0, 0, 0).Format(VAR_TIMEVALUEONLY)), "12:00:00 AM");
  EXPECT_EQ(std::string(COleDateTime(2026, 12, 9, 18, 5, 7).Format("%Y-%m-%d %H:%M:%S %a %j")),
            "2026-12-09 18:05:07 Wed 343");
}

}  // namespace
