// Moving between pages and ending the sheet, as the pages' answers to the sheet's
// notifications decide.
#include "comctl/property_sheet.h"
#include "kernel/text.h"
#include "user/deliver.h"

namespace platform::comctl::sheet {
namespace {

void show_page(Sheet& s, int index) {
  HWND old = s.current_window();
  HWND now = s.pages[size_t(index)]->window;
  if (s.current != index) s.finish_text_set = false;
  s.current = index;
  if (old && old != now) ShowWindow(old, SW_HIDE);
  ShowWindow(now, SW_SHOWNA);
  if (s.wizard()) {
    std::u16string title = page_title(s.pages[size_t(index)]);
    SetWindowTextW(s.hwnd, text::wide(title.empty() ? s.caption : title));
  }
  if (HWND help = GetDlgItem(s.hwnd, IDHELP))
    EnableWindow(help, (s.pages[size_t(index)]->psp().dwFlags & PSP_HASHELP) != 0);
  // The wizard buttons keep their state across pages: a page that wants others sets them in its
  // PSN_SETACTIVE, through PSM_SETWIZBUTTONS or on the buttons themselves.
  focus_page(s);
}

// What a sheet that ends with its changes made returns.
INT_PTR saved_result(const Sheet& s) { return s.restart ? s.restart : 1; }

// Ends the sheet with `result`: a modal sheet's loop returns it, a modeless sheet's
// PSM_GETCURRENTPAGEHWND turns null.
void end(Sheet& s, INT_PTR result) {
  s.done = true;
  s.result = result;
  EndDialog(s.hwnd, result);
}

// Back or Next: the page may stay (-1), let the sheet go on (0) or name the page to go to.
void step(Sheet& s, int by) {
  HWND page = s.current_window();
  if (!page) return;
  LRESULT answer = notify(s, page, by > 0 ? PSN_WIZNEXT : PSN_WIZBACK);
  if (answer == -1) return;
  int target = answer == 0 ? s.current + by : index_named(s, answer);
  if (target < 0 || target >= s.count()) return;
  change_to(s, target, by);
}

void finish(Sheet& s) {
  HWND page = s.current_window();
  if (page) {
    LRESULT answer = notify(s, page, PSN_WIZFINISH);
    if (answer) {
      // A window of the page to give the focus to, or just TRUE: the sheet stays.
      HWND to = reinterpret_cast<HWND>(answer);
      if (IsWindow(to) && IsChild(page, to)) user::send(page, WM_NEXTDLGCTL, WPARAM(to), TRUE);
      SetLastError(0);
      return;
    }
  }
  end(s, saved_result(s));
}

void cancel(Sheet& s) {
  HWND page = s.current_window();
  if (page && notify(s, page, PSN_QUERYCANCEL)) return;
  for (int i = 0; i < s.count(); ++i)
    if (HWND w = s.pages[size_t(i)]->window) notify(s, w, PSN_RESET);
  end(s, s.saved ? saved_result(s) : 0);
}

}  // namespace

bool apply(Sheet& s, bool closing) {
  HWND page = s.current_window();
  if (page && notify(s, page, PSN_KILLACTIVE)) return false;
  for (int i = 0; i < s.count(); ++i) {
    HWND w = s.pages[size_t(i)]->window;
    if (!w) continue;
    LRESULT answer = notify(s, w, PSN_APPLY, closing);
    if (answer == PSNRET_INVALID_NOCHANGEPAGE) return false;
    if (answer == PSNRET_INVALID) {
      if (i != s.current) activate(s, i, 0);
      return false;
    }
  }
  s.saved = true;
  if (HWND apply_now = GetDlgItem(s.hwnd, kApplyNowId)) EnableWindow(apply_now, FALSE);
  SetLastError(0);
  return true;
}

LRESULT notify(const Sheet& s, HWND page, UINT code, LPARAM lparam) {
  PSHNOTIFY n{{s.hwnd, 0, code}, lparam};
  // The page answers in its message result; one that does not handle the code leaves it 0.
  SetWindowLongPtrW(page, DWLP_MSGRESULT, 0);
  user::send(page, WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
  return IsWindow(page) ? GetWindowLongPtrW(page, DWLP_MSGRESULT) : 0;
}

int index_named(const Sheet& s, LRESULT name) {
  for (int i = 0; i < s.count(); ++i)
    if (page_named(s.pages[size_t(i)], name)) return i;
  return -1;
}

bool activate(Sheet& s, int index, int step_by) {
  const int by = step_by ? step_by : 1;
  // Each page may send the sheet on once; a longer chain is a loop of refusals.
  for (int tries = 0; tries <= s.count() && index >= 0 && index < s.count(); ++tries) {
    HWND page = page_window(s.pages[size_t(index)], s.hwnd, s.page_area);
    if (!page) return false;
    LRESULT answer = notify(s, page, PSN_SETACTIVE);
    if (answer == 0) {
      show_page(s, index);
      return true;
    }
    index = answer == -1 ? index + by : index_named(s, answer);
  }
  return false;
}

bool change_to(Sheet& s, int index, int step_by) {
  HWND page = s.current_window();
  if (page && notify(s, page, PSN_KILLACTIVE)) return false;
  return activate(s, index, step_by);
}

bool press(Sheet& s, int button_id) {
  if (s.done) return false;
  switch (button_id) {
    case kBackId: step(s, -1); return true;
    case kNextId: step(s, +1); return true;
    case kFinishId: finish(s); return true;
    case IDOK:
      if (apply(s, true)) end(s, saved_result(s));
      return true;
    case kApplyNowId: apply(s, false); return true;
    case IDCANCEL: cancel(s); return true;
    case IDHELP:
      if (HWND page = s.current_window()) notify(s, page, PSN_HELP);
      return true;
    default: return false;
  }
}

void focus_page(Sheet& s) {
  HWND page = s.current_window();
  HWND to = page ? GetNextDlgTabItem(page, nullptr, FALSE) : nullptr;
  if (!to) {
    LRESULT def = user::send(s.hwnd, DM_GETDEFID, 0, 0);
    to = HIWORD(def) == DC_HASDEFID ? GetDlgItem(s.hwnd, LOWORD(def)) : nullptr;
  }
  if (to) user::send(s.hwnd, WM_NEXTDLGCTL, WPARAM(to), TRUE);
  SetLastError(0);
}

}  // namespace platform::comctl::sheet
