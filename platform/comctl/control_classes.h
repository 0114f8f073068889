// The common controls' window classes, and what their procedures share.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>

namespace platform::comctl {

LRESULT CALLBACK ip_address_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK progress_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK link_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
LRESULT CALLBACK rich_edit_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

// A global class of the system; registering it again changes nothing.
void register_control_class(const char16_t* name, WNDPROC proc);

// WM_NOTIFY to the control's parent: fills `header` (the start of the notification's
// structure) with the control, its id and `code`; the parent's answer.
LRESULT notify(HWND control, UINT code, NMHDR* header);

// The IP address control as the keyboard fills it: the address cleared, then `text` typed.
void type_address(HWND control, const std::u16string& text);
// The first link of a SysLink control activated as a click does: NM_CLICK to the parent.
bool click_first_link(HWND control);

}  // namespace platform::comctl
