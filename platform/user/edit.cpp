// The Edit class: a line (or, basically, several lines) of text the user types into.
#include <windows.h>

#include <algorithm>

#include "kernel/out_buffer.h"
#include "user/clipboard.h"
#include "user/controls.h"
#include "user/update_region.h"
#include "user/window.h"

namespace platform::user::controls {
namespace {

constexpr size_t kDefaultLimit = 30000;
constexpr size_t kMaxLimit = 0x7FFFFFFE;

struct EditState : ControlState {
  size_t limit = kDefaultLimit;
  size_t sel_start = 0;
  size_t sel_end = 0;
  WCHAR password_char = 0;
  bool modified = false;
  bool initialised = false;
};

EditState& state_of(Window& w) {
  EditState& s = w.state_as<EditState>();
  if (!s.initialised) {
    s.initialised = true;
    if (w.style & ES_PASSWORD) s.password_char = L'*';
  }
  return s;
}

void clamp_selection(const Window& w, EditState& s) {
  s.sel_start = std::min(s.sel_start, w.text.size());
  s.sel_end = std::min(s.sel_end, w.text.size());
  if (s.sel_start > s.sel_end) std::swap(s.sel_start, s.sel_end);
}

void changed(Window& w, EditState& s) {
  s.modified = true;
  paint::invalidate_control(w);
  notify_parent(w.hwnd, EN_UPDATE);
  notify_parent(w.hwnd, EN_CHANGE);
}

// Replaces the selection with `text` as typing does, within the text limit.
bool replace_selection(Window& w, EditState& s, std::u16string text) {
  clamp_selection(w, s);
  size_t kept = w.text.size() - (s.sel_end - s.sel_start);
  if (kept + text.size() > s.limit) {
    notify_parent(w.hwnd, EN_MAXTEXT);
    if (kept >= s.limit) return false;
    text.resize(s.limit - kept);
  }
  w.text.replace(s.sel_start, s.sel_end - s.sel_start, text);
  s.sel_start = s.sel_end = s.sel_start + text.size();
  return true;
}

void type_char(Window& w, EditState& s, char16_t c) {
  if (w.style & ES_READONLY) return;
  clamp_selection(w, s);
  if (c == 0x08) {
    if (s.sel_start == s.sel_end) {
      if (s.sel_start == 0) return;
      --s.sel_start;
    }
    w.text.erase(s.sel_start, s.sel_end - s.sel_start);
    s.sel_end = s.sel_start;
    changed(w, s);
    return;
  }
  bool multiline = w.style & ES_MULTILINE;
  if (c == u'\r' && multiline) {
    if (replace_selection(w, s, u"\r\n")) changed(w, s);
    return;
  }
  if (c < 0x20) return;
  if ((w.style & ES_NUMBER) && (c < u'0' || c > u'9')) return;  // the user hears a beep
  if (w.style & ES_UPPERCASE) c = c >= u'a' && c <= u'z' ? char16_t(c - 32) : c;
  if (w.style & ES_LOWERCASE) c = c >= u'A' && c <= u'Z' ? char16_t(c + 32) : c;
  if (replace_selection(w, s, std::u16string(1, c))) changed(w, s);
}

void key_down(Window& w, EditState& s, UINT vk) {
  clamp_selection(w, s);
  switch (vk) {
    case VK_DELETE:
      if (w.style & ES_READONLY) return;
      if (s.sel_start == s.sel_end) {
        if (s.sel_end == w.text.size()) return;
        ++s.sel_end;
      }
      w.text.erase(s.sel_start, s.sel_end - s.sel_start);
      s.sel_end = s.sel_start;
      changed(w, s);
      break;
    case VK_HOME: s.sel_start = s.sel_end = 0; break;
    case VK_END: s.sel_start = s.sel_end = w.text.size(); break;
    case VK_LEFT: s.sel_start = s.sel_end = s.sel_start > 0 ? s.sel_start - 1 : 0; break;
    case VK_RIGHT: s.sel_start = s.sel_end = std::min(s.sel_end + 1, w.text.size()); break;
    default: break;
  }
}

LRESULT dialog_code(const Window& w) {
  LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
  if ((w.style & ES_MULTILINE) && (w.style & ES_WANTRETURN)) code |= DLGC_WANTALLKEYS;
  return code;
}

LRESULT lines(const Window& w) {
  if (!(w.style & ES_MULTILINE)) return 1;
  return LRESULT(std::count(w.text.begin(), w.text.end(), u'\n') + 1);
}

}  // namespace

LRESULT CALLBACK edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  WindowPtr w = find_window(hwnd);
  if (!w) return 0;
  EditState& s = state_of(*w);
  switch (msg) {
    case WM_GETDLGCODE: return dialog_code(*w);
    case WM_SETTEXT: {
      DefWindowProcW(hwnd, msg, wp, lp);
      s.sel_start = s.sel_end = 0;
      s.modified = false;
      paint::invalidate_control(*w);
      // A single-line edit tells its parent; a multiline one does not.
      if (!(w->style & ES_MULTILINE)) {
        notify_parent(hwnd, EN_UPDATE);
        notify_parent(hwnd, EN_CHANGE);
      }
      return TRUE;
    }
    case WM_CHAR:
      type_char(*w, s, char16_t(wp));
      return 0;
    case WM_KEYDOWN:
      key_down(*w, s, UINT(wp));
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      paint::invalidate_control(*w);  // the caret
      notify_parent(hwnd, msg == WM_SETFOCUS ? EN_SETFOCUS : EN_KILLFOCUS);
      return 0;
    case WM_ENABLE:
      paint::invalidate_control(*w);
      return 0;
    case EM_GETSEL:
      clamp_selection(*w, s);
      if (wp) *reinterpret_cast<DWORD*>(wp) = DWORD(s.sel_start);
      if (lp) *reinterpret_cast<DWORD*>(lp) = DWORD(s.sel_end);
      return MAKELRESULT(s.sel_start, s.sel_end);
    case EM_SETSEL: {
      // A start of -1 removes the selection; an end of -1 (or past the text) means the end.
      int start = int(wp), end = int(lp);
      size_t size = w->text.size();
      if (start < 0) {
        s.sel_start = s.sel_end = std::min(s.sel_end, size);
        return 0;
      }
      s.sel_start = std::min(size_t(start), size);
      s.sel_end = end < 0 ? size : std::min(size_t(end), size);
      clamp_selection(*w, s);
      return 0;
    }
    case WM_COPY:
      // A password stays out of the clipboard.
      clamp_selection(*w, s);
      if (!(w->style & ES_PASSWORD) && s.sel_end > s.sel_start)
        clipboard::copy_text(hwnd, std::u16string_view(w->text).substr(s.sel_start, s.sel_end - s.sel_start));
      return 0;
    case EM_REPLACESEL:
      if (replace_selection(*w, s, out::in(reinterpret_cast<LPCWSTR>(lp)))) changed(*w, s);
      return 0;
    case EM_LIMITTEXT:
      s.limit = wp == 0 ? kMaxLimit : size_t(wp);
      return 0;
    case EM_GETLIMITTEXT: return LRESULT(s.limit);
    case EM_SETPASSWORDCHAR:
      s.password_char = WCHAR(wp);
      if (wp) w->style |= ES_PASSWORD;
      else w->style &= ~DWORD(ES_PASSWORD);
      paint::invalidate_control(*w);
      return 0;
    case EM_GETPASSWORDCHAR: return s.password_char;
    case EM_SETREADONLY:
      if (wp) w->style |= ES_READONLY;
      else w->style &= ~DWORD(ES_READONLY);
      paint::invalidate_control(*w);  // a read-only field is grey
      return TRUE;
    case EM_GETMODIFY: return s.modified;
    case EM_SETMODIFY:
      s.modified = wp != 0;
      return 0;
    case EM_GETLINECOUNT: return lines(*w);
    case EM_CANUNDO: return FALSE;
    case EM_EMPTYUNDOBUFFER: return 0;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace platform::user::controls
