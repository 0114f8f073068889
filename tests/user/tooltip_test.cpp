// Tooltips as the framework drives them: a callback tool asks its window for the text when the
// mouse rests on it (through the tooltip's subclass, or mouse messages the message loop relays),
// and the automation's hover brings up the tip of a control running on its own thread.
#include <commctrl.h>

#include <atomic>
#include <chrono>
#include <cstring>
#include <thread>
#include <vector>

#include "automation/target.h"
#include "user/desk_fixture.h"
#include "user/resource_test.h"

namespace {

using testing_support::DeskTest;
using testing_support::U;
using testing_support::window_text;

struct Notice {
  UINT code;
  HWND from;
  UINT_PTR id;
  UINT flags;  // TTN_GETDISPINFOW's uFlags
};

// How the owner answers TTN_GETDISPINFOW.
enum class Answer { Pointer, Buffer, Resource, Nothing };

std::vector<Notice> notices;
Answer answer = Answer::Pointer;
WCHAR kPointerText[] = L"Dial vpn1";

LRESULT CALLBACK owner_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg != WM_NOTIFY) return DefWindowProcW(hwnd, msg, wp, lp);
  auto* header = reinterpret_cast<NMHDR*>(lp);
  auto* info = reinterpret_cast<NMTTDISPINFOW*>(lp);
  notices.push_back({header->code, header->hwndFrom, header->idFrom, header->code == TTN_GETDISPINFOW ? info->uFlags : 0});
  if (header->code != TTN_GETDISPINFOW) return 0;
  switch (answer) {
    case Answer::Pointer: info->lpszText = kPointerText; break;
    case Answer::Buffer: std::memcpy(info->szText, L"Hang up", sizeof L"Hang up"); break;
    case Answer::Resource:
      info->hinst = GetModuleHandleW(nullptr);
      info->lpszText = MAKEINTRESOURCEW(IDS_FIRST);
      break;
    case Answer::Nothing: break;
  }
  return 0;
}

int count(UINT code) {
  int n = 0;
  for (const Notice& notice : notices) n += notice.code == code;
  return n;
}

HWND make_tooltip(HWND owner) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_BAR_CLASSES};
  EXPECT_TRUE(InitCommonControlsEx(&icc));
  return CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP, CW_USEDEFAULT,
                         CW_USEDEFAULT, CW_USEDEFAULT, CW_USEDEFAULT, owner, nullptr, nullptr, nullptr);
}

TTTOOLINFOW tool_of_window(HWND owner, HWND control, UINT flags, LPWSTR text = LPSTR_TEXTCALLBACKW) {
  TTTOOLINFOW tool{};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND | flags;
  tool.hwnd = owner;
  tool.uId = reinterpret_cast<UINT_PTR>(control);
  tool.lpszText = text;
  return tool;
}

class Tooltips : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    notices.clear();
    answer = Answer::Pointer;
    ASSERT_TRUE(testing_support::register_test_class(L"TipOwner", owner_proc));
    owner_ = CreateWindowExW(0, L"TipOwner", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200, nullptr,
                             nullptr, nullptr, nullptr);
    button_ = CreateWindowExW(0, L"Button", L"Dial", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, owner_,
                              reinterpret_cast<HMENU>(7), nullptr, nullptr);
    tip_ = make_tooltip(owner_);
    ASSERT_NE(tip_, nullptr);
  }
  void TearDown() override {
    DestroyWindow(tip_);
    DestroyWindow(owner_);
    DeskTest::TearDown();
  }
  std::u16string tip_text(const TTTOOLINFOW& tool) {
    WCHAR buffer[80] = {};
    TTTOOLINFOW query = tool;
    query.lpszText = buffer;
    SendMessageW(tip_, TTM_GETTEXTW, 80, LPARAM(&query));
    return U(buffer);
  }
  HWND owner_ = nullptr, button_ = nullptr, tip_ = nullptr;
};

TEST_F(Tooltips, ASubclassedCallbackToolAsksItsWindowEachTimeItShows) {
  TTTOOLINFOW tool = tool_of_window(owner_, button_, TTF_SUBCLASS);
  ASSERT_TRUE(SendMessageW(tip_, TTM_ADDTOOLW, 0, LPARAM(&tool)));
  EXPECT_FALSE(IsWindowVisible(tip_));

  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_TRUE(IsWindowVisible(tip_));
  EXPECT_EQ(window_text(tip_), u"Dial vpn1");
  ASSERT_FALSE(notices.empty());
  EXPECT_EQ(notices[0].code, TTN_GETDISPINFOW);
  EXPECT_EQ(notices[0].from, tip_);
  EXPECT_EQ(notices[0].id, reinterpret_cast<UINT_PTR>(button_));  // idFrom is the control's handle
  EXPECT_TRUE(notices[0].flags & TTF_IDISHWND);
  EXPECT_EQ(count(TTN_SHOW), 1);
  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(6, 5));
  EXPECT_EQ(count(TTN_GETDISPINFOW), 1);  // resting on the same tool asks no more

  // A button press pops the tip; the next rest asks again.
  SendMessageW(button_, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(6, 5));
  EXPECT_FALSE(IsWindowVisible(tip_));
  EXPECT_EQ(count(TTN_POP), 1);
  answer = Answer::Buffer;
  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(window_text(tip_), u"Hang up");
  SendMessageW(tip_, TTM_POP, 0, 0);
  answer = Answer::Resource;
  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(window_text(tip_), u"First string");
  EXPECT_EQ(tip_text(tool), u"First string");

  // Without an answer no tip shows; once the tool is gone, its window is no longer watched.
  SendMessageW(tip_, TTM_POP, 0, 0);
  answer = Answer::Nothing;
  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_FALSE(IsWindowVisible(tip_));
  SendMessageW(tip_, TTM_DELTOOLW, 0, LPARAM(&tool));
  EXPECT_EQ(SendMessageW(tip_, TTM_GETTOOLCOUNT, 0, 0), 0);
  answer = Answer::Pointer;
  size_t asked = notices.size();
  SendMessageW(button_, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(notices.size(), asked);
  EXPECT_FALSE(IsWindowVisible(tip_));
}

TEST_F(Tooltips, RelayedMessagesFindRectangleToolsAndTheirTexts) {
  TTTOOLINFOW too_small{};
  too_small.cbSize = TTTOOLINFOW_V1_SIZE - 1;
  EXPECT_FALSE(SendMessageW(tip_, TTM_ADDTOOLW, 0, LPARAM(&too_small)));

  WCHAR text[] = L"Left half";
  TTTOOLINFOW left{};
  left.cbSize = TTTOOLINFOW_V1_SIZE;  // the oldest version is still taken
  left.hwnd = owner_;
  left.uId = 1;
  left.rect = {0, 0, 150, 200};
  left.lpszText = text;
  ASSERT_TRUE(SendMessageW(tip_, TTM_ADDTOOLW, 0, LPARAM(&left)));
  text[0] = L'X';  // the tooltip keeps its own copy
  EXPECT_EQ(SendMessageW(tip_, TTM_SETMAXTIPWIDTH, 0, 200), -1);
  EXPECT_EQ(SendMessageW(tip_, TTM_GETMAXTIPWIDTH, 0, 0), 200);

  MSG move{owner_, WM_MOUSEMOVE, 0, MAKELPARAM(200, 50), 0, {}};
  SendMessageW(tip_, TTM_RELAYEVENT, 0, LPARAM(&move));
  EXPECT_FALSE(IsWindowVisible(tip_));  // outside every tool
  move.lParam = MAKELPARAM(20, 50);
  SendMessageW(tip_, TTM_RELAYEVENT, 0, LPARAM(&move));
  EXPECT_TRUE(IsWindowVisible(tip_));
  EXPECT_EQ(window_text(tip_), u"Left half");

  WCHAR changed[] = L"Left side";
  left.lpszText = changed;
  SendMessageW(tip_, TTM_UPDATETIPTEXTW, 0, LPARAM(&left));
  EXPECT_EQ(window_text(tip_), u"Left side");
  WCHAR small[5] = {};
  TTTOOLINFOW query = left;
  query.lpszText = small;
  SendMessageW(tip_, TTM_GETTEXTW, 5, LPARAM(&query));
  EXPECT_EQ(U(small), u"Left");  // cut to the buffer, terminator included

  // An inactive tooltip shows nothing until activated again.
  SendMessageW(tip_, TTM_ACTIVATE, FALSE, 0);
  EXPECT_FALSE(IsWindowVisible(tip_));
  SendMessageW(tip_, TTM_RELAYEVENT, 0, LPARAM(&move));
  EXPECT_FALSE(IsWindowVisible(tip_));
  SendMessageW(tip_, TTM_ACTIVATE, TRUE, 0);
  SendMessageW(tip_, TTM_RELAYEVENT, 0, LPARAM(&move));
  EXPECT_TRUE(IsWindowVisible(tip_));
  EXPECT_EQ(count(TTN_GETDISPINFOW), 0);  // a text tool asks nobody
}

// The framework's way: its message loop relays every mouse message to its tooltip.
class HoveredTooltips : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    notices.clear();
    answer = Answer::Pointer;
    ui_ = std::thread([this] {
      testing_support::register_test_class(L"TipOwner", owner_proc);
      HWND owner = CreateWindowExW(0, L"TipOwner", L"Wizard", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                   nullptr, nullptr, nullptr, nullptr);
      HWND button = CreateWindowExW(0, L"Button", L"Dial", WS_CHILD | WS_VISIBLE, 10, 10, 80, 24, owner,
                                    reinterpret_cast<HMENU>(7), nullptr, nullptr);
      HWND tip = make_tooltip(owner);
      TTTOOLINFOW tool = tool_of_window(owner, button, 0);
      SendMessageW(tip, TTM_ADDTOOLW, 0, LPARAM(&tool));
      button_ = button;
      MSG msg;
      while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (msg.message >= WM_MOUSEFIRST && msg.message <= WM_MOUSELAST) SendMessageW(tip, TTM_RELAYEVENT, 0, LPARAM(&msg));
        DispatchMessageW(&msg);
      }
      DestroyWindow(owner);
    });
    while (!button_) std::this_thread::yield();
  }
  void TearDown() override {
    PostThreadMessageW(ui_thread_id(), WM_QUIT, 0, 0);
    ui_.join();
    DeskTest::TearDown();
  }
  DWORD ui_thread_id() { return GetWindowThreadProcessId(button_, nullptr); }

  std::thread ui_;
  std::atomic<HWND> button_{nullptr};
};

TEST_F(HoveredTooltips, HoverBringsUpTheTipThatTheOwnerNames) {
  auto control = platform::automation::WindowHandle(reinterpret_cast<uintptr_t>(HWND(button_)));
  EXPECT_FALSE(platform::automation::tip(control));
  ASSERT_TRUE(platform::automation::hover(control));
  std::optional<std::u16string> shown;
  auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
  while (!(shown = platform::automation::tip(control)) && std::chrono::steady_clock::now() < deadline)
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  ASSERT_TRUE(shown);
  EXPECT_EQ(*shown, u"Dial vpn1");
}

}  // namespace
