// The sheet's window: the page area sized for the largest page, the separator and the button
// row under it, and which of the wizard's buttons show and take input.
#include <algorithm>

#include "comctl/property_sheet.h"
#include "user/deliver.h"
#include "user/focus.h"

namespace platform::comctl::sheet {
namespace {

// Dialog units, in the sheet's font.
constexpr int kMargin = 7;
constexpr int kButtonWidth = 50;
constexpr int kButtonHeight = 14;
constexpr int kButtonGap = 4;

constexpr uint16_t kButtonClass = 0x80;
constexpr uint16_t kStaticClass = 0x82;

struct Button {
  int id;
  const char16_t* text;
  bool shown;
  bool default_button = false;
};

// The buttons from right to left; a zero gap keeps a pair together (Back and Next).
struct Placed {
  Button button;
  int gap_after;
};

std::vector<Placed> button_row(const Sheet& s) {
  const bool help = s.flags & PSH_HASHELP;
  if (s.wizard()) {
    const bool has_finish = s.flags & PSH_WIZARDHASFINISH;
    std::vector<Placed> row{{{IDHELP, u"&Help", help}, kMargin}, {{IDCANCEL, u"Cancel", true}, kMargin}};
    if (has_finish) row.push_back({{kFinishId, u"Finish", true}, kMargin});
    row.push_back({{kNextId, u"&Next >", true, true}, 0});
    row.push_back({{kBackId, u"< &Back", true}, 0});
    return row;
  }
  return {{{IDHELP, u"&Help", help}, kButtonGap},
          {{kApplyNowId, u"&Apply", !(s.flags & PSH_NOAPPLYNOW)}, kButtonGap},
          {{IDCANCEL, u"Cancel", true}, kButtonGap},
          {{IDOK, u"OK", true, true}, kButtonGap}};
}

user::DialogItem item(uint16_t cls, int id, DWORD style, int x, int y, int cx, int cy, const char16_t* text) {
  user::DialogItem i;
  i.window_class.id = cls;
  i.id = uint32_t(id);
  i.style = WS_CHILD | style;
  i.x = int16_t(x), i.y = int16_t(y), i.cx = int16_t(cx), i.cy = int16_t(cy);
  i.title.text = text;
  return i;
}

int row_width(const std::vector<Placed>& row) {
  int width = 0;
  for (const Placed& p : row)
    if (p.button.shown) width += kButtonWidth + p.gap_after;
  return width;
}

// Wizard97 and Aero pages fill the sheet up to the separator; the pages of a plain wizard, like
// property pages, sit inside a margin, below them too in a wizard (above the separator).
int page_margin(const Sheet& s) { return (s.flags & (PSH_WIZARD97 | PSH_AEROWIZARD)) ? 0 : kMargin; }

void show(HWND control, bool shown, bool enabled) {
  if (!control) return;
  ShowWindow(control, shown ? SW_SHOWNA : SW_HIDE);
  EnableWindow(control, enabled);
}

}  // namespace

RECT page_area_units(const Sheet& s, const std::vector<user::DialogTemplate>& pages) {
  int cx = 0, cy = 0;
  for (const user::DialogTemplate& t : pages) {
    cx = std::max<int>(cx, t.cx);
    cy = std::max<int>(cy, t.cy);
  }
  cx = std::max(cx, row_width(button_row(s)) + kMargin);
  const int inset = page_margin(s);
  return RECT{inset, inset, inset + cx, inset + cy};
}

user::DialogTemplate sheet_template(const Sheet& s, const std::vector<user::DialogTemplate>& pages) {
  RECT area = page_area_units(s, pages);
  user::DialogTemplate t;
  t.style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_3DLOOK | DS_SETFONT | DS_CENTER;
  t.exstyle = WS_EX_CONTROLPARENT;
  t.point_size = 8;
  t.typeface = u"MS Shell Dlg";
  t.title = s.caption;
  const int width = int(area.right) + page_margin(s);
  const int below_pages = int(area.bottom) + (s.wizard() ? page_margin(s) : 0);
  const int separator_y = below_pages + kMargin / 2;
  const int buttons_y = below_pages + kMargin;
  t.cx = int16_t(width);
  t.cy = int16_t(buttons_y + kButtonHeight + kMargin);
  if (s.wizard())
    t.items.push_back(item(kStaticClass, kSeparatorId, SS_ETCHEDHORZ | WS_VISIBLE, 0, separator_y, width, 1, u""));
  int x = width - kMargin;
  std::vector<user::DialogItem> buttons;
  for (const Placed& p : button_row(s)) {
    const int at = x - kButtonWidth;
    DWORD style = (p.button.default_button ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON) | WS_TABSTOP;
    if (p.button.shown) style |= WS_VISIBLE;
    buttons.push_back(
        item(kButtonClass, p.button.id, style, at, buttons_y, kButtonWidth, kButtonHeight, p.button.text));
    // Finish stands hidden where Next does unless the sheet shows both.
    if (p.button.id == kNextId && !(s.flags & PSH_WIZARDHASFINISH))
      buttons.push_back(item(kButtonClass, kFinishId, BS_PUSHBUTTON | WS_TABSTOP, at, buttons_y, kButtonWidth,
                             kButtonHeight, u"Finish"));
    if (p.button.shown) x = at - p.gap_after;
  }
  // The tab order runs left to right.
  t.items.insert(t.items.end(), buttons.rbegin(), buttons.rend());
  return t;
}

void show_buttons(Sheet& s) {
  if (!s.wizard()) return;
  const DWORD b = s.wizard_buttons;
  const bool has_finish = s.flags & PSH_WIZARDHASFINISH;
  const bool finish_asked = s.finish_text_set || (b & (PSWIZB_FINISH | PSWIZB_DISABLEDFINISH));
  const bool finish_replaces_next = finish_asked && !has_finish;
  const bool finish_enabled = s.finish_text_set || (b & PSWIZB_FINISH) || (has_finish && !(b & PSWIZB_DISABLEDFINISH));
  show(GetDlgItem(s.hwnd, kBackId), !s.finish_text_set, b & PSWIZB_BACK);
  show(GetDlgItem(s.hwnd, kNextId), !s.finish_text_set && !finish_replaces_next, b & PSWIZB_NEXT);
  show(GetDlgItem(s.hwnd, kFinishId), has_finish || finish_asked, finish_enabled);
  const int default_id = finish_replaces_next ? kFinishId : kNextId;
  user::send(s.hwnd, DM_SETDEFID, WPARAM(default_id), 0);
  // The focus leaves a button that no longer takes it for the default one.
  HWND focused = user::focus::focused();
  const bool gone = focused && (!IsWindowEnabled(focused) || !(GetWindowLongW(focused, GWL_STYLE) & WS_VISIBLE));
  if (gone && GetParent(focused) == s.hwnd) {
    HWND def = GetDlgItem(s.hwnd, default_id);
    if (def && IsWindowEnabled(def)) user::send(s.hwnd, WM_NEXTDLGCTL, WPARAM(def), TRUE);
  }
  SetLastError(0);
}

}  // namespace platform::comctl::sheet
