// The IP address control: its address in four fields, as numbers and as dotted text, what the
// parent hears while the user types, and the field ranges.
#include "comctl/comctl_fixture.h"
#include "comctl/control_classes.h"

namespace {

using comctl_test::ComctlTest;
using comctl_test::notices;
using testing_support::window_text8;

class IpAddress : public ComctlTest {
 protected:
  void SetUp() override {
    ComctlTest::SetUp();
    ip_ = make(WC_IPADDRESS, WS_TABSTOP, 1009);
    ASSERT_NE(ip_, nullptr);
    notices().clear();
  }
  DWORD address(LRESULT* filled = nullptr) {
    DWORD a = 0xDEADBEEF;
    LRESULT n = SendMessageW(ip_, IPM_GETADDRESS, 0, LPARAM(&a));
    if (filled) *filled = n;
    return a;
  }
  HWND ip_ = nullptr;
};

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

TEST_F(IpAddress, TypingMovesFieldByFieldAndTellsTheParentOfEachField) {
  platform::comctl::type_address(ip_, u"10.200.3.44");
  EXPECT_EQ(window_text8(ip_), "10.200.3.44");
  std::vector<std::pair<int, int>> fields;
  for (const auto& n : notices())
    if (n.code == int(IPN_FIELDCHANGED)) fields.push_back({n.field, n.value});
  EXPECT_EQ(fields, (std::vector<std::pair<int, int>>{{0, 10}, {1, 200}, {2, 3}, {3, 44}}));
  EXPECT_GE(count(WM_COMMAND, EN_CHANGE), 8);  // each digit changes the address

  // Three digits move on by themselves; a value above the range is pulled into it.
  platform::comctl::type_address(ip_, u"3001.2.3");
  EXPECT_EQ(window_text8(ip_), "255.1.2.3");
}

TEST_F(IpAddress, TheParentMayChangeTheValueOfALeftField) {
  comctl_test::field_override() = 7;
  platform::comctl::type_address(ip_, u"1.2");
  EXPECT_EQ(window_text8(ip_), "7.7.0.0");
  comctl_test::field_override() = -1;  // back to blank
  platform::comctl::type_address(ip_, u"9");
  LRESULT filled = 0;
  address(&filled);
  EXPECT_EQ(filled, 0);
}

}  // namespace
