// The clipboard as a program uses it: opened by one thread at a time, owned by the window that
// emptied it, holding the handles it is given, and offering each text format as the others.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "support/thread.h"
#include "support/window_helpers.h"

namespace {

using testing_support::U;

HGLOBAL moveable(const void* data, size_t size) {
  HGLOBAL h = GlobalAlloc(GMEM_MOVEABLE, size);
  std::memcpy(GlobalLock(h), data, size);
  GlobalUnlock(h);
  return h;
}

class Clipboard : public ::testing::Test {
 protected:
  void SetUp() override {
    ::testing::Test::SetUp();
    ASSERT_TRUE(testing_support::register_test_class(L"ClipboardOwner", DefWindowProcW));
    owner_ = CreateWindowExW(0, L"ClipboardOwner", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner_, nullptr);
  }
  void TearDown() override {
    CloseClipboard();
    DestroyWindow(owner_);
    ::testing::Test::TearDown();
  }
  // Opens, empties and puts `text` as CF_UNICODETEXT; leaves the clipboard open.
  HGLOBAL put_unicode(const char16_t* text) {
    EXPECT_TRUE(OpenClipboard(owner_));
    EXPECT_TRUE(EmptyClipboard());
    HGLOBAL h = moveable(text, (std::char_traits<char16_t>::length(text) + 1) * 2);
    EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, h), h);
    return h;
  }
  HWND owner_ = nullptr;
};

TEST_F(Clipboard, OnlyTheThreadThatOpenedItUsesIt) {
  CloseClipboard();
  SetLastError(0);
  EXPECT_FALSE(EmptyClipboard());
  EXPECT_EQ(GetLastError(), DWORD(ERROR_CLIPBOARD_NOT_OPEN));
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), nullptr);
  EXPECT_FALSE(CloseClipboard());

  ASSERT_TRUE(OpenClipboard(owner_));
  EXPECT_EQ(GetOpenClipboardWindow(), owner_);
  BOOL opened_elsewhere = TRUE, set_elsewhere = TRUE;
  testing_support::Thread other([&] {
    opened_elsewhere = OpenClipboard(nullptr);
    HGLOBAL data = moveable("x", 2);
    set_elsewhere = SetClipboardData(CF_TEXT, data) != nullptr;
    if (!set_elsewhere) GlobalFree(data);
  });
  other.join();
  EXPECT_FALSE(opened_elsewhere);
  EXPECT_FALSE(set_elsewhere);
  EXPECT_TRUE(CloseClipboard());

  testing_support::Thread later([&] {
    opened_elsewhere = OpenClipboard(nullptr);
    CloseClipboard();
  });
  later.join();
  EXPECT_TRUE(opened_elsewhere);  // free again once closed
}

TEST_F(Clipboard, TheEmptyingWindowOwnsTheDataAndItsHandles) {
  HGLOBAL given = put_unicode(u"Tarvolt");
  EXPECT_EQ(GetClipboardOwner(), owner_);
  // The clipboard hands back the handle it holds.
  EXPECT_EQ(GetClipboardData(CF_UNICODETEXT), given);
  EXPECT_TRUE(CloseClipboard());

  ASSERT_TRUE(OpenClipboard(owner_));
  HGLOBAL got = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(got, nullptr);
  EXPECT_EQ(U(static_cast<const WCHAR*>(GlobalLock(got))), u"Tarvolt");
  GlobalUnlock(got);
  EXPECT_TRUE(CloseClipboard());

  // Emptied by a clipboard opened for no window, it has no owner and takes no data.
  ASSERT_TRUE(OpenClipboard(nullptr));
  EXPECT_TRUE(EmptyClipboard());
  EXPECT_EQ(GetClipboardOwner(), nullptr);
  HGLOBAL refused = moveable(u"x", 4);
  EXPECT_EQ(SetClipboardData(CF_UNICODETEXT, refused), nullptr);
  GlobalFree(refused);
  EXPECT_FALSE(IsClipboardFormatAvailable(CF_UNICODETEXT));
}

TEST_F(Clipboard, EachTextFormatStandsInForTheOthers) {
  put_unicode(u"caf\u00e9 \u20ac5");
  EXPECT_TRUE(CloseClipboard());
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_TEXT));
  EXPECT_TRUE(IsClipboardFormatAvailable(CF_OEMTEXT));
  EXPECT_GE(CountClipboardFormats(), 3);

  ASSERT_TRUE(OpenClipboard(owner_));
  HGLOBAL ansi = GetClipboardData(CF_TEXT);
  ASSERT_NE(ansi, nullptr);
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(ansi)), "caf\xe9 \x80" "5");  // windows-1252
  GlobalUnlock(ansi);

  // Text put as CF_TEXT reads back as UTF-16, up to its NUL.
  ASSERT_TRUE(EmptyClipboard());
  EXPECT_NE(SetClipboardData(CF_TEXT, moveable("na\xefve\0junk", 11)), nullptr);
  HGLOBAL wide = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(U(static_cast<const WCHAR*>(GlobalLock(wide))), u"na\u00efve");
  GlobalUnlock(wide);
  EXPECT_EQ(GetClipboardData(2 /* CF_BITMAP */), nullptr);
}

TEST_F(Clipboard, EditControlsCopyTheirSelection) {
  HWND edit = CreateWindowExW(0, L"Edit", L"first\r\nsecond", WS_CHILD | ES_MULTILINE, 0, 0, 100, 40, owner_,
                              nullptr, nullptr, nullptr);
  SendMessageW(edit, EM_SETSEL, 0, -1);
  SendMessageW(edit, WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(owner_));
  HGLOBAL h = GetClipboardData(CF_UNICODETEXT);
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(U(static_cast<const WCHAR*>(GlobalLock(h))), u"first\r\nsecond");
  GlobalUnlock(h);
  EXPECT_TRUE(CloseClipboard());

  SendMessageW(edit, EM_SETSEL, 2, 4);
  SendMessageW(edit, WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(owner_));
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT))), "rs");
  GlobalUnlock(GetClipboardData(CF_TEXT));
  EXPECT_TRUE(CloseClipboard());

  // A password never reaches the clipboard.
  HWND password = CreateWindowExW(0, L"Edit", L"secret", WS_CHILD | ES_PASSWORD, 0, 0, 100, 20, owner_, nullptr,
                                  nullptr, nullptr);
  SendMessageW(password, EM_SETSEL, 0, -1);
  SendMessageW(password, WM_COPY, 0, 0);
  ASSERT_TRUE(OpenClipboard(owner_));
  EXPECT_STREQ(static_cast<const char*>(GlobalLock(GetClipboardData(CF_TEXT))), "rs");
  GlobalUnlock(GetClipboardData(CF_TEXT));
}

}  // namespace
