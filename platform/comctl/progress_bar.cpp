// The progress bar: a position within a range, moved by steps; in marquee style a moving block
// that shows activity without a position.
#include <algorithm>

#include "comctl/control_classes.h"
#include "user/update_region.h"
#include "user/window.h"

namespace platform::comctl {
namespace {

struct ProgressState : user::ControlState {
  int low = 0;
  int high = 100;
  int pos = 0;
  int step = 10;
  bool marquee = false;
};

int clamp_to_range(const ProgressState& s, long long value) {
  if (s.high <= s.low) return s.low;
  return int(std::clamp<long long>(value, s.low, s.high));
}

// The old range as the 16-bit halves PBM_SETRANGE returns.
LRESULT set_range(ProgressState& s, int low, int high) {
  LRESULT old = MAKELRESULT(WORD(s.low), WORD(s.high));
  s.low = low;
  s.high = high;
  s.pos = clamp_to_range(s, s.pos);
  return old;
}

LRESULT move_to(ProgressState& s, long long value) {
  int old = s.pos;
  s.pos = clamp_to_range(s, value);
  return old;
}

LRESULT progress_message(user::Window* w, ProgressState& s, HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case PBM_SETRANGE: return set_range(s, LOWORD(lp), HIWORD(lp));
    case PBM_SETRANGE32: return set_range(s, int(wp), int(lp));
    case PBM_GETRANGE:
      if (lp) *reinterpret_cast<PBRANGE*>(lp) = {s.low, s.high};
      return wp ? s.low : s.high;
    case PBM_SETPOS: return move_to(s, int(wp));
    case PBM_DELTAPOS: return move_to(s, (long long)s.pos + int(wp));
    case PBM_GETPOS: return s.pos;
    case PBM_SETSTEP: {
      int old = s.step;
      s.step = int(wp);
      return old;
    }
    case PBM_GETSTEP: return s.step;
    case PBM_STEPIT: {
      // Past either end the bar starts over from the other one.
      int old = s.pos;
      long long next = (long long)s.pos + s.step;
      if (next > s.high) next = s.low + (next - s.high);
      else if (next < s.low) next = s.high - (s.low - next);
      s.pos = clamp_to_range(s, next);
      return old;
    }
    case PBM_SETMARQUEE:
      s.marquee = wp != 0 && (w->style & PBS_MARQUEE);
      return TRUE;
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

}  // namespace

// A bar whose range, position or marquee changed paints again.
LRESULT CALLBACK progress_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  user::WindowPtr w = user::find_window(hwnd);
  if (!w) return 0;
  ProgressState& s = w->state_as<ProgressState>();
  ProgressState before = s;
  LRESULT result = progress_message(w.get(), s, hwnd, msg, wp, lp);
  if (before.low != s.low || before.high != s.high || before.pos != s.pos || before.marquee != s.marquee ||
      msg == WM_ENABLE)
    user::paint::invalidate_control(*w);
  return result;
}

}  // namespace platform::comctl
