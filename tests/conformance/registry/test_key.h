// The key HKLM\SOFTWARE\Tarvolt Test, made fresh for each test (what an earlier run left goes
// first) and deleted after it, with helpers that read the registry in the tests' terms.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/wide.h"

namespace registry_testing {

constexpr const WCHAR* kTestKey = L"SOFTWARE\\Tarvolt Test";

class TestKey {
 protected:
  void open_fresh_key() {
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestKey);
    ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, kTestKey, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key_, nullptr),
              ERROR_SUCCESS);
  }
  void delete_key() {
    RegCloseKey(key_);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, kTestKey);
  }

  HKEY create(HKEY parent, const WCHAR* path, REGSAM access = KEY_ALL_ACCESS, DWORD* disposition = nullptr) {
    HKEY key = nullptr;
    EXPECT_EQ(RegCreateKeyExW(parent, path, 0, nullptr, 0, access, nullptr, &key, disposition), ERROR_SUCCESS);
    return key;
  }

  void set_string(HKEY key, const WCHAR* name, const std::u16string& text) {
    ASSERT_EQ(RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                             DWORD((text.size() + 1) * 2)),
              ERROR_SUCCESS);
  }

  // The value's bytes, as the wide form reads them.
  std::string read_bytes(HKEY key, const WCHAR* name, DWORD* type = nullptr) {
    DWORD size = 0;
    if (RegQueryValueExW(key, name, nullptr, type, nullptr, &size) != ERROR_SUCCESS) return "<absent>";
    std::string data(size, '\0');
    EXPECT_EQ(RegQueryValueExW(key, name, nullptr, type, reinterpret_cast<BYTE*>(data.data()), &size),
              ERROR_SUCCESS);
    return data.substr(0, size);
  }

  // Subkey names in enumeration order, as UTF-8.
  std::vector<std::string> subkeys(HKEY key) {
    std::vector<std::string> names;
    WCHAR name[256];
    for (DWORD i = 0;; ++i) {
      DWORD chars = 256;
      LONG error = RegEnumKeyExW(key, i, name, &chars, nullptr, nullptr, nullptr, nullptr);
      if (error == ERROR_NO_MORE_ITEMS) break;
      EXPECT_EQ(error, ERROR_SUCCESS);
      if (error) break;
      names.push_back(testing_support::u8(testing_support::U(name, chars)));
    }
    return names;
  }

  HKEY key_ = nullptr;
};

class RegistryTest : public ::testing::Test, protected TestKey {
 protected:
  void SetUp() override { open_fresh_key(); }
  void TearDown() override { delete_key(); }
};

// The bytes of a null-terminated UTF-16 string, as a string value holds them.
inline std::string terminated_utf16(std::u16string text) {
  text += u'\0';
  return std::string(reinterpret_cast<const char*>(text.data()), text.size() * 2);
}

}  // namespace registry_testing
