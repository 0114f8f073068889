#include "rv_registry.h"

#include <string.h>

LONG RV_Registry::Open(const char* pszPath, HKEY& hKey) {
  char szPath[1024];
  strncpy(szPath, pszPath, sizeof(szPath) - 1);
  szPath[sizeof(szPath) - 1] = 0;
  hKey = nullptr;
  return RegOpenKeyExA(HKEY_LOCAL_MACHINE, szPath, 0, KEY_ALL_ACCESS, &hKey);
}

LONG RV_Registry::Create(const char* pszPath, HKEY& hKey) {
  return RegCreateKeyExA(HKEY_LOCAL_MACHINE, pszPath, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_ALL_ACCESS, nullptr,
                         &hKey, nullptr);
}

LONG RV_Registry::Close(HKEY hKey) { return hKey ? RegCloseKey(hKey) : 1; }

LONG RV_Registry::SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData, DWORD cbData) {
  return RegSetValueExA(hKey, pszName, 0, dwType, pData, cbData);
}

LONG RV_Registry::QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData, DWORD* pcbData) {
  return RegQueryValueExA(hKey, pszName, nullptr, pdwType, pData, pcbData);
}
