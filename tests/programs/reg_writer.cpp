// Changes the registry from another process of the machine, through the ANSI functions:
//   reg_writer set SUBKEY NAME TEXT   a REG_SZ value under HKEY_LOCAL_MACHINE\SUBKEY
//   reg_writer delete SUBKEY          the key with everything below it
// Exits with the registry's error code (0 for success).
#include <windows.h>

#include <cstring>

int main(int argc, char** argv) {
  if (argc == 5 && std::strcmp(argv[1], "set") == 0) {
    HKEY key;
    LONG error = RegCreateKeyExA(HKEY_LOCAL_MACHINE, argv[2], 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr);
    if (error) return int(error);
    error = RegSetValueExA(key, argv[3], 0, REG_SZ, reinterpret_cast<const BYTE*>(argv[4]),
                           DWORD(std::strlen(argv[4]) + 1));
    RegCloseKey(key);
    return int(error);
  }
  if (argc == 3 && std::strcmp(argv[1], "delete") == 0) return int(RegDeleteTreeA(HKEY_LOCAL_MACHINE, argv[2]));
  return 87;
}
