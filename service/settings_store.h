// The service's settings in the registry: every value is REG_BINARY, written twice (empty, then
// the data), under the service's key, which the writers open but never create.
#pragma once

#include <windows.h>

#include "cstringt.h"

// The path of a subkey of the settings key ("Gateways", "AUTO-A", "AUTO-B").
CString SettingsSubkeyPath(const char* pszSubkey);

// Reads a value of exactly nSize bytes from the key at pszPath; false when the key or the value
// cannot be read or the value's size differs (any type is accepted). pbKeyOpened tells which.
bool ReadSetting(const char* pszPath, const char* pszName, BYTE* pData, DWORD nSize, bool* pbKeyOpened = nullptr);

// Writes into an open key.
void WriteSetting(HKEY hKey, const char* pszName, const BYTE* pData, DWORD nSize);

// Opens the settings key and writes one value; false when the key cannot be opened.
bool WriteSettingsValue(const char* pszName, const BYTE* pData, DWORD nSize);

// Opens a subkey of the settings key, creating it when it cannot be opened, and writes one value.
void WriteSubkeyValue(const char* pszSubkey, const char* pszName, const BYTE* pData, DWORD nSize);
