// The rich edit control as plain text: paragraphs end with a lone CR inside (what selections
// count), the window text shows them as CR LF. Change notifications only when the parent asked
// for them with EM_SETEVENTMASK.
#include <richedit.h>

#include <algorithm>
#include <vector>

#include "comctl/control_classes.h"
#include "comctl/rich_edit.h"
#include "kernel/out_buffer.h"
#include "kernel/text.h"
#include "user/clipboard.h"
#include "user/controls.h"
#include "user/window.h"

namespace platform::comctl {
namespace {

constexpr LONG kDefaultLimit = 32767;
constexpr LONG kZeroLimit = 65536;  // what a limit of 0 means

// WM_VSCROLL's requests (the scroll bar's SB_ codes).
constexpr WORD kLineUp = 0, kLineDown = 1, kPageUp = 2, kPageDown = 3, kTop = 6, kBottom = 7;

struct RichState : user::ControlState {
  std::u16string doc;
  LONG limit = kDefaultLimit;
  LONG sel_start = 0;
  LONG sel_end = 0;
  DWORD event_mask = ENM_NONE;
  int first_line = 0;
};

// CR LF, a lone LF and a lone CR all end a paragraph.
std::u16string to_paragraphs(std::u16string_view in) {
  std::u16string out;
  for (size_t i = 0; i < in.size(); ++i) {
    if (in[i] == u'\r' && i + 1 < in.size() && in[i + 1] == u'\n') continue;
    out += in[i] == u'\n' ? u'\r' : in[i];
  }
  return out;
}

void sync_text(user::Window& w, const RichState& s) {
  std::u16string text;
  for (char16_t c : s.doc) {
    if (c == u'\r') text += u"\r\n";
    else text += c;
  }
  w.text = text;
}

LONG size(const RichState& s) { return LONG(s.doc.size()); }

void set_selection(RichState& s, LONG start, LONG end) {
  // A start of -1 removes the selection; an end of -1 means the end of the text.
  if (start < 0) {
    s.sel_start = s.sel_end;
    return;
  }
  s.sel_start = std::min(start, size(s));
  s.sel_end = end < 0 ? size(s) : std::min(end, size(s));
  if (s.sel_start > s.sel_end) std::swap(s.sel_start, s.sel_end);
}

void changed(user::Window& w, const RichState& s) {
  sync_text(w, s);
  if (s.event_mask & ENM_UPDATE) user::controls::notify_parent(w.hwnd, EN_UPDATE);
  if (s.event_mask & ENM_CHANGE) user::controls::notify_parent(w.hwnd, EN_CHANGE);
}

// Replaces the selection within the text limit; the caret ends after the new text.
void replace_selection(user::Window& w, RichState& s, std::u16string text) {
  LONG kept = size(s) - (s.sel_end - s.sel_start);
  if (kept + LONG(text.size()) > s.limit) {
    text.resize(size_t(std::max<LONG>(0, s.limit - kept)));
    if (s.event_mask & ENM_CHANGE) user::controls::notify_parent(w.hwnd, EN_MAXTEXT);
  }
  s.doc.replace(size_t(s.sel_start), size_t(s.sel_end - s.sel_start), text);
  s.sel_start = s.sel_end = s.sel_start + LONG(text.size());
  changed(w, s);
}

void set_all(user::Window& w, RichState& s, std::u16string text) {
  s.sel_start = 0;
  s.sel_end = size(s);
  replace_selection(w, s, std::move(text));
  s.sel_start = s.sel_end = 0;
  s.first_line = 0;
}

// SF_TEXT: 8-bit text in the ANSI code page, or UTF-16 with SF_UNICODE; the number of
// characters read in.
LRESULT stream_in(user::Window& w, RichState& s, WPARAM format, EDITSTREAM* es) {
  if (!es || !es->pfnCallback || (format & SF_RTF)) return 0;
  std::string bytes;
  BYTE buffer[4096];
  for (;;) {
    LONG got = 0;
    es->dwError = es->pfnCallback(es->dwCookie, buffer, LONG(sizeof buffer), &got);
    if (es->dwError || got <= 0) break;
    bytes.append(reinterpret_cast<const char*>(buffer), size_t(got));
  }
  std::u16string text;
  if (format & SF_UNICODE) text.assign(reinterpret_cast<const char16_t*>(bytes.data()), bytes.size() / 2);
  else text = text::from_ansi(bytes);
  text = to_paragraphs(text);
  if (format & SFF_SELECTION) replace_selection(w, s, text);
  else set_all(w, s, text);
  return LRESULT(text.size());
}

LRESULT line_count(const RichState& s) { return LRESULT(std::count(s.doc.begin(), s.doc.end(), u'\r') + 1); }

void type_char(user::Window& w, RichState& s, char16_t c) {
  if (w.style & ES_READONLY) return;
  if (c == 0x08) {
    if (s.sel_start == s.sel_end && s.sel_start > 0) --s.sel_start;
    replace_selection(w, s, u"");
  } else if (c == u'\r' || c >= 0x20) {
    replace_selection(w, s, std::u16string(1, c));
  }
}

void scroll_lines(RichState& s, int by) {
  s.first_line = std::clamp(s.first_line + by, 0, int(line_count(s)) - 1);
}

}  // namespace

LRESULT CALLBACK rich_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  user::WindowPtr w = user::find_window(hwnd);
  if (!w) return 0;
  RichState& s = w->state_as<RichState>();
  switch (msg) {
    case WM_CREATE:
      s.doc = to_paragraphs(w->text);
      sync_text(*w, s);
      return 0;
    case WM_GETDLGCODE: {
      LRESULT code = DLGC_WANTCHARS | DLGC_HASSETSEL | DLGC_WANTARROWS;
      if ((w->style & ES_MULTILINE) && (w->style & ES_WANTRETURN)) code |= DLGC_WANTALLKEYS;
      return code;
    }
    case WM_SETTEXT:
      set_all(*w, s, to_paragraphs(out::in(reinterpret_cast<LPCWSTR>(lp))));
      return TRUE;
    case WM_CHAR:
      type_char(*w, s, char16_t(wp));
      return 0;
    case EM_STREAMIN: return stream_in(*w, s, wp, reinterpret_cast<EDITSTREAM*>(lp));
    case EM_GETSEL:
      if (wp) *reinterpret_cast<DWORD*>(wp) = DWORD(s.sel_start);
      if (lp) *reinterpret_cast<DWORD*>(lp) = DWORD(s.sel_end);
      return MAKELRESULT(s.sel_start, s.sel_end);
    case EM_SETSEL:
      set_selection(s, LONG(int(wp)), LONG(lp));
      return 0;
    case EM_EXGETSEL:
      if (lp) *reinterpret_cast<CHARRANGE*>(lp) = {s.sel_start, s.sel_end};
      return 0;
    case EM_EXSETSEL:
      if (lp) set_selection(s, reinterpret_cast<CHARRANGE*>(lp)->cpMin, reinterpret_cast<CHARRANGE*>(lp)->cpMax);
      return s.sel_end;
    case WM_COPY:
      if (s.sel_end > s.sel_start)
        user::clipboard::copy_text(hwnd, std::u16string_view(s.doc).substr(size_t(s.sel_start), size_t(s.sel_end - s.sel_start)));
      return 0;
    case EM_REPLACESEL:
      replace_selection(*w, s, to_paragraphs(out::in(reinterpret_cast<LPCWSTR>(lp))));
      return 0;
    case EM_LIMITTEXT:
      s.limit = wp ? LONG(wp) : kZeroLimit;
      return 0;
    case EM_EXLIMITTEXT:
      s.limit = lp ? LONG(lp) : kZeroLimit;
      return 0;
    case EM_GETLIMITTEXT: return s.limit;
    case EM_SETREADONLY:
      if (wp) w->style |= ES_READONLY;
      else w->style &= ~DWORD(ES_READONLY);
      return TRUE;
    case EM_SETEVENTMASK: {
      DWORD old = s.event_mask;
      s.event_mask = DWORD(lp);
      return old;
    }
    case EM_GETEVENTMASK: return s.event_mask;
    case EM_GETLINECOUNT: return line_count(s);
    case EM_GETFIRSTVISIBLELINE: return s.first_line;
    case EM_LINESCROLL:
      scroll_lines(s, int(lp));
      return TRUE;
    case WM_VSCROLL:
      if (LOWORD(wp) == kLineDown || LOWORD(wp) == kPageDown) scroll_lines(s, 1);
      else if (LOWORD(wp) == kLineUp || LOWORD(wp) == kPageUp) scroll_lines(s, -1);
      else if (LOWORD(wp) == kTop) s.first_line = 0;
      else if (LOWORD(wp) == kBottom) scroll_lines(s, int(line_count(s)));
      return 0;
    case WM_HSCROLL:
    case EM_SCROLLCARET: return 0;
    case EM_CANUNDO: return FALSE;
    case EM_EMPTYUNDOBUFFER: return 0;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void register_rich_edit_classes() {
  register_control_class(u"RichEdit20W", rich_edit_proc);
  register_control_class(u"RICHEDIT50W", rich_edit_proc);
}

}  // namespace platform::comctl
