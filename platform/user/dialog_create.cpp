#include "user/dialog_create.h"

#include "kernel/text.h"
#include "user/deliver.h"
#include "user/dialog_state.h"
#include "user/dialog_units.h"
#include "user/fonts.h"
#include "user/frame.h"
#include "user/geometry.h"
#include "user/screen.h"

namespace platform::user {
namespace {

// Class ordinals of dialog items.
const char16_t* predefined_class(uint16_t ordinal) {
  switch (ordinal) {
    case 0x80: return u"Button";
    case 0x81: return u"Edit";
    case 0x82: return u"Static";
    case 0x83: return u"ListBox";
    case 0x84: return u"ScrollBar";
    case 0x85: return u"ComboBox";
    default: return nullptr;
  }
}

LPCWSTR class_name_of(const NameOrId& c, std::u16string& holder) {
  if (!c.text.empty()) {
    holder = c.text;
    return text::wide(holder);
  }
  const char16_t* name = predefined_class(c.id);
  holder = name ? name : u"";
  return text::wide(holder);
}

gdi::Font template_font(const DialogTemplate& t) {
  if (!(t.style & DS_SETFONT)) return gdi::message_font();
  return gdi::font_for_points(t.typeface, t.point_size, t.weight ? t.weight : 400, t.italic);
}

// The window rectangle of the dialog: the template's client size in pixels with the frame
// around it, at the template's position (over the owner's client area unless DS_ABSALIGN),
// or centred in the work area with DS_CENTER.
RECT dialog_rect(const DialogTemplate& t, DWORD style, DWORD exstyle, const gdi::Size& base, HWND owner) {
  RECT client = dialog_units::to_pixels(RECT{t.x, t.y, t.x + t.cx, t.y + t.cy}, base);
  RECT in = frame::insets(style, exstyle);
  LONG width = (client.right - client.left) + in.left + in.right;
  LONG height = (client.bottom - client.top) + in.top + in.bottom;
  POINT at{client.left, client.top};
  if (style & WS_CHILD) {
    return RECT{at.x, at.y, at.x + width, at.y + height};
  }
  if (style & DS_CENTER) {
    RECT work = screen::work_area();
    at = {work.left + (work.right - work.left - width) / 2, work.top + (work.bottom - work.top - height) / 2};
  } else if (!(style & DS_ABSALIGN)) {
    if (WindowPtr o = find_window(owner)) {
      POINT origin = geometry::client_origin(*o);
      at = {at.x + origin.x, at.y + origin.y};
    }
  }
  return RECT{at.x, at.y, at.x + width, at.y + height};
}

bool create_items(HWND dlg, HINSTANCE instance, const DialogTemplate& t, const gdi::Size& base, HFONT font) {
  for (const DialogItem& item : t.items) {
    std::u16string class_holder;
    LPCWSTR cls = class_name_of(item.window_class, class_holder);
    std::u16string title = item.title.text;
    RECT r = dialog_units::to_pixels(RECT{item.x, item.y, item.x + item.cx, item.y + item.cy}, base);
    const void* data = item.creation_data.empty() ? nullptr : item.creation_data.data();
    HWND ctl = CreateWindowExW(item.exstyle | WS_EX_NOPARENTNOTIFY, cls, text::wide(title), item.style | WS_CHILD,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, dlg,
                               reinterpret_cast<HMENU>(uintptr_t(item.id)), instance, const_cast<void*>(data));
    if (!ctl) {
      if (t.style & DS_NOFAILCREATE) continue;
      return false;
    }
    // An icon or bitmap static names its image by the title's ordinal.
    if ((item.style & SS_TYPEMASK) == SS_ICON && text::iequals(class_holder, u"Static") && item.title.id)
      send(ctl, STM_SETICON, WPARAM(LoadIconW(instance, MAKEINTRESOURCEW(item.title.id))), 0);
    if ((item.style & SS_TYPEMASK) == SS_BITMAP && text::iequals(class_holder, u"Static") && item.title.id)
      send(ctl, STM_SETIMAGE, IMAGE_BITMAP,
           LPARAM(LoadImageW(instance, MAKEINTRESOURCEW(item.title.id), IMAGE_BITMAP, 0, 0, LR_DEFAULTCOLOR)));
    send(ctl, WM_SETFONT, WPARAM(font), FALSE);
  }
  return true;
}

}  // namespace

HWND create_dialog(HINSTANCE instance, const DialogTemplate& t, HWND owner, DLGPROC proc, LPARAM param) {
  gdi::Font font = template_font(t);
  gdi::Size base = dialog_units::base_units(font);
  HFONT hfont = fonts::handle_for(font);
  DWORD style = t.style;
  DWORD exstyle = t.exstyle;
  if (style & DS_MODALFRAME) exstyle |= WS_EX_DLGMODALFRAME;
  if (style & DS_CONTEXTHELP) exstyle |= WS_EX_CONTEXTHELP;
  if (style & DS_CONTROL) {
    style = (style & ~DWORD(WS_CAPTION | WS_SYSMENU)) | WS_CHILD;
    exstyle |= WS_EX_CONTROLPARENT;
  }
  RECT r = dialog_rect(t, style, exstyle, base, owner);

  std::u16string class_holder = t.window_class.text.empty() ? u"#32770" : t.window_class.text;
  HWND dlg = CreateWindowExW(exstyle, text::wide(class_holder), text::wide(t.title), style & ~DWORD(WS_VISIBLE),
                             r.left, r.top, r.right - r.left, r.bottom - r.top, owner, nullptr, instance, nullptr);
  if (!dlg) return nullptr;
  WindowPtr w = find_window(dlg);
  DialogState& d = w->state_as<DialogState>();
  d.base_units = base;
  d.font = hfont;
  SetWindowLongPtrW(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(proc));
  send(dlg, WM_SETFONT, WPARAM(hfont), FALSE);
  if (!create_items(dlg, instance, t, base, hfont)) {
    DestroyWindow(dlg);
    return nullptr;
  }
  HWND first = GetNextDlgTabItem(dlg, nullptr, FALSE);
  if (send(dlg, WM_INITDIALOG, WPARAM(first), param) && first && find_window(first)) {
    SendMessageW(dlg, WM_NEXTDLGCTL, WPARAM(first), TRUE);
  }
  if (!find_window(dlg)) return nullptr;
  if (style & WS_VISIBLE) ShowWindow(dlg, SW_SHOWNORMAL);
  return dlg;
}

}  // namespace platform::user
