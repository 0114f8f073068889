// What controls do with the clipboard: WM_COPY of an edit control puts its selection there.
#pragma once

#include <string_view>

#include <windows.h>

namespace platform::user::clipboard {

// Opens the clipboard for `owner`, puts `text` on it as CF_UNICODETEXT with its line ends
// (CR, LF or both) as CR LF, and closes it; false when another thread has it open.
bool copy_text(HWND owner, std::u16string_view text);

}  // namespace platform::user::clipboard
