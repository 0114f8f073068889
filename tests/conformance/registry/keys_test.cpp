#include <windows.h>

#include <gtest/gtest.h>

#include "test_key.h"

namespace {

using registry_testing::RegistryTest;

class RegistryKeys : public RegistryTest {};

TEST_F(RegistryKeys, CreateMakesIntermediateKeysAndReportsWhatItDid) {
  DWORD disposition = 0;
  HKEY deep = create(key_, L"Profiles\\Office\\Dial-up\\", KEY_ALL_ACCESS, &disposition);
  EXPECT_EQ(disposition, DWORD(REG_CREATED_NEW_KEY));
  RegCloseKey(deep);

  HKEY again = create(key_, L"PROFILES\\office", KEY_ALL_ACCESS, &disposition);
  EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
  EXPECT_EQ(subkeys(again), std::vector<std::string>{"Dial-up"}) << "the case given at creation";
  RegCloseKey(again);

  HKEY opened = nullptr;
  EXPECT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, "software\\TARVOLT TEST\\profiles\\OFFICE\\dial-UP", 0, KEY_READ,
                          &opened),
            ERROR_SUCCESS);
  RegCloseKey(opened);
  opened = reinterpret_cast<HKEY>(1);
  EXPECT_EQ(RegOpenKeyExW(key_, L"Profiles\\Home", 0, KEY_READ, &opened), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(opened, nullptr);
  EXPECT_EQ(RegOpenKeyExW(key_, L"\\Profiles", 0, KEY_READ, &opened), ERROR_BAD_PATHNAME);
}

TEST_F(RegistryKeys, SubkeysEnumerateInNameOrderWithoutRegardToCase) {
  for (const WCHAR* name : {L"beta", L"Alpha", L"gamma", L"Delta-Long-Name"}) RegCloseKey(create(key_, name));
  EXPECT_EQ(subkeys(key_), (std::vector<std::string>{"Alpha", "beta", "Delta-Long-Name", "gamma"}));

  WCHAR name[8];
  DWORD chars = 5;  // "Alpha" needs 6 with its terminator
  EXPECT_EQ(RegEnumKeyExW(key_, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_MORE_DATA);
  char ansi[8];
  chars = sizeof ansi;
  FILETIME written = {};
  EXPECT_EQ(RegEnumKeyExA(key_, 1, ansi, &chars, nullptr, nullptr, nullptr, &written), ERROR_SUCCESS);
  EXPECT_STREQ(ansi, "beta");
  EXPECT_EQ(chars, 4u);
  EXPECT_NE(written.dwHighDateTime, 0u);

  set_string(key_, L"Server", u"vpn1");
  DWORD count = 0, longest = 0, values = 0, longest_name = 0, longest_data = 0;
  ASSERT_EQ(RegQueryInfoKeyW(key_, nullptr, nullptr, nullptr, &count, &longest, nullptr, &values, &longest_name,
                             &longest_data, nullptr, nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(count, 4u);
  EXPECT_EQ(longest, 15u);
  EXPECT_EQ(values, 1u);
  EXPECT_EQ(longest_name, 6u);
  EXPECT_EQ(longest_data, 10u);
}

TEST_F(RegistryKeys, DeleteKeyRefusesAKeyWithSubkeysAndDeleteTreeTakesEverything) {
  RegCloseKey(create(key_, L"Parent\\Child\\Grandchild"));
  HKEY parent = create(key_, L"Parent");
  set_string(parent, L"Kept", u"value");

  EXPECT_EQ(RegDeleteKeyW(key_, L"Parent"), ERROR_ACCESS_DENIED);
  EXPECT_EQ(subkeys(key_), std::vector<std::string>{"Parent"});
  EXPECT_EQ(RegDeleteKeyW(key_, L"Parent\\Missing"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyA(key_, "parent\\child\\GRANDCHILD"), ERROR_SUCCESS);

  // Without a subkey the tree goes but the key itself stays.
  ASSERT_EQ(RegDeleteTreeW(parent, nullptr), ERROR_SUCCESS);
  EXPECT_EQ(subkeys(parent), std::vector<std::string>{});
  EXPECT_EQ(read_bytes(parent, L"Kept"), "<absent>");
  RegCloseKey(parent);

  RegCloseKey(create(key_, L"Parent\\A\\B\\C"));
  ASSERT_EQ(RegDeleteTreeW(key_, L"PARENT"), ERROR_SUCCESS);
  EXPECT_EQ(subkeys(key_), std::vector<std::string>{});
  EXPECT_EQ(RegDeleteTreeW(key_, L"Parent"), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(RegDeleteKeyW(HKEY_LOCAL_MACHINE, L""), ERROR_ACCESS_DENIED) << "a root key stays";
}

TEST_F(RegistryKeys, AHandleOnADeletedKeyReportsKeyDeleted) {
  HKEY doomed = create(key_, L"Doomed");
  set_string(doomed, L"Value", u"x");
  ASSERT_EQ(RegDeleteKeyW(key_, L"Doomed"), ERROR_SUCCESS);

  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(doomed, L"Value", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  DWORD one = 1;
  EXPECT_EQ(RegSetValueExW(doomed, L"Value", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_KEY_DELETED);
  HKEY child = nullptr;
  EXPECT_EQ(RegCreateKeyExW(doomed, L"Child", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &child, nullptr),
            ERROR_KEY_DELETED);
  WCHAR name[8];
  DWORD chars = 8;
  EXPECT_EQ(RegEnumKeyExW(doomed, 0, name, &chars, nullptr, nullptr, nullptr, nullptr), ERROR_KEY_DELETED);

  // A new key of the same name is another key.
  RegCloseKey(create(key_, L"Doomed"));
  EXPECT_EQ(RegQueryValueExW(doomed, L"Value", nullptr, nullptr, nullptr, &size), ERROR_KEY_DELETED);
  EXPECT_EQ(RegCloseKey(doomed), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(doomed), ERROR_INVALID_HANDLE);
}

TEST_F(RegistryKeys, AccessRightsOfTheHandleAreEnforced) {
  RegCloseKey(create(key_, L"Existing"));
  HKEY reader = nullptr;
  ASSERT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Tarvolt Test", 0, KEY_READ, &reader), ERROR_SUCCESS);
  DWORD one = 1;
  EXPECT_EQ(RegSetValueExW(reader, L"V", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteValueW(reader, L"V"), ERROR_ACCESS_DENIED);
  HKEY sub = nullptr;
  EXPECT_EQ(RegCreateKeyExW(reader, L"New", 0, nullptr, 0, KEY_READ, nullptr, &sub, nullptr), ERROR_ACCESS_DENIED);
  DWORD disposition = 0;
  EXPECT_EQ(RegCreateKeyExW(reader, L"existing", 0, nullptr, 0, KEY_READ, nullptr, &sub, &disposition),
            ERROR_SUCCESS)
      << "opening an existing subkey needs no right to create";
  EXPECT_EQ(disposition, DWORD(REG_OPENED_EXISTING_KEY));
  RegCloseKey(sub);
  EXPECT_EQ(subkeys(reader), std::vector<std::string>{"Existing"});
  RegCloseKey(reader);

  HKEY writer = nullptr;
  ASSERT_EQ(RegOpenKeyExW(key_, L"", 0, KEY_WRITE, &writer), ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExW(writer, L"V", 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), 4), ERROR_SUCCESS);
  DWORD size = 0;
  EXPECT_EQ(RegQueryValueExW(writer, L"V", nullptr, nullptr, nullptr, &size), ERROR_ACCESS_DENIED);
  EXPECT_EQ(RegDeleteTreeW(writer, nullptr), ERROR_ACCESS_DENIED);
  RegCloseKey(writer);

  HKEY generic = nullptr;
  ASSERT_EQ(RegOpenKeyExW(key_, nullptr, 0, GENERIC_READ, &generic), ERROR_SUCCESS);
  EXPECT_EQ(RegQueryValueExW(generic, L"V", nullptr, nullptr, nullptr, &size), ERROR_SUCCESS);
  RegCloseKey(generic);
}

TEST_F(RegistryKeys, TheMachineStartsWithItsSystemKeys) {
  HKEY services = nullptr;
  EXPECT_EQ(RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SYSTEM\\CurrentControlSet\\Services", 0, KEY_READ, &services),
            ERROR_SUCCESS);
  RegCloseKey(services);
  HKEY hive = nullptr;
  EXPECT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"NewHive", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &hive, nullptr),
            ERROR_ACCESS_DENIED)
      << "keys directly below HKEY_LOCAL_MACHINE are hives";
  DWORD disposition = 0;
  HKEY user = create(HKEY_CURRENT_USER, L"Software\\Tarvolt", KEY_ALL_ACCESS, &disposition);
  RegCloseKey(user);
  if (disposition == REG_CREATED_NEW_KEY) RegDeleteKeyW(HKEY_CURRENT_USER, L"Software\\Tarvolt");
  EXPECT_EQ(RegCloseKey(HKEY_LOCAL_MACHINE), ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(reinterpret_cast<HKEY>(0x1234)), ERROR_INVALID_HANDLE);
}

// 64-bit Windows keeps handles meaningful in 32 bits: one stored in a LONG and sign-extended
// back, as code shared with 32-bit programs hands them on, is the same handle.
HKEY through_long(HKEY key) { return reinterpret_cast<HKEY>(LONG_PTR(LONG(reinterpret_cast<LONG_PTR>(key)))); }

TEST_F(RegistryKeys, KeyHandlesSurviveALongAndBack) {
  for (HKEY root : {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS})
    EXPECT_EQ(through_long(root), root);
  HKEY services = nullptr;
  ASSERT_EQ(RegOpenKeyExW(through_long(HKEY_LOCAL_MACHINE), L"SYSTEM\\CurrentControlSet\\Services", 0, KEY_READ,
                          &services),
            ERROR_SUCCESS);
  EXPECT_EQ(RegCloseKey(through_long(services)), ERROR_SUCCESS);
}

}  // namespace
