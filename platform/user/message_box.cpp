// MessageBox: a modal "#32770" dialog with an icon, the text and the style's buttons. It is
// answered by a click, a key or its close box; one that nobody answers within the machine's
// limit ("desktop.box_timeout_ms", machine time; 0 answers at once) gets its default button.
// Every box is written to the desktop log with its answer and how it came.
#include <algorithm>
#include <cstdlib>
#include <optional>
#include <string>

#include <windows.h>

#include "machine/clock.h"
#include "kernel/machine.h"
#include "kernel/out_buffer.h"
#include "kernel/process_identity.h"
#include "kernel/thread.h"
#include "kernel/text.h"
#include "user/deliver.h"
#include "machine/desktop_log.h"
#include "user/dialog_navigation.h"
#include "user/dialog_state.h"
#include "user/dialog_units.h"
#include "user/fonts.h"
#include "user/frame.h"
#include "user/icons.h"
#include "user/message_box_buttons.h"
#include "user/message_box_layout.h"
#include "user/modal_loop.h"
#include "user/screen.h"
#include "user/window_table.h"
#include "user/window_tree.h"

namespace {

using namespace platform;
using namespace platform::user;

constexpr DWORD kDefaultTimeoutMs = 30000;
constexpr int kIconId = 0x0014;
constexpr int kTextId = 0xFFFF;

DWORD box_timeout_ms() {
  std::string value = machine::config("desktop.box_timeout_ms");
  if (value.empty()) return kDefaultTimeoutMs;
  return DWORD(std::strtoul(value.c_str(), nullptr, 10));
}

std::string program_name() {
  const std::u16string& image = process::image_path();
  return text::utf8(image.substr(image.find_last_of(u"\\/") + 1));
}

WORD icon_of(UINT style) {
  switch (style & MB_ICONMASK) {
    case MB_ICONHAND: return 32513;
    case MB_ICONQUESTION: return 32514;
    case MB_ICONEXCLAMATION: return 32515;
    case MB_ICONASTERISK: return 32516;
    default: return 0;
  }
}

// What the box's dialog procedure knows while it runs.
struct Box {
  Buttons buttons;
  const ModalLoop* loop = nullptr;
  bool closing = false;  // WM_CLOSE came: the IDCANCEL that follows is the close box's
  std::optional<int> answer;
  const char* how = "default";
};

bool has(const Buttons& b, int id) { return std::find(b.answers.begin(), b.answers.end(), id) != b.answers.end(); }

// IDCANCEL (Escape, the close box) is the Cancel button, or OK on a box with OK alone;
// other boxes cannot be cancelled.
std::optional<int> cancel_answer(const Buttons& b) {
  if (has(b, IDCANCEL)) return IDCANCEL;
  if (b.answers.size() == 1 && b.answers[0] == IDOK) return IDOK;
  return std::nullopt;
}

// Whether the message the box's loop is handling comes from the keyboard; a click from outside
// arrives as handed work, with no message.
bool keyboard(const ModalLoop* loop) {
  const MSG* msg = loop ? loop->handling() : nullptr;
  return msg && (msg->message == WM_KEYDOWN || msg->message == WM_KEYUP || msg->message == WM_CHAR);
}

INT_PTR CALLBACK box_proc(HWND dlg, UINT msg, WPARAM wp, LPARAM) {
  auto* box = reinterpret_cast<Box*>(GetWindowLongPtrW(dlg, DWLP_USER));
  if (!box) return FALSE;
  if (msg == WM_CLOSE) {
    box->closing = true;
    return FALSE;  // the dialog manager turns it into IDCANCEL
  }
  if (msg != WM_COMMAND || HIWORD(wp) != BN_CLICKED) return FALSE;
  int id = LOWORD(wp);
  std::optional<int> answer = id == IDCANCEL ? cancel_answer(box->buttons) : std::optional<int>(id);
  const char* how = box->closing ? "closed" : keyboard(box->loop) ? "key" : "clicked";
  box->closing = false;
  if (!answer || !has(box->buttons, *answer)) return TRUE;
  box->answer = answer;
  box->how = how;
  EndDialog(dlg, *answer);
  return TRUE;
}

HWND make_child(HWND dlg, const char16_t* cls, const std::u16string& text, DWORD style, const RECT& r, int id,
                HFONT font) {
  HWND h = CreateWindowExW(WS_EX_NOPARENTNOTIFY, text::wide(cls), text::wide(text), style | WS_CHILD | WS_VISIBLE,
                           r.left, r.top, r.right - r.left, r.bottom - r.top, dlg,
                           reinterpret_cast<HMENU>(uintptr_t(id)), nullptr, nullptr);
  send(h, WM_SETFONT, WPARAM(font), FALSE);
  return h;
}

// The box's window, centred in the work area, with its controls; the default button has the focus.
HWND make_box(HWND owner, const std::u16string& text, const std::u16string& caption, UINT style, Box& box) {
  gdi::Font font = gdi::message_font();
  HFONT hfont = fonts::handle_for(font);
  WORD icon = icon_of(style);
  std::vector<int> ids = box.buttons.answers;
  if (style & MB_HELP) ids.push_back(IDHELP);
  std::vector<std::u16string> labels;
  for (int id : ids) labels.push_back(button_label(id));
  BoxLayout layout = layout_box(font, caption, text, icon != 0, labels);

  const DWORD box_style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_NOIDLEMSG;
  const DWORD box_exstyle = WS_EX_DLGMODALFRAME | ((style & (MB_TOPMOST | MB_SYSTEMMODAL)) ? WS_EX_TOPMOST : 0);
  RECT in = frame::insets(box_style, box_exstyle);
  LONG width = layout.client.cx + in.left + in.right, height = layout.client.cy + in.top + in.bottom;
  RECT work = screen::work_area();
  LONG x = work.left + (work.right - work.left - width) / 2, y = work.top + (work.bottom - work.top - height) / 2;
  HWND dlg = CreateWindowExW(box_exstyle, L"#32770", text::wide(caption), box_style, x, y, width, height, owner,
                             nullptr, nullptr, nullptr);
  if (!dlg) return nullptr;
  DialogState& d = find_window(dlg)->state_as<DialogState>();
  d.font = hfont;
  d.base_units = dialog_units::base_units(font);
  SetWindowLongPtrW(dlg, DWLP_USER, reinterpret_cast<LONG_PTR>(&box));
  SetWindowLongPtrW(dlg, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(box_proc));
  send(dlg, WM_SETFONT, WPARAM(hfont), FALSE);

  if (icon) {
    HWND icon_static = make_child(dlg, u"Static", u"", SS_ICON, layout.icon, kIconId, hfont);
    send(icon_static, STM_SETICON, WPARAM(icons::standard(icon)), 0);
  }
  make_child(dlg, u"Static", text, SS_LEFT | SS_NOPREFIX | WS_GROUP, layout.text, kTextId, hfont);
  int default_id = default_answer(box.buttons, style);
  for (size_t i = 0; i < ids.size(); ++i) {
    DWORD kind = ids[i] == default_id ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
    make_child(dlg, u"Button", labels[i], kind | WS_TABSTOP | (i == 0 ? WS_GROUP : 0), layout.buttons[i], ids[i], hfont);
  }
  send(dlg, DM_SETDEFID, WPARAM(default_id), 0);
  navigation::focus_control(dlg, GetDlgItem(dlg, default_id));
  return dlg;
}

void log_answer(const std::u16string& text, const std::u16string& caption, UINT style, const Box& box) {
  desktop::LoggedBox entry;
  entry.time_ns = clock::now_ns();
  entry.pid = GetCurrentProcessId();
  entry.program = program_name();
  entry.caption = text::utf8(caption);
  entry.text = text::utf8(text);
  entry.style = style;
  entry.buttons = box.buttons.name;
  entry.answer = answer_name(*box.answer);
  entry.how = box.how;
  desktop::log_box(entry);
}

// MB_TASKMODAL without an owner: the thread's other top-level windows are disabled while the
// box is up.
class TaskModality {
 public:
  TaskModality(bool applies, HWND box) {
    if (!applies) return;
    for (const WindowPtr& w : table::of_thread(thread::current_id()))
      if (!w->parent && w->hwnd != box && IsWindowEnabled(w->hwnd)) {
        EnableWindow(w->hwnd, FALSE);
        disabled_.push_back(w->hwnd);
      }
  }
  ~TaskModality() {
    for (HWND h : disabled_)
      if (IsWindow(h)) EnableWindow(h, TRUE);
  }

 private:
  std::vector<HWND> disabled_;
};

int show(HWND hwnd, const std::u16string& text, const std::u16string& caption, UINT style) {
  HWND owner = nullptr;
  if (hwnd) {
    if (!window_of(hwnd)) return 0;
    owner = tree::root_of(hwnd);
  }
  std::optional<Buttons> buttons = buttons_of(style);
  if (!buttons) {
    SetLastError(ERROR_INVALID_MSGBOX_STYLE);
    return 0;
  }
  Box box;
  box.buttons = *buttons;
  HWND dlg = make_box(owner, text, caption, style, box);
  if (!dlg) return 0;
  TaskModality task(!owner && (style & MB_MODEMASK) == MB_TASKMODAL, dlg);
  {
    ModalLoop loop(dlg, owner);
    box.loop = &loop;
    loop.run(box_timeout_ms());
    box.loop = nullptr;
    if (!box.answer) {
      box.answer = default_answer(box.buttons, style);
      box.how = "default";
    }
  }
  log_answer(text, caption, style, box);
  return *box.answer;
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
