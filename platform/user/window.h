// A window of this process: what CreateWindowEx made, owned by the thread that created it.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <windows.h>

#include "gdi/region.h"

namespace platform::user {

struct WindowClass;

// What a control class keeps for each of its windows (an edit's text limit, a button's check).
struct ControlState {
  virtual ~ControlState() = default;
};

struct Window {
  HWND hwnd = nullptr;
  DWORD tid = 0;
  std::shared_ptr<const WindowClass> window_class;
  WNDPROC proc = nullptr;
  bool unicode = true;      // the procedure takes wide text
  DWORD style = 0;
  DWORD exstyle = 0;
  UINT id = 0;              // children: the control id
  HWND parent = nullptr;    // children: the parent window
  HWND owner = nullptr;     // top-level windows: the owner
  RECT rect{};              // the window rectangle in screen coordinates
  std::u16string text;
  HINSTANCE instance = nullptr;
  LONG_PTR user_data = 0;
  std::vector<BYTE> extra;  // cbWndExtra bytes (a dialog's DWLP_ fields)
  HFONT font = nullptr;
  std::vector<HWND> children;  // in creation order
  std::vector<std::pair<std::u16string, HANDLE>> props;  // SetProp: key (see window_props.cpp), data
  bool destroying = false;
  // Painting: the update region in client coordinates, and what BeginPaint still has to do.
  gdi::Region update;
  bool erase_pending = false;
  bool frame_pending = false;  // the non-client area (WM_NCPAINT)
  std::unique_ptr<ControlState> state;
  // Top-level windows: the icons WM_SETICON gave, the window menu's own copy (GetSystemMenu),
  // and while minimised (WS_MINIMIZE) the window rectangle that restoring gives back.
  HICON big_icon = nullptr;
  HICON small_icon = nullptr;
  HMENU system_menu = nullptr;
  RECT restored{};

  template <class State>
  State& state_as() {
    if (!dynamic_cast<State*>(state.get())) state = std::make_unique<State>();
    return *static_cast<State*>(state.get());
  }
};

using WindowPtr = std::shared_ptr<Window>;

// The window behind `hwnd`, or null (last error ERROR_INVALID_WINDOW_HANDLE) when it names none.
WindowPtr window_of(HWND hwnd);
// The same without touching the last error.
WindowPtr find_window(HWND hwnd);

}  // namespace platform::user
