#include "shell/progress_window.h"

#include <commctrl.h>

#include "kernel/text.h"

namespace platform::shell {
namespace {

constexpr int kWidth = 380, kHeight = 130;  // the window with its frame
constexpr int kMargin = 12, kLineHeight = 16, kBarHeight = 18;
constexpr int kNameId = 1001, kBarId = 1002;

HWND child(HWND parent, const WCHAR* cls, const std::u16string& text, int id, int top, int height, DWORD style) {
  RECT client;
  GetClientRect(parent, &client);
  HWND h = CreateWindowExW(0, cls, text::wide(text), WS_CHILD | WS_VISIBLE | style, kMargin, top,
                           client.right - 2 * kMargin, height, parent, reinterpret_cast<HMENU>(INT_PTR(id)), nullptr,
                           nullptr);
  SendMessageW(h, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  return h;
}

}  // namespace

ProgressWindow::ProgressWindow(HWND owner, const std::u16string& title, bool shows_names, size_t items) {
  INITCOMMONCONTROLSEX classes{sizeof classes, ICC_PROGRESS_CLASS};
  InitCommonControlsEx(&classes);
  RECT work{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
  int x = work.left + (work.right - work.left - kWidth) / 2, y = work.top + (work.bottom - work.top - kHeight) / 2;
  window_ = CreateWindowExW(WS_EX_DLGMODALFRAME, L"#32770", text::wide(title),
                            WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME, x, y, kWidth, kHeight, owner, nullptr,
                            nullptr, nullptr);
  if (!window_) return;
  SendMessageW(window_, WM_SETFONT, WPARAM(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
  int top = kMargin;
  if (shows_names) {
    name_ = child(window_, L"Static", u"", kNameId, top, kLineHeight, SS_LEFT | SS_NOPREFIX | SS_PATHELLIPSIS);
    top += kLineHeight + kMargin / 2;
  }
  bar_ = child(window_, PROGRESS_CLASSW, u"", kBarId, top, kBarHeight, 0);
  SendMessageW(bar_, PBM_SETRANGE32, 0, LPARAM(items));
  SendMessageW(bar_, PBM_SETSTEP, 1, 0);
  UpdateWindow(window_);
}

ProgressWindow::~ProgressWindow() {
  if (window_) DestroyWindow(window_);
}

void ProgressWindow::begin_item(const std::u16string& name) {
  if (!name_) return;
  SetWindowTextW(name_, text::wide(name));
  UpdateWindow(window_);
}

void ProgressWindow::end_item() {
  if (!window_) return;
  SendMessageW(bar_, PBM_STEPIT, 0, 0);
  UpdateWindow(window_);
}

}  // namespace platform::shell
