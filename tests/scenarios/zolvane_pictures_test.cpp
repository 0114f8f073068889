// What the updater looks like, from screenshots kept as "zolvane_<name>.png": the dialog with its
// selected archive and the blue purchase link, the About box reached through the system menu
// with the program's icon, and the minimised dialog as a square with that icon in its middle.
#include "scenarios/zolvane_fixture.h"

namespace {

using namespace zolvane_testing;
using testing_support::Blue;
using testing_support::Green;
using testing_support::Near;
using testing_support::Red;

// The list's selection (COLOR_HIGHLIGHT) and the link's text colour, 0xC00000 as a COLORREF.
bool Highlight(uint32_t c) { return Near(c, 0x33, 0x99, 0xFF, 12); }
bool LinkBlue(uint32_t c) { return Blue(c) > 150 && Red(c) < 90 && Green(c) < 90; }

struct Area {
  int left = 0, top = 0, right = 0, bottom = 0;  // right and bottom exclusive; empty when nothing
  int count = 0;
};
// The pixels that pass the test, from row `top` down.
Area Bounds(const Picture& p, const std::function<bool(uint32_t)>& test, int top = 0) {
  Area box{p.width, p.height, 0, 0, 0};
  for (int y = top; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      if (!test(p.at(x, y))) continue;
      box = {std::min(box.left, x), std::min(box.top, y), std::max(box.right, x + 1), std::max(box.bottom, y + 1),
             box.count + 1};
    }
  return box;
}

// The icon as the minimised square shows it: the pixels of its 32 x 32 cell that differ from
// the desktop colour around it.
struct IconPixel {
  int dx, dy;
  uint32_t colour;
};
std::vector<IconPixel> IconOf(const Picture& square, int left, int top) {
  uint32_t desktop = square.at(0, 0);
  std::vector<IconPixel> icon;
  for (int dy = 0; dy < 32; ++dy)
    for (int dx = 0; dx < 32; ++dx)
      if (uint32_t c = square.at(left + dx, top + dy); c != desktop) icon.push_back({dx, dy, c});
  return icon;
}
// Whether the picture holds the icon somewhere: nine in ten of its pixels in place (edges that
// blend into another background may differ).
bool Shows(const Picture& p, const std::vector<IconPixel>& icon) {
  const size_t allowed_misses = icon.size() / 10;
  for (int top = 0; top + 32 <= p.height; ++top)
    for (int left = 0; left + 32 <= p.width; ++left) {
      size_t misses = 0;
      for (const IconPixel& px : icon) {
        uint32_t c = px.colour;
        if (!Near(p.at(left + px.dx, top + px.dy), Red(c), Green(c), Blue(c), 40) && ++misses > allowed_misses) break;
      }
      if (misses <= allowed_misses) return true;
    }
  return false;
}

class ZolvanePictures : public ZolvaneTest {
 protected:
  Picture look(const std::string& hwnd, const std::string& name) { return screenshot(hwnd, "zolvane_" + name); }
};

TEST_F(ZolvanePictures, TheDialogItsAboutBoxAndItsMinimisedSquare) {
  put_archive("tarvolt20261120.exe", Utc(2026, 11, 20, 9, 30, 0));
  put_archive("tarvolt20261201.exe", Utc(2026, 12, 1, 8, 0, 0));
  start_zolvane();
  ASSERT_EQ(items().size(), 2u);

  // The dialog: the top item selected, the link in blue on one line of its own.
  Picture dialog = look(dialog_, "1_dialog");
  EXPECT_GE(dialog.width, 250);
  EXPECT_GE(dialog.height, 200);
  Area selection = Bounds(dialog, Highlight);
  EXPECT_GT(selection.count, 300) << "the selected item's highlight";
  EXPECT_LT(selection.bottom - selection.top, 24) << "one item is selected";
  EXPECT_GT(selection.top, dialog.height / 3) << "in the list, below the download buttons";
  // The link is the dialog's last line (control 1008 spans its bottom twelfth), under the
  // current-version line; the picture above holds a blue of its own.
  Area link = Bounds(dialog, LinkBlue, dialog.height * 7 / 8);
  EXPECT_GT(link.count, 40) << "the link's blue text";
  EXPECT_LT(link.bottom - link.top, 24) << "one line of text";
  EXPECT_GT(link.right - link.left, 60) << "an address, not a dot";
  EXPECT_NE(text_of(kPurchaseLink).find("http"), std::string::npos) << text_of(kPurchaseLink);

  // The About box through the system menu; OK ends it and the dialog stays.
  ASSERT_EQ(desktop({"sysmenu", dialog_, "About Zolvane..."}).exit_code, 0);
  std::string about = wait_for(kAboutCaption);
  ASSERT_FALSE(about.empty());
  bool names_version = false;
  for (const Control& control : controls(about)) names_version |= control.text == "Zolvane Version 1.0";
  EXPECT_TRUE(names_version);
  Picture about_look = look(about, "2_about");
  EXPECT_GE(about_look.width, 150);
  ASSERT_TRUE(click(about, "1"));
  ASSERT_TRUE(wait_until([&] { return wait_for(kAboutCaption, "0").empty(); }));

  // Minimised: a 64 x 64 square of the desktop colour with the icon in the middle 32 x 32.
  ASSERT_EQ(desktop({"minimize", dialog_}).exit_code, 0);
  Picture square;
  ASSERT_TRUE(wait_until([&] {
    square = look(dialog_, "3_minimised");
    return square.width == 64 && square.height == 64;
  })) << square.width << " x " << square.height;
  uint32_t desktop_colour = square.at(0, 0);
  Area icon = Bounds(square, [&](uint32_t c) { return c != desktop_colour; });
  EXPECT_GT(icon.count, 100) << "the icon is drawn";
  EXPECT_GE(icon.left, 16);
  EXPECT_GE(icon.top, 16);
  EXPECT_LE(icon.right, 48);
  EXPECT_LE(icon.bottom, 48);
  std::vector<IconPixel> icon_pixels = IconOf(square, 16, 16);
  EXPECT_TRUE(Shows(about_look, icon_pixels)) << "the About box shows the program's icon";

  // Restored, it is the dialog again.
  ASSERT_EQ(desktop({"restore", dialog_}).exit_code, 0);
  Picture restored;
  ASSERT_TRUE(wait_until([&] {
    restored = look(dialog_, "4_restored");
    return restored.width == dialog.width && restored.height == dialog.height;
  }));
  EXPECT_GT(Bounds(restored, Highlight).count, 300);
}

}  // namespace
