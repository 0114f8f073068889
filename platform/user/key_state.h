// The keyboard as a thread sees it: which keys are down (GetKeyState) and the character a key
// types (TranslateMessage), for the US layout.
#pragma once

#include <windows.h>

namespace platform::user::keys {

// Follows WM_KEYDOWN / WM_KEYUP as they are dispatched or handled by the dialog manager.
void note(const MSG* msg);
void set_down(UINT vk, bool down);
SHORT state(int vk);
// 0 for a key that types nothing.
WCHAR character(UINT vk);

}  // namespace platform::user::keys
