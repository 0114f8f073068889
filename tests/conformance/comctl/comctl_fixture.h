// A parent window that records what the common controls tell it, with the controls' classes
// registered. The test base is the build's: a plain test, or one on a fresh machine of its own.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "support/wide.h"
#include "support/window_helpers.h"

namespace comctl_test {

struct Notice {
  UINT message;  // WM_COMMAND or WM_NOTIFY
  int id;
  int code;
  int field = 0, value = 0;       // IPN_FIELDCHANGED
  int link = -1;                  // NM_CLICK, NM_RETURN
  std::u16string link_id = {}, url = {};
};

inline std::vector<Notice>& notices() {
  static std::vector<Notice> log;
  return log;
}
// IPN_FIELDCHANGED's answer: the value the parent puts back, or -2 to leave it.
inline int& field_override() {
  static int value = -2;
  return value;
}

inline LRESULT CALLBACK recording_proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_COMMAND) notices().push_back({m, LOWORD(w), HIWORD(w)});
  if (m == WM_NOTIFY) {
    const NMHDR* hdr = reinterpret_cast<const NMHDR*>(l);
    Notice n{m, int(hdr->idFrom), int(hdr->code)};
    if (hdr->code == IPN_FIELDCHANGED) {
      NMIPADDRESS* ip = reinterpret_cast<NMIPADDRESS*>(l);
      n.field = ip->iField;
      n.value = ip->iValue;
      if (field_override() != -2) ip->iValue = field_override();
    }
    if (hdr->code == NM_CLICK || hdr->code == NM_RETURN) {
      const NMLINK* link = reinterpret_cast<const NMLINK*>(l);
      n.link = link->item.iLink;
      n.link_id = testing_support::U(link->item.szID);
      n.url = testing_support::U(link->item.szUrl);
    }
    notices().push_back(n);
  }
  return DefWindowProcW(h, m, w, l);
}

template <class Base>
class ComctlTestOn : public Base {
 protected:
  void SetUp() override {
    Base::SetUp();
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_INTERNET_CLASSES | ICC_PROGRESS_CLASS | ICC_LINK_CLASS};
    ASSERT_TRUE(InitCommonControlsEx(&icc));
    ASSERT_TRUE(testing_support::register_test_class(L"ComctlParent", recording_proc));
    parent_ = CreateWindowExW(0, L"ComctlParent", L"", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    notices().clear();
    field_override() = -2;
  }
  void TearDown() override {
    DestroyWindow(parent_);
    Base::TearDown();
  }
  HWND make(const wchar_t* cls, DWORD style, int id, const wchar_t* text = L"") {
    return CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 24, parent_,
                           reinterpret_cast<HMENU>(uintptr_t(id)), nullptr, nullptr);
  }
  static int count(UINT message, int code) {
    int n = 0;
    for (const Notice& x : notices()) n += x.message == message && x.code == code;
    return n;
  }
  HWND parent_ = nullptr;
};

}  // namespace comctl_test
