// WH_CBT hooks at window creation: HCBT_CREATEWND comes before the window's first message, on
// the creating thread, newest hook first; a nonzero answer refuses the window.
#include <string>
#include <utility>
#include <vector>

#include "support/thread.h"
#include "user/desk_fixture.h"

namespace {

using testing_support::DeskTest;

struct Events {
  std::vector<std::string> seen;
  std::u16string name_in_hook;
  std::string ansi_name_in_hook;
  HWND hwnd_in_hook = nullptr;
  LRESULT answer = 0;
  HHOOK first = nullptr;
  HHOOK second = nullptr;
};

Events& events() {
  static Events e;
  return e;
}

LRESULT CALLBACK probe_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) events().seen.push_back("WM_NCCREATE");
  if (msg == WM_CREATE) events().seen.push_back("WM_CREATE");
  if (msg == WM_DESTROY) events().seen.push_back("WM_DESTROY");
  return DefWindowProcW(hwnd, msg, wp, lp);
}

LRESULT CALLBACK first_hook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    auto* event = reinterpret_cast<CBT_CREATEWNDW*>(lp);
    events().seen.push_back("first");
    events().hwnd_in_hook = reinterpret_cast<HWND>(wp);
    events().name_in_hook = event->lpcs->lpszName ? testing_support::U(event->lpcs->lpszName) : u"";
  }
  return CallNextHookEx(events().first, code, wp, lp);
}

LRESULT CALLBACK second_hook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    events().seen.push_back("second");
    if (events().answer) return events().answer;
  }
  return CallNextHookEx(events().second, code, wp, lp);
}

LRESULT CALLBACK ansi_hook(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    auto* event = reinterpret_cast<CBT_CREATEWNDA*>(lp);
    events().ansi_name_in_hook = event->lpcs->lpszName ? event->lpcs->lpszName : "";
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

class CbtHookTest : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    events() = Events{};
    ASSERT_TRUE(testing_support::register_test_class(L"CbtProbe", probe_proc));
  }
  void TearDown() override {
    for (HHOOK h : {events().first, events().second})
      if (h) UnhookWindowsHookEx(h);
    DeskTest::TearDown();
  }
  static HWND create(const wchar_t* name = L"probe") {
    return CreateWindowExW(0, L"CbtProbe", name, WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr, nullptr,
                           nullptr);
  }
};

TEST_F(CbtHookTest, HooksRunNewestFirstBeforeTheFirstMessage) {
  events().first = SetWindowsHookExW(WH_CBT, first_hook, nullptr, GetCurrentThreadId());
  events().second = SetWindowsHookExW(WH_CBT, second_hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(events().first, nullptr);
  ASSERT_NE(events().second, nullptr);

  HWND hwnd = create(L"caption");
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(events().seen, (std::vector<std::string>{"second", "first", "WM_NCCREATE", "WM_CREATE"}));
  EXPECT_EQ(events().hwnd_in_hook, hwnd);  // the handle is the window's own already
  EXPECT_EQ(events().name_in_hook, u"caption");
  DestroyWindow(hwnd);

  // Unhooked, a hook hears nothing more; the other stays in the chain.
  HHOOK second = std::exchange(events().second, nullptr);
  ASSERT_TRUE(UnhookWindowsHookEx(second));
  events().seen.clear();
  hwnd = create();
  EXPECT_EQ(events().seen, (std::vector<std::string>{"first", "WM_NCCREATE", "WM_CREATE"}));
  DestroyWindow(hwnd);
  EXPECT_FALSE(UnhookWindowsHookEx(second));
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HOOK_HANDLE));
}

TEST_F(CbtHookTest, ANonzeroAnswerRefusesTheWindowWithoutAMessage) {
  events().first = SetWindowsHookExW(WH_CBT, first_hook, nullptr, GetCurrentThreadId());
  events().second = SetWindowsHookExW(WH_CBT, second_hook, nullptr, GetCurrentThreadId());
  events().answer = 1;

  EXPECT_EQ(create(), nullptr);
  // The hooks after the refusing one, and the window, hear nothing.
  EXPECT_EQ(events().seen, std::vector<std::string>{"second"});
  EXPECT_FALSE(IsWindow(events().hwnd_in_hook));
}

TEST_F(CbtHookTest, AHookOfAnotherThreadDoesNotHear) {
  HHOOK other = nullptr;
  testing_support::Thread thread([&] { other = SetWindowsHookExW(WH_CBT, first_hook, nullptr, GetCurrentThreadId()); });
  thread.join();
  ASSERT_NE(other, nullptr);
  HWND hwnd = create();
  EXPECT_EQ(events().seen, (std::vector<std::string>{"WM_NCCREATE", "WM_CREATE"}));
  DestroyWindow(hwnd);
  EXPECT_TRUE(UnhookWindowsHookEx(other));
}

TEST_F(CbtHookTest, AnAnsiHookGetsTheTextsInItsForm) {
  HHOOK hook = SetWindowsHookExA(WH_CBT, ansi_hook, nullptr, GetCurrentThreadId());
  ASSERT_NE(hook, nullptr);
  HWND hwnd = create(L"caf\u00E9");
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(events().ansi_name_in_hook, "caf\xE9");
  DestroyWindow(hwnd);
  EXPECT_TRUE(UnhookWindowsHookEx(hook));
}

TEST_F(CbtHookTest, RefusesWhatItCannotHook) {
  EXPECT_EQ(SetWindowsHookExW(99, first_hook, nullptr, GetCurrentThreadId()), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_HOOK_FILTER));
  EXPECT_EQ(SetWindowsHookExW(WH_CBT, nullptr, nullptr, GetCurrentThreadId()), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FILTER_PROC));
  EXPECT_EQ(SetWindowsHookExW(WH_CBT, first_hook, nullptr, 0), nullptr);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_HOOK_NEEDS_HMOD));
}

}  // namespace
