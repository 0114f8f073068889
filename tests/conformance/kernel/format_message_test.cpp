#include <windows.h>

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr DWORD kSystem = FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS;

// The system's text for an id as the programs fetch it: in a buffer the call allocates.
std::string system_text(DWORD id, DWORD language = LANG_USER_DEFAULT, DWORD flags = kSystem) {
  char* text = nullptr;
  DWORD length = FormatMessageA(flags | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, id, language,
                                reinterpret_cast<char*>(&text), 0, nullptr);
  std::string result = text ? std::string(text, length) : std::string();
  EXPECT_EQ(LocalFree(text), nullptr);
  return result;
}

std::u16string from_string_w(const WCHAR* definition, ...) {
  va_list args;
  va_start(args, definition);
  WCHAR out[200];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_STRING, definition, 0, 0, out, 200, &args);
  va_end(args);
  return std::u16string(reinterpret_cast<const char16_t*>(out), length);
}

std::u16string from_array_w(const WCHAR* definition, const DWORD_PTR* values, DWORD flags = 0) {
  WCHAR out[200];
  DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY | flags, definition, 0,
                                0, out, 200, reinterpret_cast<va_list*>(const_cast<DWORD_PTR*>(values)));
  return std::u16string(reinterpret_cast<const char16_t*>(out), length);
}

std::string from_string_a(const char* definition, DWORD flags = 0) {
  char out[200];
  DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_STRING | flags, definition, 0, 0, out, 200, nullptr);
  return std::string(out, length);
}

TEST(FormatMessageTest, SystemTextsOfErrorCodesAndWrappedHresults) {
  EXPECT_EQ(system_text(ERROR_ACCESS_DENIED), "Access is denied.\r\n");
  EXPECT_EQ(system_text(ERROR_SERVICE_DOES_NOT_EXIST), "The specified service does not exist as an installed service.\r\n");
  // An HRESULT that wraps an error code has the code's text.
  EXPECT_EQ(system_text(DWORD(HRESULT_FROM_WIN32(ERROR_FILE_NOT_FOUND))), "The system cannot find the file specified.\r\n");
  EXPECT_EQ(system_text(DWORD(E_FAIL)), "Unspecified error\r\n");
}

TEST(FormatMessageTest, SystemTextsInBothWidthsAndTheirFailures) {
  WCHAR* wide = nullptr;
  DWORD length = FormatMessageW(kSystem | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, ERROR_FILE_NOT_FOUND, 0,
                                reinterpret_cast<WCHAR*>(&wide), 0, nullptr);
  ASSERT_NE(wide, nullptr);
  EXPECT_EQ(std::u16string(reinterpret_cast<const char16_t*>(wide), length),
            u"The system cannot find the file specified.\r\n");
  LocalFree(wide);

  EXPECT_EQ(system_text(ERROR_ACCESS_DENIED, 0), "Access is denied.\r\n");
  EXPECT_EQ(system_text(ERROR_ACCESS_DENIED, MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US)), "Access is denied.\r\n");
  SetLastError(0);
  EXPECT_EQ(system_text(ERROR_ACCESS_DENIED, 0x407), "");  // German
  EXPECT_EQ(GetLastError(), DWORD(ERROR_MUI_FILE_NOT_FOUND));
  EXPECT_EQ(system_text(0x12345), "");
  EXPECT_EQ(GetLastError(), DWORD(ERROR_MR_MID_NOT_FOUND));

  // A width in the low byte makes the final line break a blank.
  EXPECT_EQ(system_text(ERROR_ACCESS_DENIED, 0, kSystem | FORMAT_MESSAGE_MAX_WIDTH_MASK), "Access is denied. ");
  // Inserts stay as they are unless the caller gives their values.
  EXPECT_EQ(system_text(ERROR_BAD_EXE_FORMAT), "%1 is not a valid Win32 application.\r\n");
  DWORD_PTR program[] = {DWORD_PTR("C:\\x.exe")};
  char out[100];
  ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_ARGUMENT_ARRAY, nullptr, ERROR_BAD_EXE_FORMAT,
                           0, out, sizeof out, reinterpret_cast<va_list*>(program)),
            0u);
  EXPECT_STREQ(out, "C:\\x.exe is not a valid Win32 application.\r\n");
}

TEST(FormatMessageTest, BufferSizesCountCharactersWithTheTerminator) {
  const std::string text = "Access is denied.\r\n";
  char exact[20];
  ASSERT_EQ(sizeof exact, text.size() + 1);
  EXPECT_EQ(FormatMessageA(kSystem, nullptr, ERROR_ACCESS_DENIED, 0, exact, 20, nullptr), DWORD(text.size()));
  EXPECT_EQ(exact, text);
  SetLastError(0);
  EXPECT_EQ(FormatMessageA(kSystem, nullptr, ERROR_ACCESS_DENIED, 0, exact, 19, nullptr), 0u);
  EXPECT_EQ(GetLastError(), DWORD(ERROR_INSUFFICIENT_BUFFER));

  // With an allocated buffer nSize is the least the caller gets, in characters.
  WCHAR* wide = nullptr;
  ASSERT_EQ(FormatMessageW(kSystem | FORMAT_MESSAGE_ALLOCATE_BUFFER, nullptr, ERROR_ACCESS_DENIED, 0,
                           reinterpret_cast<WCHAR*>(&wide), 300, nullptr),
            DWORD(text.size()));
  EXPECT_GE(HeapSize(GetProcessHeap(), 0, wide), SIZE_T(300 * sizeof(WCHAR)));
  LocalFree(wide);
}

TEST(FormatMessageTest, InsertsFromAVaListOrAnArray) {
  EXPECT_EQ(from_string_w(L"%2 before %1", L"one", L"two"), u"two before one");
  // A va_list insert used twice, widths and precisions, the other width with !S!.
  EXPECT_EQ(from_string_w(L"[%1!5s!][%1!-5s!][%2!.2s!][%3!S!]", L"ab", L"xyz", "caf\xE9"),
            u"[   ab][ab   ][xy][caf\u00E9]");
  EXPECT_EQ(from_string_w(L"%1!d! %2!u! %3!x!-%3!04X!", -5, 7u, 255u), u"-5 7 ff-00FF");
  // A '*' takes the insert's own value and moves the string one further.
  DWORD_PTR values[] = {4, 2, DWORD_PTR(L"Bill"), DWORD_PTR(L"Bob"), 6, DWORD_PTR(L"Bill")};
  EXPECT_EQ(from_array_w(L"%1!*.*s! %4 %5!*s!", values), u"  Bi Bob   Bill");

  DWORD_PTR ansi[] = {DWORD_PTR("x"), 5};
  char out[50];
  ASSERT_GT(FormatMessageA(FORMAT_MESSAGE_FROM_STRING | FORMAT_MESSAGE_ARGUMENT_ARRAY, "%1 = %2!d!", 0, 0, out,
                           sizeof out, reinterpret_cast<va_list*>(ansi)),
            0u);
  EXPECT_STREQ(out, "x = 5");
}

TEST(FormatMessageTest, IntegerSizesReadTheBitsOfTheirPrefixFromOnePointerSizedValue) {
  // l is 32 bits as on Windows; I64, ll, I and p read the whole 64-bit value.
  DWORD_PTR values[] = {DWORD_PTR(0x1234567890ULL), DWORD_PTR(-5), 70000};
  EXPECT_EQ(from_array_w(L"%1!I64x! %1!llX! %1!Iu! %1!lx! %1!x! %1!I32x!", values),
            u"1234567890 1234567890 78187493520 34567890 34567890 34567890");
  EXPECT_EQ(from_array_w(L"%2!I64d! %2!d! %2!u! %2!hd! %3!hu! %3!ld!", values), u"-5 -5 4294967291 -5 4464 70000");
  EXPECT_EQ(from_array_w(L"[%1!p!] [%2!20p!]", values), u"[0000001234567890] [    FFFFFFFFFFFFFFFB]");
  // From a va_list a 64-bit value is one argument: the next insert is the next argument.
  EXPECT_EQ(from_string_w(L"%1!I64u! %2!s! %3!Id!", 0x123456789ULL, L"next", INT_PTR(-0x100000000LL)),
            u"4886718345 next -4294967296");
}

TEST(FormatMessageTest, EscapesLineBreaksAndIgnoredInserts) {
  EXPECT_EQ(from_string_a("a%nb%tc%%d%.%!% e%0 never"), "a\r\nb\tc%d.! e");
  // Only the definition's own line breaks give way to the width; %n stays a line break.
  EXPECT_EQ(from_string_a("one\r\ntwo\nthree%nfour", FORMAT_MESSAGE_MAX_WIDTH_MASK), "one two three\r\nfour");
  EXPECT_EQ(from_string_a("one\r\ntwo\n"), "one\r\ntwo\n");
  // Ignored inserts survive for a later formatting, their escapes too.
  EXPECT_EQ(from_string_a("%1!d! and %2 stay, 100%% too%n", FORMAT_MESSAGE_IGNORE_INSERTS),
            "%1!d! and %2 stay, 100%% too\r\n");
}

}  // namespace
