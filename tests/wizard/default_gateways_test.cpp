// The router page's view of the default gateways: every gateway of every adapter read from the
// machine, and a router refused only when it is one of them as a whole address.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "default_gateways.h"
#include "net/world_language.h"
#include "net/world_text.h"
#include "support/machine_fixture.h"
#include "support/wide.h"

namespace {

using testing_support::U;

class DefaultGatewaysTest : public testing_support::MachineTest {
 protected:
  static void World(const std::string& statement) {
    platform::net::change_world(
        [&](platform::net::World& w) { platform::net::apply_statement(w, platform::net::split_words(statement)); });
  }
};

TEST_F(DefaultGatewaysTest, ListsEveryGatewayOfEveryAdapterInOrder) {
  EXPECT_EQ(U(ListDefaultGateways()), u"192.168.1.1") << "the default world's one gateway";

  World("adapter \"Local Area Connection\" gateway 192.168.1.1,192.168.1.254");
  World("adapter Branch index 12 address 10.0.0.5 mask 255.0.0.0 gateway 10.0.0.10");
  EXPECT_EQ(U(ListDefaultGateways()), u"192.168.1.1 192.168.1.254 10.0.0.10");

  // An adapter without a gateway reports 0.0.0.0, which no router can match.
  World("adapter Branch gateway none");
  CString strList = ListDefaultGateways();
  EXPECT_EQ(U(strList), u"192.168.1.1 192.168.1.254 0.0.0.0");
  EXPECT_EQ(FindGatewayInList(strList, L"0.0.0.0"), 0);
}

TEST_F(DefaultGatewaysTest, EveryGatewayOfTheMachineIsRefusedAndOthersPass) {
  World("adapter \"Local Area Connection\" gateway 192.168.1.1,192.168.1.254");
  CString strList = ListDefaultGateways();
  EXPECT_GT(FindGatewayInList(strList, L"192.168.1.1"), 0);
  EXPECT_GT(FindGatewayInList(strList, L"192.168.1.254"), 0) << "the second gateway as well";
  EXPECT_EQ(FindGatewayInList(strList, L"192.168.1.2"), -1);
}

TEST(FindGatewayInList, EmptyRoutersCountAsNone) {
  for (const wchar_t* router : {L"", L"0.0.0.0", L"0.0.0.00", L"..."}) {
    EXPECT_EQ(FindGatewayInList(L"192.168.1.1", router), 0) << testing_support::u8(U(router));
    EXPECT_EQ(FindGatewayInList(L"", router), 0);
  }
}

TEST(FindGatewayInList, OnlyWholeAddressesOfTheListMatch) {
  const wchar_t* kList = L"10.0.0.10 192.168.1.1 192.168.1.254";
  EXPECT_EQ(FindGatewayInList(kList, L"10.0.0.10"), 1) << "its position plus 1";
  EXPECT_EQ(FindGatewayInList(kList, L"192.168.1.1"), 11);
  EXPECT_EQ(FindGatewayInList(kList, L"192.168.1.254"), 23);
  // The start, the inside or the end of a longer address is another router.
  for (const wchar_t* router : {L"10.0.0.1", L"0.0.10", L"192.168.1.25", L"168.1.1", L"192.168.1.2"})
    EXPECT_EQ(FindGatewayInList(kList, router), -1) << testing_support::u8(U(router));
  EXPECT_EQ(FindGatewayInList(L"", L"10.0.0.1"), -1) << "no gateways, nothing refused";
  EXPECT_EQ(FindGatewayInList(L"  10.0.0.1  ", L"10.0.0.1"), 3) << "blanks around the list";
}

}  // namespace
