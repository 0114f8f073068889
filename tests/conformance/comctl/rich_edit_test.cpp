// The rich edit control as plain text: its DLLs bring the classes, streamed-in 8-bit text,
// paragraphs counted as one character, limits, read-only and its change notifications.
#include <windows.h>
#include <richedit.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "conformance/comctl/comctl_fixture.h"

namespace {

using ComctlTest = comctl_test::ComctlTestOn<::testing::Test>;
using testing_support::window_text8;

struct Source {
  std::string bytes;
  size_t at = 0;
  int calls = 0;
};

// Hands the text out in pieces of at most 5 bytes, as a file read would in blocks.
DWORD CALLBACK read_piece(DWORD_PTR cookie, LPBYTE buffer, LONG cb, LONG* got) {
  Source& s = *reinterpret_cast<Source*>(cookie);
  ++s.calls;
  size_t n = std::min<size_t>({size_t(cb), size_t(5), s.bytes.size() - s.at});
  memcpy(buffer, s.bytes.data() + s.at, n);
  s.at += n;
  *got = LONG(n);
  return 0;
}

class RichEdit : public ComctlTest {
 protected:
  void SetUp() override {
    ComctlTest::SetUp();
    ASSERT_NE(LoadLibraryW(L"Riched20.dll"), nullptr);
    edit_ = make(RICHEDIT_CLASSW, ES_MULTILINE | ES_READONLY | ES_AUTOHSCROLL | WS_VSCROLL | WS_HSCROLL, 1016);
    ASSERT_NE(edit_, nullptr);
  }
  LRESULT stream(const std::string& bytes, WPARAM format = SF_TEXT) {
    Source source{bytes};
    EDITSTREAM es{DWORD_PTR(&source), 0, read_piece};
    return SendMessageW(edit_, EM_STREAMIN, format, LPARAM(&es));
  }
  HWND edit_ = nullptr;
};

// The rich edit classes of a fresh process: none before their DLL.
bool classes_arrive_with_their_dll() {
  WNDCLASSW wc{};
  return !GetClassInfoW(nullptr, RICHEDIT_CLASSW, &wc) && LoadLibraryA("Msftedit.dll") &&
         GetClassInfoW(nullptr, MSFTEDIT_CLASS, &wc) && GetClassInfoW(nullptr, RICHEDIT_CLASSW, &wc);
}

TEST(RichEditDeathTest, TheClassesArriveWithTheirDll) {
  GTEST_FLAG_SET(death_test_style, "threadsafe");  // a new process, not a fork of this one
  EXPECT_EXIT(std::_Exit(classes_arrive_with_their_dll() ? 0 : 1), testing::ExitedWithCode(0), "");
}

TEST_F(RichEdit, StreamsIn8BitTextWithItsLineEnds) {
  EXPECT_EQ(stream("line one\r\nzw\xF6lf\nlast"), 19);  // CR LF counts once
  EXPECT_EQ(window_text8(edit_), "line one\r\nzw\xC3\xB6lf\r\nlast");
  EXPECT_EQ(SendMessageW(edit_, EM_GETLINECOUNT, 0, 0), 3);
  SetWindowTextW(edit_, L"a\nb\n");
  EXPECT_EQ(SendMessageW(edit_, EM_GETLINECOUNT, 0, 0), 3);
  EXPECT_EQ(GetWindowTextLengthW(edit_), 6);
  stream("");
  EXPECT_EQ(GetWindowTextLengthW(edit_), 0);
  EXPECT_EQ(stream("{\\rtf1 x}", SF_RTF), 0);  // only plain text is read
}

TEST_F(RichEdit, SelectionsCountAParagraphEndAsOneCharacter) {
  SetWindowTextW(edit_, L"ab\r\ncd");
  SendMessageW(edit_, EM_SETSEL, 0, -1);
  DWORD start = 9, end = 9;
  SendMessageW(edit_, EM_GETSEL, WPARAM(&start), LPARAM(&end));
  EXPECT_EQ(start, 0u);
  EXPECT_EQ(end, 5u);
  // The program replaces text even when the user may not.
  SendMessageW(edit_, EM_SETSEL, 3, 4);
  SendMessageW(edit_, EM_REPLACESEL, FALSE, LPARAM(L"XY"));
  EXPECT_EQ(window_text8(edit_), "ab\r\nXYd");
  SendMessageW(edit_, WM_CHAR, 'z', 1);
  EXPECT_EQ(window_text8(edit_), "ab\r\nXYd");  // read-only for the keyboard
  SendMessageW(edit_, EM_SETREADONLY, FALSE, 0);
  SendMessageW(edit_, WM_CHAR, 'z', 1);
  EXPECT_EQ(window_text8(edit_), "ab\r\nXYzd");
}

TEST_F(RichEdit, LimitsTextAndNotifiesOnlyWhenAsked) {
  SendMessageW(edit_, EM_EXLIMITTEXT, 0, 5);
  stream("0123456789");
  EXPECT_EQ(window_text8(edit_), "01234");
  EXPECT_EQ(count(WM_COMMAND, EN_CHANGE), 0);
  EXPECT_EQ(SendMessageW(edit_, EM_SETEVENTMASK, 0, ENM_CHANGE), ENM_NONE);
  SetWindowTextW(edit_, L"x");
  EXPECT_EQ(count(WM_COMMAND, EN_CHANGE), 1);
  SendMessageW(edit_, EM_EXLIMITTEXT, 0, 0);
  EXPECT_EQ(SendMessageW(edit_, EM_GETLIMITTEXT, 0, 0), 65536);
}

TEST_F(RichEdit, CopiesItsSelectionWithWindowsLineEnds) {
  stream("one\rtwo\nthree");
  CHARRANGE all{0, -1};
  SendMessageW(edit_, EM_EXSETSEL, 0, LPARAM(&all));
  SendMessageW(edit_, WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(parent_));
  HGLOBAL h = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(testing_support::U(static_cast<const WCHAR*>(GlobalLock(h))), u"one\r\ntwo\r\nthree");
  GlobalUnlock(h);
  ASSERT_TRUE(CloseClipboard());

  SendMessageW(edit_, EM_SETSEL, 2, 5);  // across a paragraph end, which counts once
  SendMessageW(edit_, WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(parent_));
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT))), "e\r\nt");
  GlobalUnlock(GetClipboardData(CF_TEXT));
  EXPECT_TRUE(CloseClipboard());
}

}  // namespace
