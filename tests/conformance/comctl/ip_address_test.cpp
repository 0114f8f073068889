// The IP address control: its address in four fields, as numbers and as dotted text, what the
// parent hears of each change, and the field ranges.
#include "conformance/comctl/ip_address_fixture.h"

namespace {

using comctl_test::notices;
using testing_support::window_text8;

using IpAddress = comctl_test::IpAddressOn<::testing::Test>;

TEST_F(IpAddress, ANewControlIsBlankAndReadsAsZeros) {
  EXPECT_TRUE(SendMessageW(ip_, IPM_ISBLANK, 0, 0));
  LRESULT filled = -1;
  EXPECT_EQ(address(&filled), 0u);
  EXPECT_EQ(filled, 0);
  EXPECT_EQ(window_text8(ip_), "0.0.0.0");
}

TEST_F(IpAddress, AddressesGoInAsNumbersOrTextAndComeOutAsBoth) {
  SendMessageW(ip_, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 20));
  EXPECT_EQ(window_text8(ip_), "192.168.1.20");
  DWORD a = address();
  EXPECT_EQ(FIRST_IPADDRESS(a), 192u);
  EXPECT_EQ(SECOND_IPADDRESS(a), 168u);
  EXPECT_EQ(THIRD_IPADDRESS(a), 1u);
  EXPECT_EQ(FOURTH_IPADDRESS(a), 20u);
  EXPECT_FALSE(SendMessageW(ip_, IPM_ISBLANK, 0, 0));

  // Text with blank fields: only the filled ones count, the blanks read 0.
  SetWindowTextW(ip_, L"10..7");
  LRESULT filled = 0;
  EXPECT_EQ(address(&filled), DWORD(MAKEIPADDRESS(10, 0, 7, 0)));
  EXPECT_EQ(filled, 2);
  EXPECT_EQ(window_text8(ip_), "10.0.7.0");
  EXPECT_EQ(GetWindowTextLengthW(ip_), 8);

  SendMessageW(ip_, IPM_CLEARADDRESS, 0, 0);
  EXPECT_TRUE(SendMessageW(ip_, IPM_ISBLANK, 0, 0));
  EXPECT_EQ(window_text8(ip_), "0.0.0.0");
}

TEST_F(IpAddress, EveryChangeReachesTheParentAsEnChangeFromTheControl) {
  SendMessageW(ip_, IPM_SETADDRESS, 0, MAKEIPADDRESS(1, 2, 3, 4));
  SetWindowTextW(ip_, L"5.6.7.8");
  SendMessageW(ip_, IPM_CLEARADDRESS, 0, 0);
  ASSERT_EQ(count(WM_COMMAND, EN_CHANGE), 3);
  EXPECT_EQ(notices()[0].id, 1009);
  EXPECT_EQ(count(WM_NOTIFY, IPN_FIELDCHANGED), 0);  // only the user's edits are field changes
}

TEST_F(IpAddress, RangesLimitTheirFieldOnly) {
  EXPECT_FALSE(SendMessageW(ip_, IPM_SETRANGE, 4, MAKEIPRANGE(0, 10)));
  EXPECT_TRUE(SendMessageW(ip_, IPM_SETRANGE, 0, MAKEIPRANGE(1, 223)));
  SetWindowTextW(ip_, L"250.250.0.999");
  EXPECT_EQ(window_text8(ip_), "223.250.0.255");
  SendMessageW(ip_, IPM_SETADDRESS, 0, MAKEIPADDRESS(0, 1, 1, 1));
  EXPECT_EQ(window_text8(ip_), "1.1.1.1");
}

}  // namespace
