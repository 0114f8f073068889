// MessageBox before the machine has a desktop: the box is answered at once by its default
// button, and written to the desktop log like every box.
#include <optional>
#include <string>

#include <windows.h>

#include "kernel/clock.h"
#include "kernel/out_buffer.h"
#include "kernel/process_identity.h"
#include "kernel/text.h"
#include "user/desktop_log.h"
#include "user/message_box_buttons.h"

namespace {

using namespace winsim;

std::string program_name() {
  const std::u16string& image = process::image_path();
  return text::utf8(image.substr(image.find_last_of(u"\\/") + 1));
}

int show(HWND owner, const std::u16string& text, const std::u16string& caption, UINT style) {
  // No window exists yet that could own a box.
  if (owner) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return 0;
  }
  std::optional<user::Buttons> buttons = user::buttons_of(style);
  if (!buttons) {
    SetLastError(ERROR_INVALID_MSGBOX_STYLE);
    return 0;
  }
  int answer = user::default_answer(*buttons, style);
  desktop::LoggedBox box;
  box.time_ns = clock::now_ns();
  box.pid = GetCurrentProcessId();
  box.program = program_name();
  box.caption = text::utf8(caption);
  box.text = text::utf8(text);
  box.style = style;
  box.buttons = buttons->name;
  box.answer = user::answer_name(answer);
  box.how = "default";
  desktop::log_box(box);
  return answer;
}

// A null caption is Windows' "Error".
template <class Char>
std::u16string caption_of(const Char* caption) {
  return caption ? out::in(caption) : u"Error";
}

}  // namespace

extern "C" {

int WINAPI MessageBoxA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType) {
  return show(hWnd, out::in(lpText), caption_of(lpCaption), uType);
}

int WINAPI MessageBoxW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType) {
  return show(hWnd, out::in(lpText), caption_of(lpCaption), uType);
}

// The language chooses the buttons' texts, which are English whatever it is.
int WINAPI MessageBoxExA(HWND hWnd, LPCSTR lpText, LPCSTR lpCaption, UINT uType, WORD) {
  return show(hWnd, out::in(lpText), caption_of(lpCaption), uType);
}

int WINAPI MessageBoxExW(HWND hWnd, LPCWSTR lpText, LPCWSTR lpCaption, UINT uType, WORD) {
  return show(hWnd, out::in(lpText), caption_of(lpCaption), uType);
}

}  // extern "C"
