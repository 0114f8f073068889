// The IP address control as the user types into it: field by field, with the parent told of
// each field and free to change its value.
#include <utility>
#include <vector>

#include "comctl/comctl_fixture.h"
#include "comctl/control_classes.h"
#include "conformance/comctl/ip_address_fixture.h"

namespace {

using comctl_test::notices;
using testing_support::window_text8;

using IpAddress = comctl_test::IpAddressOn<testing_support::DeskTest>;

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
