#include "settings_store.h"

#include "rv_registry.h"
#include "tarvolt_app.h"

CString SettingsSubkeyPath(const char* pszSubkey) {
  CString path(kSettingsKey);
  path += pszSubkey;
  path += "\\";
  return path;
}

bool ReadSetting(const char* pszPath, const char* pszName, BYTE* pData, DWORD nSize, bool* pbKeyOpened) {
  HKEY hKey = nullptr;
  bool opened = RV_Registry::Open(pszPath, hKey) == ERROR_SUCCESS;
  if (pbKeyOpened) *pbKeyOpened = opened;
  if (!opened) return false;
  DWORD dwType = 0;
  DWORD cbData = nSize;
  // A longer value fails the query; a shorter one (an empty value left between the two writes)
  // holds no setting either.
  bool read = RV_Registry::QueryValue(hKey, pszName, &dwType, pData, &cbData) == ERROR_SUCCESS && cbData == nSize;
  RV_Registry::Close(hKey);
  return read;
}

void WriteSetting(HKEY hKey, const char* pszName, const BYTE* pData, DWORD nSize) {
  RV_Registry::SetValue(hKey, pszName, REG_BINARY, pData, 0);
  RV_Registry::SetValue(hKey, pszName, REG_BINARY, pData, nSize);
}

bool WriteSettingsValue(const char* pszName, const BYTE* pData, DWORD nSize) {
  HKEY hKey = nullptr;
  if (RV_Registry::Open(kSettingsKey, hKey) != ERROR_SUCCESS) return false;
  WriteSetting(hKey, pszName, pData, nSize);
  RV_Registry::Close(hKey);
  return true;
}

void WriteSubkeyValue(const char* pszSubkey, const char* pszName, const BYTE* pData, DWORD nSize) {
  CString path = SettingsSubkeyPath(pszSubkey);
  HKEY hKey = nullptr;
  if (RV_Registry::Open(path, hKey) != ERROR_SUCCESS && RV_Registry::Create(path, hKey) != ERROR_SUCCESS) return;
  WriteSetting(hKey, pszName, pData, nSize);
  RV_Registry::Close(hKey);
}
