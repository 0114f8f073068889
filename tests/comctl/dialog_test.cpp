// A dialog template naming the common controls by class, as the wizard's pages do: the controls
// it makes, what its procedure hears from them, and how they look in a screenshot.
#include <cairo.h>
#include <richedit.h>

#include <cstring>
#include <filesystem>

#include "comctl/comctl_fixture.h"
#include "comctl/control_classes.h"
#include "comctl/dialog_template_builder.h"
#include "gdi/font.h"
#include "user/screenshot.h"

namespace {

using comctl_test::ComctlTest;
using comctl_test::TemplateBuilder;
using testing_support::window_text8;

std::vector<comctl_test::Notice>& page_notices() {
  static std::vector<comctl_test::Notice> log;
  return log;
}

INT_PTR CALLBACK page_proc(HWND, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_NOTIFY) page_notices().push_back({m, int(w), int(reinterpret_cast<NMHDR*>(l)->code)});
  if (m == WM_COMMAND) page_notices().push_back({m, LOWORD(w), HIWORD(w)});
  return m == WM_INITDIALOG;
}

TemplateBuilder page_template() {
  TemplateBuilder t(WS_POPUP | WS_VISIBLE);
  t.item(u"SysIPAddress32", 1009, 10, 10, 100, 14, WS_TABSTOP)
      .item(u"msctls_progress32", 1014, 10, 30, 200, 10, 0)
      .item(u"SysLink", 1078, 10, 45, 220, 10, WS_TABSTOP, u"Talk to us, <a href=\"https://a.test/\">or buy</a>")
      .item(u"RichEdit20W", 1016, 10, 60, 220, 80, ES_MULTILINE | ES_READONLY | WS_VSCROLL | WS_BORDER);
  return t;
}

class Page : public ComctlTest {
 protected:
  void SetUp() override {
    ComctlTest::SetUp();
    page_notices().clear();
  }
  void TearDown() override {
    if (dlg_) DestroyWindow(dlg_);
    ComctlTest::TearDown();
  }
  HWND dlg_ = nullptr;
};

TEST_F(Page, ARichEditTemplateNeedsItsDllFirst) {
  TemplateBuilder t = page_template();
  WNDCLASSW wc{};
  if (!GetClassInfoW(nullptr, RICHEDIT_CLASS, &wc)) {  // not yet loaded by an earlier test
    EXPECT_EQ(CreateDialogIndirectParamW(nullptr, t.get(), nullptr, page_proc, 0), nullptr);
  }
  ASSERT_NE(LoadLibraryW(L"riched20"), nullptr);
  dlg_ = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, page_proc, 0);
  ASSERT_NE(dlg_, nullptr);
  for (int id : {1009, 1014, 1078, 1016}) EXPECT_NE(GetDlgItem(dlg_, id), nullptr) << id;
}

TEST_F(Page, TheControlsTalkToTheDialogProcedure) {
  ASSERT_NE(LoadLibraryW(L"Riched20.dll"), nullptr);
  TemplateBuilder t = page_template();
  dlg_ = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, page_proc, 0);
  ASSERT_NE(dlg_, nullptr);
  page_notices().clear();
  platform::comctl::type_address(GetDlgItem(dlg_, 1009), u"10.0.0.1");
  ASSERT_TRUE(platform::comctl::click_first_link(GetDlgItem(dlg_, 1078)));
  int field_changes = 0, changes = 0, clicks = 0;
  for (const auto& n : page_notices()) {
    field_changes += n.message == WM_NOTIFY && n.code == int(IPN_FIELDCHANGED) && n.id == 1009;
    changes += n.message == WM_COMMAND && n.code == EN_CHANGE && n.id == 1009;
    clicks += n.message == WM_NOTIFY && n.code == int(NM_CLICK) && n.id == 1078;
  }
  EXPECT_EQ(field_changes, 4);
  EXPECT_GE(changes, 4);
  EXPECT_EQ(clicks, 1);
  EXPECT_EQ(window_text8(GetDlgItem(dlg_, 1009)), "10.0.0.1");
}

struct Rgb {
  int r, g, b;
};

Rgb pixel(cairo_surface_t* s, int x, int y) {
  const unsigned char* row = cairo_image_surface_get_data(s) + y * cairo_image_surface_get_stride(s);
  uint32_t v;
  memcpy(&v, row + 4 * x, 4);
  return {int(v >> 16 & 0xFF), int(v >> 8 & 0xFF), int(v & 0xFF)};
}

TEST_F(Page, EachControlPaintsInAScreenshot) {
  ASSERT_NE(LoadLibraryW(L"Riched20.dll"), nullptr);
  TemplateBuilder t = page_template();
  dlg_ = CreateDialogIndirectParamW(nullptr, t.get(), nullptr, page_proc, 0);
  ASSERT_NE(dlg_, nullptr);
  HWND bar = GetDlgItem(dlg_, 1014);
  SendMessageW(bar, PBM_SETPOS, 50, 0);
  SendMessageW(GetDlgItem(dlg_, 1009), IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 0, 1));
  SetWindowTextW(GetDlgItem(dlg_, 1016), L"log line");

  std::string png = (std::filesystem::temp_directory_path() / ("comctl_page_" + std::to_string(getpid()) + ".png")).string();
  ASSERT_TRUE(platform::user::paint::screenshot(dlg_, png));
  cairo_surface_t* s = cairo_image_surface_create_from_png(png.c_str());
  ASSERT_EQ(cairo_surface_status(s), CAIRO_STATUS_SUCCESS);

  RECT r, dr;
  GetWindowRect(bar, &r);
  GetWindowRect(dlg_, &dr);
  int y = (r.top + r.bottom) / 2 - dr.top;
  Rgb filled = pixel(s, r.left - dr.left + (r.right - r.left) / 4, y);
  Rgb empty = pixel(s, r.left - dr.left + 3 * (r.right - r.left) / 4, y);
  EXPECT_GT(filled.g, filled.r + 60);  // the green half
  EXPECT_EQ(empty.r, empty.g);         // the grey trough

  // The link's words are blue somewhere on its row.
  GetWindowRect(GetDlgItem(dlg_, 1078), &r);
  bool blue = false;
  for (int x = r.left; x < r.right && !blue; ++x)
    for (int yy = r.top; yy < r.bottom && !blue; ++yy) {
      Rgb p = pixel(s, x - dr.left, yy - dr.top);
      blue = p.b > 150 && p.r < 80;
    }
  EXPECT_TRUE(blue);
  cairo_surface_destroy(s);
  std::filesystem::remove(png);
}

}  // namespace
