// The sheet's dialog procedure: its buttons' clicks and the PSM_ messages, and the sheets of
// this process by window.
#include <algorithm>
#include <map>
#include <mutex>

#include "comctl/property_sheet.h"
#include "kernel/text.h"

namespace platform::comctl::sheet {
namespace {

std::mutex sheets_lock;
std::map<HWND, SheetPtr>& sheets() {
  static std::map<HWND, SheetPtr> all;
  return all;
}

SheetPtr find_sheet(HWND hwnd) {
  std::lock_guard<std::mutex> hold(sheets_lock);
  auto it = sheets().find(hwnd);
  return it == sheets().end() ? nullptr : it->second;
}

void keep_sheet(HWND hwnd, SheetPtr sheet) {
  std::lock_guard<std::mutex> hold(sheets_lock);
  sheets()[hwnd] = std::move(sheet);
}

void forget_sheet(HWND hwnd) {
  SheetPtr last;  // released outside the lock: its pages' callbacks run then
  std::lock_guard<std::mutex> hold(sheets_lock);
  auto it = sheets().find(hwnd);
  if (it == sheets().end()) return;
  last = std::move(it->second);
  sheets().erase(it);
}

bool valid(const Sheet& s, int index) { return index >= 0 && index < s.count(); }

int index_of(const Sheet& s, HPROPSHEETPAGE page) {
  auto it = std::find(s.pages.begin(), s.pages.end(), page);
  return it == s.pages.end() ? -1 : int(it - s.pages.begin());
}

int index_of(const Sheet& s, HWND window) {
  for (int i = 0; i < s.count(); ++i)
    if (window && s.pages[size_t(i)]->window == window) return i;
  return -1;
}

void initialize(Sheet& s) {
  MapDialogRect(s.hwnd, &s.page_area);
  show_buttons(s);
  for (HPROPSHEETPAGE page : s.pages)
    if (page->psp().dwFlags & PSP_PREMATURE) page_window(page, s.hwnd, s.page_area);
  activate(s, s.start, +1);
  if (s.callback) s.callback(s.hwnd, PSCB_INITIALIZED, 0);
}

BOOL insert_page(Sheet& s, int at, HPROPSHEETPAGE page) {
  if (!page || s.count() >= MAXPROPPAGES - 1) return FALSE;
  at = std::clamp(at, 0, s.count());
  s.pages.insert(s.pages.begin() + at, page);
  if (s.current >= at) ++s.current;
  return TRUE;
}

void remove_page(Sheet& s, int index) {
  if (!valid(s, index)) return;
  HPROPSHEETPAGE page = s.pages[size_t(index)];
  const bool was_current = index == s.current;
  if (was_current) s.current = -1;
  else if (index < s.current) --s.current;
  s.pages.erase(s.pages.begin() + index);
  release_page(page);
  if (was_current && s.count()) activate(s, std::min(index, s.count() - 1), +1);
}

void set_title(Sheet& s, WPARAM style, LPCWSTR text) {
  s.caption = text_or_resource(s.instance, text);
  if (style & PSH_PROPTITLE) s.caption = u"Properties for " + s.caption;
  SetWindowTextW(s.hwnd, text::wide(s.caption));
}

const int kButtonOf[] = {kBackId, kNextId, kFinishId, IDOK, kApplyNowId, IDCANCEL, IDHELP};  // by PSBTN_

// As if the user clicked it, after the message's sender has gone on.
void press_later(const Sheet& s, WPARAM button) {
  if (button > PSBTN_MAX) return;
  const int id = kButtonOf[button];
  HWND control = GetDlgItem(s.hwnd, id);
  if (control && IsWindowEnabled(control))
    PostMessageW(s.hwnd, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(control));
  SetLastError(0);
}

LRESULT sheet_message(Sheet& s, UINT msg, WPARAM wp, LPARAM lp) {
  auto page_arg = [](LPARAM l) { return reinterpret_cast<HPROPSHEETPAGE>(l); };
  switch (msg) {
    case PSM_SETCURSEL: {
      int index = lp ? index_of(s, page_arg(lp)) : int(wp);
      return valid(s, index) && change_to(s, index, 0);
    }
    case PSM_SETCURSELID: {
      int index = index_named(s, lp);
      return valid(s, index) && change_to(s, index, 0);
    }
    case PSM_REMOVEPAGE: remove_page(s, lp ? index_of(s, page_arg(lp)) : int(wp)); return 0;
    case PSM_ADDPAGE: return insert_page(s, s.count(), page_arg(lp));
    case PSM_INSERTPAGE:
      return insert_page(s, IS_INTRESOURCE(wp) ? int(wp) : index_of(s, reinterpret_cast<HPROPSHEETPAGE>(wp)) + 1,
                         page_arg(lp));
    case PSM_CHANGED:
    case PSM_UNCHANGED:
      if (HWND apply_now = GetDlgItem(s.hwnd, kApplyNowId)) EnableWindow(apply_now, msg == PSM_CHANGED);
      return 0;
    case PSM_RESTARTWINDOWS: s.restart = std::max<INT_PTR>(s.restart, ID_PSRESTARTWINDOWS); return 0;
    case PSM_REBOOTSYSTEM: s.restart = ID_PSREBOOTSYSTEM; return 0;
    case PSM_CANCELTOCLOSE:
      if (HWND cancel = GetDlgItem(s.hwnd, IDCANCEL)) EnableWindow(cancel, FALSE);
      if (HWND ok = GetDlgItem(s.hwnd, IDOK)) SetWindowTextW(ok, L"Close");
      return 0;
    case PSM_QUERYSIBLINGS:
      for (int i = 0; i < s.count(); ++i)
        if (HWND w = s.pages[size_t(i)]->window)
          if (LRESULT answer = SendMessageW(w, PSM_QUERYSIBLINGS, wp, lp)) return answer;
      return 0;
    case PSM_APPLY: return apply(s, false);
    case PSM_SETTITLEW: set_title(s, wp, reinterpret_cast<LPCWSTR>(lp)); return 0;
    case PSM_SETWIZBUTTONS:
      s.wizard_buttons = DWORD(lp);
      show_buttons(s);
      return 0;
    case PSM_PRESSBUTTON: press_later(s, wp); return 0;
    case PSM_SETFINISHTEXTW:
      if (HWND finish = GetDlgItem(s.hwnd, kFinishId)) SetWindowTextW(finish, reinterpret_cast<LPCWSTR>(lp));
      s.finish_text_set = true;
      show_buttons(s);
      return 0;
    case PSM_ISDIALOGMESSAGE: return IsDialogMessageW(s.hwnd, reinterpret_cast<LPMSG>(lp));
    case PSM_GETCURRENTPAGEHWND: return s.done ? 0 : reinterpret_cast<LRESULT>(s.current_window());
    case PSM_HWNDTOINDEX: return index_of(s, reinterpret_cast<HWND>(wp));
    case PSM_INDEXTOHWND:
      return valid(s, int(wp)) ? reinterpret_cast<LRESULT>(s.pages[wp]->window) : 0;
    case PSM_PAGETOINDEX: return index_of(s, page_arg(lp));
    case PSM_INDEXTOPAGE: return valid(s, int(wp)) ? reinterpret_cast<LRESULT>(s.pages[wp]) : 0;
    case PSM_IDTOINDEX: return index_named(s, lp);
    case PSM_INDEXTOID: {
      if (!valid(s, int(wp))) return 0;
      const PROPSHEETPAGEW& psp = s.pages[wp]->psp();
      return (psp.dwFlags & PSP_DLGINDIRECT) ? reinterpret_cast<LRESULT>(psp.pResource)
                                             : reinterpret_cast<LRESULT>(psp.pszTemplate);
    }
    case PSM_GETRESULT: return s.done ? s.result : -1;
    default: return 0;  // PSM_GETTABCONTROL: a wizard has no tabs, nor does this sheet draw them
  }
}

bool is_sheet_message(UINT msg) { return msg >= PSM_SETCURSEL && msg <= PSM_GETRESULT; }

}  // namespace

Sheet::~Sheet() {
  for (HPROPSHEETPAGE page : pages) release_page(page);
}

INT_PTR CALLBACK sheet_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_INITDIALOG) {
    SheetPtr s = *reinterpret_cast<const SheetPtr*>(lp);
    s->hwnd = hwnd;
    keep_sheet(hwnd, s);
    initialize(*s);
    return FALSE;  // the focus is where the first page put it
  }
  SheetPtr s = find_sheet(hwnd);  // held while a page's answer may destroy the sheet
  if (!s) return FALSE;
  if (msg == WM_COMMAND && HIWORD(wp) == BN_CLICKED) return press(*s, LOWORD(wp));
  if (msg == WM_NCDESTROY) forget_sheet(hwnd);
  if (!is_sheet_message(msg)) return FALSE;
  SetWindowLongPtrW(hwnd, DWLP_MSGRESULT, sheet_message(*s, msg, wp, lp));
  return TRUE;
}

}  // namespace platform::comctl::sheet
