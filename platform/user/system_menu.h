// The window menu (system menu) of a top-level window: the standard items its styles give, kept
// as the window's own copy once a program asks for it, and picking one of its items.
#pragma once

#include <windows.h>

#include <string>

#include "user/window.h"

namespace platform::user::system_menu {

// The window's own copy, made at the first call; null for a window without WS_SYSMENU.
HMENU of(Window& w);
// Back to the standard items: the copy is destroyed.
void revert(Window& w);
// Grays what the window's state makes useless (Minimize while minimised, Restore while not).
void update_states(const Window& w);

// The command of the enabled item whose text, without "&" and before a tab, is `name`.
struct Pick {
  enum class Result { picked, not_found, disabled } result = Result::not_found;
  UINT command = 0;
};
Pick find(Window& w, const std::u16string& name);

}  // namespace platform::user::system_menu
