#include "user/list_box_text.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "kernel/text.h"
#include "user/list_box.h"

namespace platform::user {
namespace {

std::u16string converted(std::string_view ansi) { return text::from_ansi(ansi); }
std::string converted(std::u16string_view wide) { return text::to_ansi(wide); }

template <class Caller, class Proc>
LRESULT relay(WNDPROC proc, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != LB_GETTEXT && msg != LB_GETTEXTLEN) {
    std::basic_string_view<Caller> in;
    if (lp) in = reinterpret_cast<const Caller*>(lp);
    std::basic_string<Proc> text = converted(in);
    return proc(hwnd, msg, wp, lp ? LPARAM(text.c_str()) : 0);
  }
  // The length in the caller's form is that of the converted text.
  LRESULT length = proc(hwnd, LB_GETTEXTLEN, wp, 0);
  if (length < 0) return length;
  std::basic_string<Proc> buffer(size_t(length) + 1, Proc(0));
  LRESULT got = proc(hwnd, LB_GETTEXT, wp, LPARAM(buffer.data()));
  if (got < 0) return got;
  buffer.resize(std::min(size_t(got), size_t(length)));
  std::basic_string<Caller> text = converted(std::basic_string_view<Proc>(buffer));
  if (msg == LB_GETTEXTLEN) return LRESULT(text.size());
  if (!lp) return LB_ERR;
  Caller* out = reinterpret_cast<Caller*>(lp);
  std::copy(text.begin(), text.end(), out);
  out[text.size()] = Caller(0);
  return LRESULT(text.size());
}

bool is_text_message(UINT msg) {
  switch (msg) {
    case LB_ADDSTRING:
    case LB_INSERTSTRING:
    case LB_FINDSTRING:
    case LB_FINDSTRINGEXACT:
    case LB_SELECTSTRING:
    case LB_GETTEXT:
    case LB_GETTEXTLEN: return true;
    default: return false;
  }
}

}  // namespace

bool carries_list_box_text(HWND hwnd, UINT msg) {
  if (!is_text_message(msg)) return false;
  WindowPtr w = find_window(hwnd);
  if (!w || !list_box::is_list_box(*w)) return false;
  bool owner_drawn = w->style & (LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE);
  return !owner_drawn || (w->style & LBS_HASSTRINGS);
}

LRESULT call_with_list_box_text(WNDPROC proc, bool caller_unicode, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return caller_unicode ? relay<char16_t, char>(proc, hwnd, msg, wp, lp) : relay<char, char16_t>(proc, hwnd, msg, wp, lp);
}

}  // namespace platform::user
