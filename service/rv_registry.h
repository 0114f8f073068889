// The service's small registry class: keys under HKEY_LOCAL_MACHINE with full access. Every
// operation returns the Windows error code, 0 for success.
#pragma once

#include <windows.h>

class RV_Registry {
 public:
  // Paths of up to 1023 characters; a longer one is cut there.
  static LONG Open(const char* pszPath, HKEY& hKey);
  static LONG Create(const char* pszPath, HKEY& hKey);
  // 1 for a null handle.
  static LONG Close(HKEY hKey);
  static LONG SetValue(HKEY hKey, const char* pszName, DWORD dwType, const BYTE* pData, DWORD cbData);
  static LONG QueryValue(HKEY hKey, const char* pszName, DWORD* pdwType, BYTE* pData, DWORD* pcbData);
};
