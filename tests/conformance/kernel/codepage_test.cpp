#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "support/wide.h"

namespace {

using testing_support::U;

std::u16string to_wide(UINT cp, const std::string& bytes, DWORD flags = 0) {
  int n = MultiByteToWideChar(cp, flags, bytes.data(), int(bytes.size()), nullptr, 0);
  std::u16string out(size_t(n), u'\0');
  if (n) MultiByteToWideChar(cp, flags, bytes.data(), int(bytes.size()), reinterpret_cast<WCHAR*>(out.data()), n);
  return out;
}

std::string to_bytes(UINT cp, const std::u16string& wide, BOOL* used_default = nullptr) {
  auto* source = reinterpret_cast<const WCHAR*>(wide.data());
  int n = WideCharToMultiByte(cp, 0, source, int(wide.size()), nullptr, 0, nullptr, used_default);
  std::string out(size_t(n), '\0');
  if (n) WideCharToMultiByte(cp, 0, source, int(wide.size()), out.data(), n, nullptr, used_default);
  return out;
}

TEST(CodepageTest, Windows1252HighBytesRoundTrip) {
  EXPECT_EQ(GetACP(), UINT(1252));  // a Western European system
  // 0x80-0x9F are the typographic characters, not C1 controls.
  EXPECT_EQ(to_wide(CP_ACP, "\x80\x8A\x99\x9F"), (std::u16string{0x20AC, 0x0160, 0x2122, 0x0178}));
  EXPECT_EQ(to_bytes(1252, std::u16string{0x20AC, 0x201C, 0x201D, 0x00E9}), "\x80\x93\x94\xE9");
  // The five undefined bytes map to the controls of the same value, and back.
  for (unsigned char b : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    std::string byte(1, char(b));
    EXPECT_EQ(to_wide(CP_THREAD_ACP, byte, MB_ERR_INVALID_CHARS), std::u16string(1, char16_t(b)));
    EXPECT_EQ(to_bytes(CP_ACP, std::u16string(1, char16_t(b))), byte);
  }
  // Every byte survives the round trip.
  std::string all;
  for (int b = 1; b < 256; ++b) all += char(b);
  EXPECT_EQ(to_bytes(CP_ACP, to_wide(CP_ACP, all)), all);
}

TEST(CodepageTest, UnmappedCharactersUseTheDefaultCharacter) {
  BOOL used = TRUE;
  EXPECT_EQ(to_bytes(CP_ACP, u"plain", &used), "plain");
  EXPECT_FALSE(used);
  EXPECT_EQ(to_bytes(CP_ACP, u"\u0416?", &used), "??");  // Cyrillic Zhe has no byte
  EXPECT_TRUE(used);
  const WCHAR source[] = {0x3042, 'a', 0};
  char out[8] = {};
  used = FALSE;
  EXPECT_EQ(WideCharToMultiByte(1252, 0, source, -1, out, sizeof out, "#", &used), 3);
  EXPECT_STREQ(out, "#a");
  EXPECT_TRUE(used);
  // UTF-8 takes no default character.
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, source, -1, out, sizeof out, nullptr, &used), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
}

TEST(CodepageTest, SizeQueriesAndShortBuffers) {
  // -1 counts the NUL; an explicit length does not add one.
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "h\xC3\xA9llo", -1, nullptr, 0), 6);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "h\xC3\xA9llo", 6, nullptr, 0), 5);
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, 0, "\xF0\x9F\x98\x80", 4, nullptr, 0), 2);  // a surrogate pair
  const WCHAR euro[] = {0x20AC, 0};
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, euro, -1, nullptr, 0, nullptr, nullptr), 4);
  EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, euro, -1, nullptr, 0, nullptr, nullptr), 2);

  WCHAR small[3];
  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "four", -1, small, 3), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  char bytes[3];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, euro, 1, bytes, 2, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, euro, 1, bytes, 3, nullptr, nullptr), 3);
  EXPECT_EQ(std::string(bytes, 3), "\xE2\x82\xAC");

  EXPECT_EQ(MultiByteToWideChar(CP_ACP, 0, "x", 0, small, 3), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_PARAMETER));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_PRECOMPOSED, "x", 1, small, 3), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INVALID_FLAGS));
}

TEST(CodepageTest, InvalidUtf8) {
  // Replaced by U+FFFD, once per maximal bad sequence; refused with MB_ERR_INVALID_CHARS.
  EXPECT_EQ(to_wide(CP_UTF8, "a\xFF" "b"), (std::u16string{u'a', 0xFFFD, u'b'}));
  EXPECT_EQ(to_wide(CP_UTF8, "a\xE2\x82" "b"), (std::u16string{u'a', 0xFFFD, u'b'}));  // truncated
  EXPECT_EQ(to_wide(CP_UTF8, "\xC0\xAF"), (std::u16string{0xFFFD, 0xFFFD}));           // overlong
  EXPECT_EQ(to_wide(CP_UTF8, "\xED\xA0\x80"), (std::u16string{0xFFFD, 0xFFFD, 0xFFFD}));  // a surrogate
  WCHAR out[8];
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xFF", 2, out, 8), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_UNICODE_TRANSLATION));
  EXPECT_EQ(MultiByteToWideChar(CP_UTF8, MB_ERR_INVALID_CHARS, "a\xC3\xA9", 3, out, 8), 2);

  // A lone surrogate becomes U+FFFD in UTF-8, or fails with WC_ERR_INVALID_CHARS.
  const WCHAR lone[] = {'x', 0xD800, 'y'};
  char bytes[8];
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, 0, lone, 3, bytes, 8, nullptr, nullptr), 5);
  EXPECT_EQ(std::string(bytes, 5), "x\xEF\xBF\xBDy");
  EXPECT_EQ(WideCharToMultiByte(CP_UTF8, WC_ERR_INVALID_CHARS, lone, 3, bytes, 8, nullptr, nullptr), 0);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_NO_UNICODE_TRANSLATION));
}

TEST(LstrTest, CopiesConcatenatesAndCompares) {
  char buffer[16];
  EXPECT_EQ(lstrcpyA(buffer, "Tar"), buffer);
  EXPECT_EQ(lstrcatA(buffer, "volt"), buffer);
  EXPECT_STREQ(buffer, "Tarvolt");
  EXPECT_EQ(lstrlenA(buffer), 7);
  EXPECT_EQ(lstrlenA(nullptr), 0);
  // lstrcpyn copies at most n - 1 characters and always terminates.
  char four[4] = {'x', 'x', 'x', 'x'};
  lstrcpynA(four, "abcdef", 4);
  EXPECT_STREQ(four, "abc");

  WCHAR wide[16];
  lstrcpyW(wide, L"Caf\u00e9");
  lstrcatW(wide, L"!");
  EXPECT_EQ(lstrlenW(wide), 5);
  lstrcpynW(wide, L"abcdef", 3);
  EXPECT_EQ(U(wide), u"ab");

  EXPECT_EQ(lstrcmpiA("TARVOLT.EXE", "tarvolt.exe"), 0);
  EXPECT_EQ(lstrcmpiW(L"CAF\u00c9", L"caf\u00e9"), 0);
  EXPECT_LT(lstrcmpiA("alpha", "BETA"), 0);
  EXPECT_GT(lstrcmpiA("beta2", "BETA"), 0);
  EXPECT_LT(lstrcmpiA("a_b", "AZ"), 0);  // "_" sorts before letters
}

}  // namespace
