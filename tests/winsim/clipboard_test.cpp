// The clipboard is the machine's: what one process puts there, `winsim desktop clipboard` (a
// process of its own) reads; a process that ended with the clipboard open leaves it free.
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>

#include "kernel/machine.h"
#include "support/window_helpers.h"
#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;

class WinsimClipboard : public WinsimTest {};

void put_text(const char16_t* text) {
  ASSERT_TRUE(testing_support::register_test_class(L"ClipSource", DefWindowProcW));
  HWND owner = CreateWindowExW(0, L"ClipSource", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr, nullptr, nullptr);
  ASSERT_TRUE(OpenClipboard(owner));
  ASSERT_TRUE(EmptyClipboard());
  size_t bytes = (std::char_traits<char16_t>::length(text) + 1) * 2;
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, bytes);
  std::memcpy(GlobalLock(h), text, bytes);
  GlobalUnlock(h);
  ASSERT_EQ(SetClipboardData(CF_UNICODETEXT, h), h);
  ASSERT_TRUE(CloseClipboard());
  DestroyWindow(owner);
}

TEST_F(WinsimClipboard, DesktopClipboardPrintsTheTextAnotherProcessPut) {
  auto empty = winsim({"desktop", "clipboard"});
  EXPECT_EQ(empty.exit_code, 1);
  EXPECT_NE(empty.err.find("no text"), std::string::npos) << empty.err;

  put_text(u"Verbindung \u00fcber vpn1\r\nok");
  auto shown = winsim({"desktop", "clipboard"});
  EXPECT_EQ(shown.exit_code, 0) << shown.err;
  EXPECT_EQ(shown.out, "Verbindung \xC3\xBC" "ber vpn1\r\nok\n");
}

TEST_F(WinsimClipboard, AnEndedProcessLeavesTheClipboardFree) {
  pid_t gone = fork();
  if (gone == 0) _exit(0);
  ASSERT_EQ(waitpid(gone, nullptr, 0), gone);
  platform::machine::Statement held("UPDATE clipboard_state SET open_pid = ?, open_tid = ? WHERE id = 1");
  held.bind(1, gone).bind(2, gone).step();
  EXPECT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(CloseClipboard());
}

}  // namespace
