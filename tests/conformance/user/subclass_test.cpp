// Subclassing across character sets: procedure handles, CallWindowProc converting text messages
// between the forms, restoring the original procedure.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/window_helpers.h"

namespace {

using testing_support::window_text;

WNDPROC ansi_next = nullptr;
std::string ansi_seen;  // what the ANSI procedure received, in windows-1252
std::vector<WPARAM> ansi_chars;

LRESULT CALLBACK ansi_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETTEXT) ansi_seen = reinterpret_cast<const char*>(lp);
  if (msg == WM_CHAR) ansi_chars.push_back(wp);
  return CallWindowProcA(ansi_next, hwnd, msg, wp, lp);
}

WNDPROC wide_next = nullptr;
std::u16string wide_seen;

LRESULT CALLBACK wide_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETTEXT) wide_seen = reinterpret_cast<const char16_t*>(lp);
  return CallWindowProcW(wide_next, hwnd, msg, wp, lp);
}

class Subclassing : public ::testing::Test {
 protected:
  void SetUp() override {
    ::testing::Test::SetUp();
    window_ = CreateWindowExW(0, L"Static", L"", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(window_, nullptr);
    original_ = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC));
    ansi_seen.clear();
    ansi_chars.clear();
    wide_seen.clear();
  }
  void TearDown() override {
    DestroyWindow(window_);
    ::testing::Test::TearDown();
  }
  HWND window_ = nullptr;
  WNDPROC original_ = nullptr;
};

TEST_F(Subclassing, AnAnsiSubclassOfAWideWindowSeesAnsiAndPassesWideOn) {
  ansi_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(ansi_proc)));
  // The wide procedure reaches an ANSI caller only as a handle that CallWindowProcA resolves.
  EXPECT_NE(ansi_next, original_);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)), ansi_proc);

  ASSERT_TRUE(SetWindowTextW(window_, L"caf\u00e9 \u20ac"));
  EXPECT_EQ(ansi_seen, "caf\xe9 \x80");
  EXPECT_EQ(window_text(window_), u"caf\u00e9 \u20ac");

  char buffer[16];
  ASSERT_EQ(GetWindowTextA(window_, buffer, sizeof buffer), 6);
  EXPECT_EQ(std::string(buffer), "caf\xe9 \x80");

  SendMessageW(window_, WM_CHAR, 0x20AC, 0);
  SendMessageA(window_, WM_CHAR, 'x', 0);
  EXPECT_EQ(ansi_chars, (std::vector<WPARAM>{0x80, 'x'}));

  // Putting the handle back restores the wide procedure itself.
  SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(ansi_next));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)), original_);
  SetWindowTextA(window_, "\xe9t\xe9");
  EXPECT_EQ(window_text(window_), u"\u00e9t\u00e9");
}

TEST_F(Subclassing, ChainsOfBothFormsConvertAtEachStep) {
  ansi_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(ansi_proc)));
  // A wide subclass on top of the ANSI one: the previous procedure is a handle for the wide caller.
  wide_next = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(wide_proc)));
  EXPECT_NE(wide_next, ansi_proc);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)), wide_proc);

  ASSERT_TRUE(SetWindowTextA(window_, "na\xefve"));
  EXPECT_EQ(wide_seen, u"na\u00efve");
  EXPECT_EQ(ansi_seen, "na\xefve");
  EXPECT_EQ(window_text(window_), u"na\u00efve");

  // Unwinding in reverse order gives each procedure back exactly.
  EXPECT_EQ(reinterpret_cast<WNDPROC>(SetWindowLongPtrW(window_, GWLP_WNDPROC, LONG_PTR(wide_next))), wide_proc);
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window_, GWLP_WNDPROC)), ansi_proc);
  SetWindowLongPtrA(window_, GWLP_WNDPROC, LONG_PTR(ansi_next));
  EXPECT_EQ(reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window_, GWLP_WNDPROC)), original_);
}

}  // namespace
