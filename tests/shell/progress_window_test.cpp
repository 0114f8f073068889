// The progress window of SHFileOperation, as a CBT hook of the calling thread sees it made: its
// title, its owner and its controls, and that it is gone when the operation has ended.
#include <shellapi.h>

#include <cstring>
#include <vector>

#include "shell_fixture.h"
#include "support/window_helpers.h"

namespace {

using shell_testing::ShellTest;
namespace fs = std::filesystem;
using testing_support::U;

struct Created {
  HWND hwnd;
  std::u16string class_name;
  std::u16string title;
  HWND parent;  // the owner of a top-level window
  DWORD style;
};

std::vector<Created>& created() {
  static std::vector<Created> windows;
  return windows;
}

LRESULT CALLBACK record_creation(int code, WPARAM wp, LPARAM lp) {
  if (code == HCBT_CREATEWND) {
    const CREATESTRUCTW* cs = reinterpret_cast<CBT_CREATEWNDW*>(lp)->lpcs;
    created().push_back({reinterpret_cast<HWND>(wp), IS_INTRESOURCE(cs->lpszClass) ? u"" : U(cs->lpszClass),
                         U(cs->lpszName), cs->hwndParent, DWORD(cs->style)});
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

class ProgressWindowTest : public ShellTest {
 protected:
  void SetUp() override {
    ShellTest::SetUp();
    created().clear();
    hook_ = SetWindowsHookExW(WH_CBT, record_creation, nullptr, GetCurrentThreadId());
    ASSERT_NE(hook_, nullptr);
  }
  void TearDown() override {
    UnhookWindowsHookEx(hook_);
    if (owner_) DestroyWindow(owner_);
    ShellTest::TearDown();
  }

  HWND make_owner() {
    EXPECT_TRUE(testing_support::register_test_class(L"ShellProgressOwner", DefWindowProcW));
    owner_ = CreateWindowExW(0, L"ShellProgressOwner", L"Owner", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                             nullptr, nullptr, nullptr);
    created().clear();
    return owner_;
  }

  // The one top-level window the operation made (the test fails when there is not exactly one).
  Created progress_window() {
    std::vector<Created> top;
    for (const Created& c : created())
      if (!(c.style & WS_CHILD)) top.push_back(c);
    EXPECT_EQ(top.size(), 1u);
    return top.empty() ? Created{} : top[0];
  }
  std::vector<std::u16string> controls_of(HWND window) {
    std::vector<std::u16string> classes;
    for (const Created& c : created())
      if ((c.style & WS_CHILD) && c.parent == window) classes.push_back(c.class_name);
    return classes;
  }

  HHOOK hook_ = nullptr;
  HWND owner_ = nullptr;
};

int copy_a(HWND owner, const char* from, const char* to, FILEOP_FLAGS flags, const char* title) {
  char from_list[150] = {}, to_list[150] = {};
  std::strcpy(from_list, from);
  std::strcpy(to_list, to);
  SHFILEOPSTRUCTA op{};
  op.hwnd = owner;
  op.wFunc = FO_COPY;
  op.pFrom = from_list;
  op.pTo = to_list;
  op.fFlags = flags;
  op.lpszProgressTitle = title;
  return SHFileOperationA(&op);
}

TEST_F(ProgressWindowTest, SimpleProgressShowsTheCallersTitleAndABarWithoutNames) {
  HWND owner = make_owner();
  ASSERT_EQ(copy_a(owner, "C:\\Tarvolt\\tarvolt.exe", "C:\\Tarvolt\\copy.exe", FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS,
                   "Copying archive to current executable"),
            0);
  Created window = progress_window();
  EXPECT_EQ(window.title, u"Copying archive to current executable");
  EXPECT_EQ(window.parent, owner);
  EXPECT_TRUE(window.style & WS_VISIBLE);
  EXPECT_EQ(controls_of(window.hwnd), std::vector<std::u16string>{u"msctls_progress32"});
  EXPECT_FALSE(IsWindow(window.hwnd));
  EXPECT_TRUE(IsWindow(owner));

  // Without the caller's title the window has the shell's own, also without an owner.
  created().clear();
  ASSERT_EQ(copy_a(nullptr, "C:\\Tarvolt\\tarvolt.exe", "C:\\Tarvolt\\copy.exe", FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS,
                   nullptr),
            0);
  window = progress_window();
  EXPECT_EQ(window.title, u"Copying...");
  EXPECT_EQ(window.parent, nullptr);
}

TEST_F(ProgressWindowTest, FullProgressNamesTheItemsUnderTheShellsOwnTitle) {
  write("Tarvolt/old.log", "old");
  char16_t from[] = u"C:\\Tarvolt\\old.log\0";
  SHFILEOPSTRUCTW op{};
  op.wFunc = FO_DELETE;
  op.pFrom = reinterpret_cast<LPCWSTR>(from);
  op.fFlags = FOF_NOCONFIRMATION;
  op.lpszProgressTitle = L"not used without FOF_SIMPLEPROGRESS";
  ASSERT_EQ(SHFileOperationW(&op), 0);
  EXPECT_FALSE(fs::exists(host("Tarvolt/old.log")));
  Created window = progress_window();
  EXPECT_EQ(window.title, u"Deleting...");
  EXPECT_EQ(controls_of(window.hwnd), (std::vector<std::u16string>{u"Static", u"msctls_progress32"}));
  EXPECT_FALSE(IsWindow(window.hwnd));
}

TEST_F(ProgressWindowTest, SilentOperationsAndRefusedOnesShowNoWindow) {
  EXPECT_EQ(copy_a(nullptr, "C:\\Tarvolt\\tarvolt.exe", "C:\\Tarvolt\\copy.exe",
                   FOF_SILENT | FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS, "Copying"),
            0);
  EXPECT_TRUE(fs::exists(host("Tarvolt/copy.exe")));
  EXPECT_NE(copy_a(nullptr, "C:\\Tarvolt\\missing.exe", "C:\\Tarvolt\\copy.exe",
                   FOF_NOCONFIRMATION | FOF_SIMPLEPROGRESS, "Copying"),
            0);
  EXPECT_TRUE(created().empty());
}

}  // namespace
