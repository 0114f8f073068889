#include <windows.h>

#include <cstring>

#include "test_key.h"

namespace {

using registry_testing::RegistryTest;
using registry_testing::terminated_utf16;
using testing_support::U;
using testing_support::u8;

class RegistryValues : public RegistryTest {};

const BYTE* bytes(const void* data) { return static_cast<const BYTE*>(data); }

TEST_F(RegistryValues, SizeQueryAndMoreDataProtocol) {
  set_string(key_, L"Server", u"hello");  // 12 bytes with the terminator

  DWORD type = 0, size = 0;
  EXPECT_EQ(RegQueryValueExW(key_, L"Server", nullptr, &type, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(type, DWORD(REG_SZ));
  EXPECT_EQ(size, 12u);

  BYTE small[4] = {};
  size = sizeof small;
  type = 0;
  EXPECT_EQ(RegQueryValueExW(key_, L"Server", nullptr, &type, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 12u) << "the size needed";
  EXPECT_EQ(type, DWORD(REG_SZ));

  BYTE big[64];
  size = sizeof big;
  EXPECT_EQ(RegQueryValueExW(key_, L"Server", nullptr, nullptr, big, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 12u) << "the size copied, not the buffer's";
  EXPECT_EQ(std::string(reinterpret_cast<char*>(big), size), terminated_utf16(u"hello"));

  // The ANSI form counts ANSI bytes.
  size = 0;
  EXPECT_EQ(RegQueryValueExA(key_, "Server", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 6u);
  size = 3;
  EXPECT_EQ(RegQueryValueExA(key_, "Server", nullptr, nullptr, small, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 6u);
  size = sizeof big;
  EXPECT_EQ(RegQueryValueExA(key_, "Server", nullptr, nullptr, big, &size), ERROR_SUCCESS);
  EXPECT_EQ(size, 6u);
  EXPECT_STREQ(reinterpret_cast<char*>(big), "hello");

  // A buffer without a size is a caller's mistake; neither is a plain existence check.
  EXPECT_EQ(RegQueryValueExW(key_, L"Server", nullptr, nullptr, big, nullptr), ERROR_INVALID_PARAMETER);
  EXPECT_EQ(RegQueryValueExW(key_, L"Server", nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
}

TEST_F(RegistryValues, AbsentValuesAndTheDefaultValue) {
  DWORD size = 16;
  BYTE buffer[16];
  EXPECT_EQ(RegQueryValueExW(key_, L"Missing", nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegQueryValueExA(key_, "Missing", nullptr, nullptr, buffer, &size), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteValueW(key_, L"Missing"), ERROR_FILE_NOT_FOUND);

  // A new key has no default value; NULL and "" both name it.
  EXPECT_EQ(RegQueryValueExW(key_, nullptr, nullptr, nullptr, nullptr, &size), ERROR_FILE_NOT_FOUND);
  DWORD one = 1;
  ASSERT_EQ(RegSetValueExW(key_, nullptr, 0, REG_DWORD, bytes(&one), 4), ERROR_SUCCESS);
  DWORD type = 0;
  EXPECT_EQ(read_bytes(key_, L"", &type), std::string("\1\0\0\0", 4));
  EXPECT_EQ(type, DWORD(REG_DWORD));
  EXPECT_EQ(RegDeleteValueA(key_, ""), ERROR_SUCCESS);
  EXPECT_EQ(read_bytes(key_, nullptr), "<absent>");
}

TEST_F(RegistryValues, DataIsKeptAsGivenWhateverItsType) {
  DWORD dword = 0x1e;
  ULONGLONG qword = 0x0123456789abcdefULL;
  const char binary[] = {'\xc0', '\xa8', '\0', '\x01'};
  const char16_t unterminated[] = {u'a', u'b'};
  ASSERT_EQ(RegSetValueExW(key_, L"D", 0, REG_DWORD, bytes(&dword), 4), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key_, L"Q", 0, REG_QWORD, bytes(&qword), 8), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key_, L"B", 0, REG_BINARY, bytes(binary), 4), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key_, L"Empty", 0, REG_BINARY, nullptr, 0), ERROR_SUCCESS);
  ASSERT_EQ(RegSetValueExW(key_, L"S", 0, REG_SZ, bytes(unterminated), 4), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(key_, L"Bad", 0, REG_BINARY, nullptr, 4), ERROR_NOACCESS);

  DWORD type = 0;
  EXPECT_EQ(read_bytes(key_, L"D", &type), std::string("\x1e\0\0\0", 4));
  EXPECT_EQ(type, DWORD(REG_DWORD));
  std::string q = read_bytes(key_, L"Q", &type);
  ASSERT_EQ(q.size(), 8u);
  EXPECT_EQ(std::memcmp(q.data(), &qword, 8), 0);
  EXPECT_EQ(type, DWORD(REG_QWORD));
  EXPECT_EQ(read_bytes(key_, L"B"), std::string(binary, 4));
  EXPECT_EQ(read_bytes(key_, L"Empty", &type), "");
  EXPECT_EQ(type, DWORD(REG_BINARY));
  EXPECT_EQ(read_bytes(key_, L"S"), std::string("a\0b\0", 4)) << "no terminator is added";
  EXPECT_EQ(read_bytes(key_, L"Bad"), "<absent>");
}

TEST_F(RegistryValues, NamesIgnoreCaseAndKeepTheCaseTheyWereCreatedWith) {
  set_string(key_, L"ServerName", u"first");
  set_string(key_, L"SERVERNAME", u"second");
  EXPECT_EQ(read_bytes(key_, L"servername"), terminated_utf16(u"second"));

  WCHAR name[32];
  DWORD chars = 32;
  ASSERT_EQ(RegEnumValueW(key_, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(u8(U(name, chars)), "ServerName");
  chars = 32;
  EXPECT_EQ(RegEnumValueW(key_, 1, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_NO_MORE_ITEMS);

  // Beyond ASCII too: the machine folds case as Windows does.
  set_string(key_, L"\u00c9t\u00e9", u"x");
  EXPECT_EQ(read_bytes(key_, L"\u00e9T\u00c9"), terminated_utf16(u"x"));
  EXPECT_EQ(RegDeleteValueW(key_, L"SERVERname"), ERROR_SUCCESS);
  EXPECT_EQ(read_bytes(key_, L"ServerName"), "<absent>");
}

TEST_F(RegistryValues, AnsiStringsAreStoredAsUtf16AndReadBackInTheAnsiCodePage) {
  const char cafe[] = "Caf\xe9 \x80";  // windows-1252: e-acute, euro sign
  ASSERT_EQ(RegSetValueExA(key_, "Gr\xfc\xdf", 0, REG_SZ, bytes(cafe), sizeof cafe), ERROR_SUCCESS);
  DWORD type = 0;
  EXPECT_EQ(read_bytes(key_, L"Gr\u00fc\u00df", &type), terminated_utf16(u"Caf\u00e9 \u20ac"));
  EXPECT_EQ(type, DWORD(REG_SZ));

  set_string(key_, L"Wide", u"\u017d\u20ac\u4e2d");  // Z-caron and euro exist in 1252; the CJK does not
  char ansi[16] = {};
  DWORD size = sizeof ansi;
  ASSERT_EQ(RegQueryValueExA(key_, "Wide", nullptr, nullptr, reinterpret_cast<BYTE*>(ansi), &size), ERROR_SUCCESS);
  EXPECT_EQ(std::string(ansi, size), std::string("\x8e\x80?\0", 4));

  const char multi[] = "one\0two\0";  // with the array's own terminator: "one\0two\0\0"
  ASSERT_EQ(RegSetValueExA(key_, "Multi", 0, REG_MULTI_SZ, bytes(multi), sizeof multi), ERROR_SUCCESS);
  EXPECT_EQ(read_bytes(key_, L"Multi"), std::string("o\0n\0e\0\0\0t\0w\0o\0\0\0\0\0", 18));

  // Other types are bytes, in either form.
  const char raw[] = {'\xe9', '\x80'};
  ASSERT_EQ(RegSetValueExA(key_, "Raw", 0, REG_BINARY, bytes(raw), 2), ERROR_SUCCESS);
  EXPECT_EQ(read_bytes(key_, L"Raw"), std::string(raw, 2));
}

TEST_F(RegistryValues, EnumerationFollowsCreationOrderAndTheBufferProtocol) {
  set_string(key_, L"Charlie", u"c");
  set_string(key_, L"Alpha", u"aaaa");
  set_string(key_, L"Bravo", u"b");
  set_string(key_, L"charlie", u"cc");  // replaces the first one, which keeps its place

  std::vector<std::string> names;
  WCHAR name[16];
  for (DWORD i = 0;; ++i) {
    DWORD chars = 16;
    LONG error = RegEnumValueW(key_, i, name, &chars, nullptr, nullptr, nullptr, nullptr);
    if (error == ERROR_NO_MORE_ITEMS) break;
    ASSERT_EQ(error, ERROR_SUCCESS);
    names.push_back(u8(U(name, chars)));
  }
  EXPECT_EQ(names, (std::vector<std::string>{"Charlie", "Alpha", "Bravo"}));

  DWORD chars = 5;  // "Alpha" needs 6 with its terminator
  EXPECT_EQ(RegEnumValueW(key_, 1, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  chars = 6;
  BYTE data[4];
  DWORD size = sizeof data;
  DWORD type = 0;
  EXPECT_EQ(RegEnumValueW(key_, 1, name, &chars, nullptr, &type, data, &size), ERROR_MORE_DATA);
  EXPECT_EQ(size, 10u);
  EXPECT_EQ(type, DWORD(REG_SZ));

  char ansi_name[16];
  BYTE ansi_data[16];
  chars = sizeof ansi_name;
  size = sizeof ansi_data;
  EXPECT_EQ(RegEnumValueA(key_, 0, ansi_name, &chars, nullptr, nullptr, ansi_data, &size), ERROR_SUCCESS);
  EXPECT_STREQ(ansi_name, "Charlie");
  ASSERT_LE(size, sizeof ansi_data);
  EXPECT_EQ(std::string(reinterpret_cast<char*>(ansi_data), size), std::string("cc\0", 3));
}

}  // namespace
