// Fonts and text measures: the figures dialog layout and message boxes are built from.
#include <gtest/gtest.h>

#include <thread>
#include <vector>

#include "gdi/font.h"

using namespace platform::gdi;

namespace {

Font shell_dlg_8() { return font_for_points(u"MS Shell Dlg", 8, 400, false); }

}  // namespace

TEST(GdiFontTest, PointSizesGiveTheCellsOfTheNamedFaces) {
  EXPECT_EQ(shell_dlg_8().height_px, 13);
  EXPECT_EQ(font_for_points(u"MS Shell Dlg 2", 8, 400, false).height_px, 13);
  EXPECT_EQ(font_for_points(u"tahoma", 8, 400, false).height_px, 13);  // face names ignore case
  EXPECT_GT(font_for_points(u"MS Shell Dlg", 10, 400, false).height_px, 13);
  Font message = message_font();
  EXPECT_EQ(message.face, u"Segoe UI");
  EXPECT_GE(message.height_px, 15);
  EXPECT_LE(message.height_px, 16);
}

TEST(GdiFontTest, DialogBaseUnitsAreCloseToWindows) {
  Size units = dialog_base_units(shell_dlg_8());
  EXPECT_EQ(units.cx, 6);  // Windows: 6 x 13
  EXPECT_EQ(units.cy, 13);
  // Dialog faces share the stand-in and the cell, so their units agree.
  Size sans = dialog_base_units(font_for_points(u"MS Sans Serif", 8, 400, false));
  EXPECT_EQ(sans.cx, units.cx);
  EXPECT_EQ(sans.cy, units.cy);
  Size bigger = dialog_base_units(font_for_points(u"MS Shell Dlg", 12, 400, false));
  EXPECT_GT(bigger.cx, units.cx);
  EXPECT_GT(bigger.cy, units.cy);
}

TEST(GdiMeasureTest, LinesAddUpAndBoldIsWider) {
  Font font = shell_dlg_8();
  Size empty = measure_line(font, u"");
  EXPECT_EQ(empty.cx, 0);
  EXPECT_EQ(empty.cy, 13);
  Size hello = measure_line(font, u"Hello");
  Size world = measure_line(font, u" world");
  EXPECT_EQ(measure_line(font, u"Hello world").cx, hello.cx + world.cx);  // no kerning
  EXPECT_GT(hello.cx, 15);
  EXPECT_LT(hello.cx, 40);
  EXPECT_GT(measure_line(font, u"WWWW").cx, measure_line(font, u"iiii").cx);
  Font bold = font_for_points(u"MS Shell Dlg", 8, 700, false);
  EXPECT_GT(measure_line(bold, u"Hello world").cx, measure_line(font, u"Hello world").cx);
  // A surrogate pair is one character, not two.
  EXPECT_EQ(measure_line(font, u"\U0001F600").cx, measure_line(font, u"\U0001F600\U0001F600").cx / 2);
}

TEST(GdiMeasureTest, WrappingBreaksAtBlanksAndHonoursLineFeeds) {
  Font font = shell_dlg_8();
  std::u16string text = u"The connection to the remote network was lost";
  Size one_line = measure_wrapped(font, text, 10000);
  EXPECT_EQ(one_line.cx, measure_line(font, text).cx);
  EXPECT_EQ(one_line.cy, 13);

  int narrow = measure_line(font, u"The connection to").cx;
  Size wrapped = measure_wrapped(font, text, narrow);
  EXPECT_EQ(wrapped.cy, 3 * 13);  // "The connection to" / "the remote network" / "was lost"
  EXPECT_LE(wrapped.cx, narrow);

  // A word wider than the width is not split; blanks at a break take no room.
  Size long_word = measure_wrapped(font, u"Unbreakableword   next", 5);
  EXPECT_EQ(long_word.cy, 2 * 13);
  EXPECT_EQ(long_word.cx, measure_line(font, u"Unbreakableword").cx);

  EXPECT_EQ(measure_wrapped(font, u"one\r\ntwo\nthree\rfour", 10000).cy, 4 * 13);
  EXPECT_EQ(measure_wrapped(font, u"one\n\nthree", 10000).cy, 3 * 13);
  EXPECT_EQ(measure_wrapped(font, u"line\r\n", 10000).cy, 2 * 13);
}

TEST(GdiMeasureTest, SeveralThreadsMeasureTheSame) {
  Font font = shell_dlg_8();
  const std::u16string text = u"Abc def ghi \u00e9\u00e8 \u0416\u0436 0123456789";
  const Size expected = measure_wrapped(font, text, 60);
  std::vector<std::thread> threads;
  std::vector<int> mismatches(8, 0);
  for (int t = 0; t < 8; ++t)
    threads.emplace_back([&, t] {
      Font own = font_for_points(u"Arial", 8 + t % 3, t % 2 ? 700 : 400, t % 4 == 3);
      for (int i = 0; i < 200; ++i) {
        measure_line(own, text);
        Size size = measure_wrapped(font, text, 60);
        if (size.cx != expected.cx || size.cy != expected.cy) ++mismatches[t];
      }
    });
  for (std::thread& thread : threads) thread.join();
  for (int m : mismatches) EXPECT_EQ(m, 0);
}
