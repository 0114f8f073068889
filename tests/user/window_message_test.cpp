// Window handles as the machine records them: unique in the machine, each in the desktop's
// window table under the process that made it.
#include "user/desk_fixture.h"

namespace {

using testing_support::DeskTest;

class Windows : public DeskTest {
 protected:
  void SetUp() override {
    DeskTest::SetUp();
    ASSERT_TRUE(testing_support::register_test_class(L"Journal", DefWindowProcW));
  }
};

TEST_F(Windows, HandlesAreUniqueInTheMachineAndEven) {
  HWND a = CreateWindowExW(0, L"Journal", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  DestroyWindow(a);
  HWND b = CreateWindowExW(0, L"Journal", L"", 0, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  EXPECT_NE(a, b);  // a destroyed window's handle is not handed out again
  EXPECT_EQ(reinterpret_cast<uintptr_t>(b) % 2, 0u);
  EXPECT_NE(b, GetDesktopWindow());
  platform::machine::Statement s("SELECT pid FROM desktop_windows WHERE hwnd = ?");
  s.bind(1, (long long)reinterpret_cast<uintptr_t>(b));
  ASSERT_TRUE(s.step());
  EXPECT_EQ(DWORD(s.column_int(0)), GetCurrentProcessId());
  DestroyWindow(b);
}

}  // namespace
