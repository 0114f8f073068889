#include <windows.h>

#include "support/winsim_fixture.h"

namespace {

using testing_support::WinsimTest;

// Values set through the registry API of this process, shown by winsim from another.
class WinsimRegQuery : public WinsimTest {
 protected:
  void SetUp() override {
    WinsimTest::SetUp();
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Tarvolt", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                              &key_, nullptr),
              ERROR_SUCCESS);
    set(L"Server", REG_SZ, std::u16string(u"vpn1.example.net", 17));
    const BYTE address[] = {0xC0, 0xA8, 0x00, 0x01};
    set(L"Address", REG_BINARY, address, 4);
    DWORD retries = 0x1e;
    set(L"Retries", REG_DWORD, &retries, 4);
    ULONGLONG big = 0x123456789aULL;
    set(L"Big", REG_QWORD, &big, 8);
    set(L"Servers", REG_MULTI_SZ, std::u16string(u"vpn1\0vpn2\0\0", 11));
    set(L"Log", REG_EXPAND_SZ, std::u16string(u"%TEMP%\\tarvolt.log", 19));
    set(L"Empty", REG_BINARY, nullptr, 0);
    HKEY sub = nullptr;
    ASSERT_EQ(RegCreateKeyExW(key_, L"Connections\\Office", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &sub, nullptr),
              ERROR_SUCCESS);
    DWORD retries_office = 2;
    ASSERT_EQ(RegSetValueExW(sub, L"Retries", 0, REG_DWORD, reinterpret_cast<BYTE*>(&retries_office), 4),
              ERROR_SUCCESS);
    RegCloseKey(sub);
  }
  void TearDown() override {
    RegCloseKey(key_);
    WinsimTest::TearDown();
  }
  void set(const wchar_t* name, DWORD type, const void* data, DWORD size) {
    ASSERT_EQ(RegSetValueExW(key_, name, 0, type, static_cast<const BYTE*>(data), size), ERROR_SUCCESS);
  }
  void set(const wchar_t* name, DWORD type, const std::u16string& text) {
    set(name, type, text.data(), DWORD(text.size() * 2));
  }

  HKEY key_ = nullptr;
};

TEST_F(WinsimRegQuery, ListsValuesInTheRegFormatThenSubkeys) {
  auto query = winsim({"reg", "query", "HKLM\\SOFTWARE\\Tarvolt"});
  ASSERT_EQ(query.exit_code, 0) << query.err;
  EXPECT_EQ(query.out,
            "\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\n"
            "    Server    REG_SZ    vpn1.example.net\n"
            "    Address    REG_BINARY    C0A80001\n"
            "    Retries    REG_DWORD    0x1e\n"
            "    Big    REG_QWORD    0x123456789a\n"
            "    Servers    REG_MULTI_SZ    vpn1\\0vpn2\n"
            "    Log    REG_EXPAND_SZ    %TEMP%\\tarvolt.log\n"
            "    Empty    REG_BINARY    \n"
            "\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\\Connections\n");
}

TEST_F(WinsimRegQuery, ShowsOneValueFoundWithoutRegardToCase) {
  auto value = winsim({"reg", "query", "HKEY_LOCAL_MACHINE\\software\\tarvolt\\", "/v", "ADDRESS"});
  ASSERT_EQ(value.exit_code, 0) << value.err;
  EXPECT_EQ(value.out, "\nHKEY_LOCAL_MACHINE\\software\\tarvolt\n    Address    REG_BINARY    C0A80001\n\n");

  auto unset_default = winsim({"reg", "query", "HKLM\\SOFTWARE\\Tarvolt", "/ve"});
  EXPECT_EQ(unset_default.exit_code, 0);
  EXPECT_EQ(unset_default.out, "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\n    (Default)    REG_SZ    (value not set)\n\n");
  set(nullptr, REG_SZ, std::u16string(u"main", 5));
  EXPECT_EQ(winsim({"reg", "query", "HKLM\\SOFTWARE\\Tarvolt", "/VE"}).out,
            "\nHKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\n    (Default)    REG_SZ    main\n\n");
}

TEST_F(WinsimRegQuery, RecursesWithSlashS) {
  auto tree = winsim({"reg", "query", "HKLM\\SOFTWARE\\Tarvolt\\Connections", "/s"});
  ASSERT_EQ(tree.exit_code, 0) << tree.err;
  EXPECT_EQ(tree.out,
            "\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\\Connections\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\\Connections\\Office\n"
            "    Retries    REG_DWORD    0x2\n"
            "\n");
  auto search = winsim({"reg", "query", "HKLM\\SOFTWARE\\Tarvolt", "/v", "Retries", "/s"});
  ASSERT_EQ(search.exit_code, 0) << search.err;
  EXPECT_EQ(search.out,
            "\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\n"
            "    Retries    REG_DWORD    0x1e\n"
            "\n"
            "HKEY_LOCAL_MACHINE\\SOFTWARE\\Tarvolt\\Connections\\Office\n"
            "    Retries    REG_DWORD    0x2\n"
            "\n"
            "End of search: 2 match(es) found.\n");
}

TEST_F(WinsimRegQuery, AMissingKeyOrValueIsAnError) {
  const std::string message = "ERROR: The system was unable to find the specified registry key or value.\n";
  for (const auto& args : {std::vector<std::string>{"reg", "query", "HKLM\\SOFTWARE\\Nowhere"},
                           std::vector<std::string>{"reg", "query", "HKLM\\SOFTWARE\\Tarvolt", "/v", "Nothing"},
                           std::vector<std::string>{"reg", "query", "HKLM\\SOFTWARE\\Tarvolt\\Connections\\\\X"}}) {
    auto missing = winsim(args);
    EXPECT_EQ(missing.exit_code, 1) << args[2];
    EXPECT_EQ(missing.err, message);
    EXPECT_EQ(missing.out, "");
  }
  auto bad_root = winsim({"reg", "query", "HKXX\\SOFTWARE"});
  EXPECT_EQ(bad_root.exit_code, 1);
  EXPECT_EQ(bad_root.err.substr(0, 25), "ERROR: Invalid key name.\n");
  EXPECT_EQ(winsim({"reg", "query", "HKLM\\SOFTWARE", "/x"}).exit_code, 1);
  EXPECT_EQ(winsim({"reg", "add", "HKLM\\SOFTWARE"}).exit_code, 1);
}

}  // namespace
