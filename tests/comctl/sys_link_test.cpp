// SysLink: its markup read into links, LM_GETITEM / LM_SETITEM, and the NMLINK the parent gets.
#include "comctl/comctl_fixture.h"
#include "comctl/control_classes.h"
#include "comctl/link_markup.h"
#include "kernel/text.h"

namespace {

using comctl_test::ComctlTest;
using comctl_test::notices;
using platform::text::utf8;

TEST(LinkMarkup, SplitsTextFromAnchorsWithTheirAttributes) {
  auto m = platform::comctl::parse_link_markup(
      u"Have no VPN account? Talk to your network admin, <a href=\"https://example.test/buy\">or buy VPN "
      u"service.</a> <A ID='two' HREF=x>second</A> a < b");
  ASSERT_EQ(m.anchors.size(), 2u);
  EXPECT_EQ(utf8(m.anchors[0].url), "https://example.test/buy");
  EXPECT_EQ(utf8(m.anchors[1].id), "two");
  EXPECT_EQ(utf8(m.anchors[1].url), "x");
  ASSERT_EQ(m.runs.size(), 5u);
  EXPECT_EQ(utf8(m.runs[1].text), "or buy VPN service.");
  EXPECT_EQ(m.runs[1].link, 0);
  EXPECT_EQ(utf8(m.runs[3].text), "second");
  EXPECT_EQ(utf8(m.runs[4].text), " a < b");  // a '<' that opens no tag stays text
  EXPECT_EQ(m.runs[4].link, -1);

  auto unclosed = platform::comctl::parse_link_markup(u"<a href=\"x>never");
  EXPECT_TRUE(unclosed.anchors.empty());
  EXPECT_EQ(utf8(unclosed.runs.at(0).text), "<a href=\"x>never");
}

class SysLink : public ComctlTest {
 protected:
  void SetUp() override {
    ComctlTest::SetUp();
    link_ = make(WC_LINK, WS_TABSTOP, 1078, L"Talk to us, <a href=\"https://a.test/\">or buy</a> or <a id=\"more\" href=\"https://b.test/\">more</a>");
    ASSERT_NE(link_, nullptr);
  }
  HWND link_ = nullptr;
};

TEST_F(SysLink, KeepsItsMarkupAsWindowTextAndAnswersForEachLink) {
  EXPECT_EQ(testing_support::window_text8(link_).substr(0, 15), "Talk to us, <a ");
  LITEM item{};
  item.mask = LIF_ITEMINDEX | LIF_URL | LIF_ITEMID | LIF_STATE;
  item.iLink = 1;
  item.stateMask = LIS_ENABLED | LIS_VISITED;
  ASSERT_TRUE(SendMessageW(link_, LM_GETITEM, 0, LPARAM(&item)));
  EXPECT_EQ(testing_support::u8(item.szUrl), "https://b.test/");
  EXPECT_EQ(testing_support::u8(item.szID), "more");
  EXPECT_EQ(item.state, UINT(LIS_ENABLED));
  item.iLink = 2;
  EXPECT_FALSE(SendMessageW(link_, LM_GETITEM, 0, LPARAM(&item)));

  // By id when no index is given.
  LITEM by_id{};
  by_id.mask = LIF_ITEMID | LIF_URL;
  memcpy(by_id.szID, L"more", 10);
  ASSERT_TRUE(SendMessageW(link_, LM_GETITEM, 0, LPARAM(&by_id)));
  EXPECT_EQ(by_id.iLink, 1);

  // New text, new links.
  SetWindowTextW(link_, L"<a>only</a>");
  item.iLink = 1;
  EXPECT_FALSE(SendMessageW(link_, LM_GETITEM, 0, LPARAM(&item)));
}

TEST_F(SysLink, AClickAndEnterTellTheParentWhichLinkWithItsUrl) {
  ASSERT_TRUE(platform::comctl::click_first_link(link_));
  SendMessageW(link_, WM_KEYDOWN, VK_RETURN, 1);
  ASSERT_EQ(notices().size(), 2u);
  EXPECT_EQ(notices()[0].code, int(NM_CLICK));
  EXPECT_EQ(notices()[0].id, 1078);
  EXPECT_EQ(notices()[0].link, 0);
  EXPECT_EQ(utf8(notices()[0].url), "https://a.test/");
  EXPECT_EQ(notices()[1].code, int(NM_RETURN));

  LITEM item{};
  item.mask = LIF_ITEMINDEX | LIF_STATE;
  item.stateMask = LIS_VISITED;
  SendMessageW(link_, LM_GETITEM, 0, LPARAM(&item));
  EXPECT_EQ(item.state, UINT(LIS_VISITED));
}

TEST_F(SysLink, DisabledLinksAndIgnoredReturnsSendNothing) {
  LITEM off{};
  off.mask = LIF_ITEMINDEX | LIF_STATE;
  off.stateMask = LIS_ENABLED;
  ASSERT_TRUE(SendMessageW(link_, LM_SETITEM, 0, LPARAM(&off)));
  EXPECT_FALSE(platform::comctl::click_first_link(link_));
  HWND quiet = make(WC_LINK, LWS_IGNORERETURN, 1079, L"<a>x</a>");
  SendMessageW(quiet, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_TRUE(notices().empty());
  HWND plain = make(WC_LINK, 0, 1080, L"no links");
  EXPECT_FALSE(platform::comctl::click_first_link(plain));
}

}  // namespace
