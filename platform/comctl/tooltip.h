// The tooltip control (tooltips_class32): its tools, the tip it shows for the tool under the
// mouse, and the window subclassing of TTF_SUBCLASS tools.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <optional>
#include <string>

namespace platform::comctl {

LRESULT CALLBACK tooltip_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// The text of a tip of this thread that shows for `window` (a tool that is the window, or a
// rectangle of it), or null when none shows.
std::optional<std::u16string> shown_tip(HWND window);

// TTF_SUBCLASS: the mouse messages of `window` reach `tooltip` as TTM_RELAYEVENT, before the
// window's own procedure; `unsubclass` ends that for the tooltip's windows (all of them when
// `window` is null).
void subclass_for_tooltip(HWND window, HWND tooltip);
void unsubclass_for_tooltip(HWND tooltip, HWND window = nullptr);

}  // namespace platform::comctl
