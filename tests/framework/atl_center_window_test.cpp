#include <windows.h>

#include "atlwin.h"
#include "support/machine_fixture.h"

namespace {

class AtlCenterWindow : public testing_support::MachineTest {
 protected:
  void SetUp() override {
    MachineTest::SetUp();
    WNDCLASSW wc = {};
    wc.lpfnWndProc = DefWindowProcW;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"CenterTestWindow";
    RegisterClassW(&wc);
    ASSERT_TRUE(SystemParametersInfoW(SPI_GETWORKAREA, 0, &area_, 0));
  }
  HWND Create(HWND owner, int x, int y, int width, int height, bool visible) {
    return CreateWindowExW(0, L"CenterTestWindow", L"", WS_POPUP | (visible ? WS_VISIBLE : 0), x, y, width, height,
                           owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  }
  static RECT RectOf(HWND hWnd) {
    RECT rect = {};
    GetWindowRect(hWnd, &rect);
    return rect;
  }

  RECT area_ = {};
};

TEST_F(AtlCenterWindow, OverItsOwner) {
  HWND owner = Create(nullptr, 100, 100, 400, 300, true);
  CWindow window(Create(owner, 0, 0, 200, 100, false));
  ASSERT_TRUE(window.CenterWindow());
  RECT rect = RectOf(window);
  EXPECT_EQ(rect.left, 200);
  EXPECT_EQ(rect.top, 200);
  EXPECT_EQ(rect.right - rect.left, 200);  // the size stays
  EXPECT_EQ(rect.bottom - rect.top, 100);
}

TEST_F(AtlCenterWindow, OverTheWorkAreaWithoutAVisibleOwner) {
  for (HWND owner : {HWND(nullptr), Create(nullptr, 0, 0, 50, 50, false)}) {
    CWindow window(Create(owner, 0, 0, 200, 100, false));
    ASSERT_TRUE(window.CenterWindow());
    RECT rect = RectOf(window);
    EXPECT_EQ(rect.left, area_.left + (area_.right - area_.left - 200) / 2);
    EXPECT_EQ(rect.top, area_.top + (area_.bottom - area_.top - 100) / 2);
  }
}

TEST_F(AtlCenterWindow, StaysInsideTheWorkArea) {
  HWND owner = Create(nullptr, area_.right - 60, area_.bottom - 40, 100, 80, true);
  CWindow window(Create(owner, 0, 0, 300, 200, false));
  ASSERT_TRUE(window.CenterWindow());
  RECT rect = RectOf(window);
  EXPECT_EQ(rect.right, area_.right);
  EXPECT_EQ(rect.bottom, area_.bottom);
}

}  // namespace
