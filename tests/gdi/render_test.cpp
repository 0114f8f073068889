// A dialog painted to PNG, read back pixel by pixel.
#include <gtest/gtest.h>

#include <cairo.h>
#include <windows.h>

#include <unistd.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "user/painting.h"

using namespace platform::gdi;
using namespace platform::user;

namespace {

struct Pixel {
  int r, g, b;
  int lightness() const { return (r + g + b) / 3; }
  bool operator==(const Pixel&) const = default;
};

class Png {
 public:
  explicit Png(const std::string& path) : surface_(cairo_image_surface_create_from_png(path.c_str())) {}
  ~Png() { cairo_surface_destroy(surface_); }
  bool ok() const { return cairo_surface_status(surface_) == CAIRO_STATUS_SUCCESS; }
  int width() const { return cairo_image_surface_get_width(surface_); }
  int height() const { return cairo_image_surface_get_height(surface_); }
  Pixel at(int x, int y) const {
    const unsigned char* row = cairo_image_surface_get_data(surface_) + y * cairo_image_surface_get_stride(surface_);
    uint32_t v;
    memcpy(&v, row + 4 * x, 4);
    return {int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)};
  }
  // The darkest lightness in a rectangle: where text is, its colour.
  int darkest(int x, int y, int cx, int cy) const {
    int least = 255;
    for (int j = y; j < y + cy; ++j)
      for (int i = x; i < x + cx; ++i) least = std::min(least, at(i, j).lightness());
    return least;
  }
  double variance() const {
    double sum = 0, squares = 0, n = double(width()) * height();
    for (int y = 0; y < height(); ++y)
      for (int x = 0; x < width(); ++x) {
        double l = at(x, y).lightness();
        sum += l;
        squares += l * l;
      }
    return squares / n - (sum / n) * (sum / n);
  }

 private:
  cairo_surface_t* surface_;
};

constexpr Pixel kBtnFace{0xF0, 0xF0, 0xF0};
constexpr Pixel kWhite{0xFF, 0xFF, 0xFF};

Node control(const char16_t* cls, uint32_t style, int x, int y, int cx, int cy, const char16_t* text) {
  Node n;
  n.class_name = cls;
  n.style = WS_CHILD | WS_VISIBLE | style;
  n.x = x;
  n.y = y;
  n.cx = cx;
  n.cy = cy;
  n.text = text;
  n.font = font_for_points(u"MS Shell Dlg", 8, 400, false);
  return n;
}

// A dialog at (200, 100) on the screen; its client area starts 3 pixels in and 21 down.
Node sample_dialog() {
  Node dlg;
  dlg.class_name = u"#32770";
  dlg.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
  dlg.exstyle = WS_EX_DLGMODALFRAME;
  dlg.x = 200;
  dlg.y = 100;
  dlg.cx = 320;
  dlg.cy = 220;
  dlg.text = u"Connect to VPN";
  dlg.font = font_for_points(u"MS Shell Dlg", 8, 400, false);
  const int cx = 203, cy = 121;  // the client area's screen origin
  Node icon = control(u"Static", SS_ICON, cx + 10, cy + 10, 32, 32, u"");
  icon.icon = uint16_t(reinterpret_cast<uintptr_t>(IDI_HAND));
  dlg.children.push_back(icon);
  dlg.children.push_back(control(u"Static", SS_LEFT, cx + 50, cy + 10, 200, 26,
                                 u"The connection was lost. Do you want to dial again now?"));
  Node user = control(u"Edit", ES_AUTOHSCROLL | WS_BORDER, cx + 50, cy + 45, 150, 21, u"alice");
  user.exstyle = WS_EX_CLIENTEDGE;
  user.style &= ~WS_BORDER;
  dlg.children.push_back(user);
  Node password = control(u"Edit", ES_PASSWORD | ES_AUTOHSCROLL, cx + 50, cy + 70, 150, 21, u"secret");
  password.exstyle = WS_EX_CLIENTEDGE;
  password.password_char = u'\u25CF';
  password.focused = true;
  dlg.children.push_back(password);
  Node check = control(u"Button", BS_AUTOCHECKBOX, cx + 50, cy + 96, 150, 16, u"&Save password");
  check.check = BST_CHECKED;
  dlg.children.push_back(check);
  dlg.children.push_back(control(u"Button", BS_GROUPBOX, cx + 10, cy + 115, 290, 40, u"Server"));
  dlg.children.push_back(control(u"NoSuchClass", 0, cx + 20, cy + 130, 120, 20, u""));
  Node ok = control(u"Button", BS_DEFPUSHBUTTON, cx + 140, cy + 165, 75, 23, u"OK");
  ok.default_button = true;
  dlg.children.push_back(ok);
  Node cancel = control(u"Button", BS_PUSHBUTTON, cx + 225, cy + 165, 75, 23, u"Cancel");
  cancel.enabled = false;
  dlg.children.push_back(cancel);
  Node hidden = control(u"Button", BS_PUSHBUTTON, cx + 10, cy + 165, 75, 23, u"Hidden");
  hidden.visible = false;
  dlg.children.push_back(hidden);
  return dlg;
}

class GdiRenderTest : public ::testing::Test {
 protected:
  std::string path(const char* name) {
    auto dir = std::filesystem::temp_directory_path() / ("gdi_render_" + std::to_string(getpid()));
    std::filesystem::create_directories(dir);
    dir_ = dir;
    return (dir / name).string();
  }
  void TearDown() override {
    if (!dir_.empty()) std::filesystem::remove_all(dir_);
  }
  std::filesystem::path dir_;
};

}  // namespace

TEST_F(GdiRenderTest, DialogLooksLikeADialog) {
  const std::string file = path("dialog.png");
  ASSERT_TRUE(render_png(sample_dialog(), file));
  Png png(file);
  ASSERT_TRUE(png.ok());
  EXPECT_EQ(png.width(), 320);
  EXPECT_EQ(png.height(), 220);
  EXPECT_GT(png.variance(), 100.0);

  // Caption bar against the client area, and the close box at the caption's right end.
  Pixel caption = png.at(160, 12);
  EXPECT_NE(caption, kBtnFace);
  EXPECT_GT(caption.b, caption.r);
  EXPECT_EQ(png.at(160, 30 + 120), kBtnFace);  // client area below the group box
  EXPECT_LT(png.darkest(298, 5, 14, 12), 60);  // the close box's X

  // Children sit where their screen rectangles say: the user field's inside is white.
  EXPECT_EQ(png.at(3 + 50 + 140, 21 + 45 + 10), kWhite);
  EXPECT_LT(png.darkest(3 + 50 + 2, 21 + 45 + 2, 40, 17), 60);  // "alice"
  EXPECT_EQ(png.at(3 + 50 + 140, 21 + 96 + 8), kBtnFace);  // the check box's row beyond its text

  // The error icon is a red disc.
  Pixel icon = png.at(3 + 10 + 6, 21 + 10 + 16);
  EXPECT_GT(icon.r, 180);
  EXPECT_LT(icon.g, 80);

  // The hidden button leaves the face untouched; the unknown class shows a frame.
  EXPECT_EQ(png.at(3 + 10 + 37, 21 + 165 + 11), kBtnFace);
  EXPECT_LT(png.darkest(3 + 20, 21 + 130, 120, 1), 0xF0);
}

TEST_F(GdiRenderTest, DisabledTextIsGreyAndDefaultButtonHasItsFrame) {
  const std::string file = path("buttons.png");
  ASSERT_TRUE(render_png(sample_dialog(), file));
  Png png(file);
  ASSERT_TRUE(png.ok());
  int ok_text = png.darkest(3 + 140 + 20, 21 + 165 + 5, 35, 13);
  int cancel_text = png.darkest(3 + 225 + 15, 21 + 165 + 5, 45, 13);
  EXPECT_LT(ok_text, 50);
  EXPECT_GT(cancel_text, ok_text + 50);
  EXPECT_LT(cancel_text, 0xD0);  // grey, yet there
  // The default button's outermost ring is dark, the plain button's is its light edge.
  EXPECT_LT(png.at(3 + 140 + 30, 21 + 165).lightness(), 40);
  EXPECT_GT(png.at(3 + 225 + 30, 21 + 165).lightness(), 200);
}

TEST_F(GdiRenderTest, PasswordFieldShowsBulletsNotTheText) {
  Node dlg = sample_dialog();
  const std::string masked = path("masked.png");
  ASSERT_TRUE(render_png(dlg, masked));
  dlg.children[3].style &= ~ES_PASSWORD;
  const std::string plain = path("plain.png");
  ASSERT_TRUE(render_png(dlg, plain));
  Png a(masked), b(plain);
  int differing = 0;
  for (int y = 21 + 70; y < 21 + 70 + 21; ++y)
    for (int x = 3 + 50; x < 3 + 50 + 150; ++x) differing += !(a.at(x, y) == b.at(x, y));
  EXPECT_GT(differing, 20);
  EXPECT_LT(a.darkest(3 + 50 + 3, 21 + 70 + 3, 60, 15), 80);  // the bullets are there
}

TEST_F(GdiRenderTest, UnwritablePathFails) {
  EXPECT_FALSE(render_png(sample_dialog(), "/nonexistent-folder/x.png"));
  Node empty;
  EXPECT_FALSE(render_png(empty, path("empty.png")));
}
