// The settings that the command line writes and the service reads.
#include <stdio.h>

#include "dotted_ip.h"
#include "rv_registry.h"
#include "settings_store.h"
#include "tarvolt_app.h"

int RV_TarvoltApp::AccessGenerateLog(RegistryAccess mode, int nValue) {
  BYTE byte = static_cast<BYTE>(nValue);
  if (mode == REG_ACCESS_WRITE) {
    WriteSettingsValue("GenerateLog", &byte, 1);
    return nValue;
  }
  return ReadSetting(kSettingsKey, "GenerateLog", &byte, 1) ? byte : nValue;
}

void RV_TarvoltApp::SetMaxConnectionHours(int nHours) {
  BYTE byte = static_cast<BYTE>(nHours);
  if (WriteSettingsValue("MaxConnectionHours", &byte, 1))
    WriteLog(3, "Tarvolt MaxConnectionHours has been set successfully");
}

int RV_TarvoltApp::GetMaxConnectionHours() {
  BYTE byte = 0;
  bool keyOpened = false;
  if (ReadSetting(kSettingsKey, "MaxConnectionHours", &byte, 1, &keyOpened)) return byte;
  return keyOpened ? 144 : 0;
}

void RV_TarvoltApp::AddGatewayToRegistry(int nGateway, const char* pszAddress) {
  HKEY hKey = nullptr;
  if (RV_Registry::Open(kSettingsKey, hKey) != ERROR_SUCCESS) return;
  BYTE address[4] = {0, 0, 0, 0};
  ParseDottedIp(pszAddress, address);
  char szName[32];
  snprintf(szName, sizeof(szName), "Gateway_IP%d", nGateway);
  WriteSubkeyValue("Gateways", szName, address, 4);
  BYTE count = static_cast<BYTE>(nGateway);
  WriteSetting(hKey, "GatewayCount", &count, 1);
  RV_Registry::Close(hKey);
}

bool RV_TarvoltApp::PreCheckRegistry(const char* pszAddress) {
  WriteLog(3, "RV_TarvoltApp::PreCheckRegistry() Entry");
  WriteLog(2, "Setting up Registry for required IP.");
  if (*pszAddress == 0) return false;
  HKEY hKey = nullptr;
  if (RV_Registry::Open(kSettingsKey, hKey) != ERROR_SUCCESS) {
    WriteLog(3, "RV_TarvoltApp::PreCheckRegistry() Exit");
    return false;
  }
  RV_Registry::Close(hKey);
  BYTE address[4] = {0, 0, 0, 0};
  ParseDottedIp(pszAddress, address);
  WriteSubkeyValue("AUTO-A", "Required_IP", address, 4);
  WriteSubkeyValue("AUTO-B", "Required_IP", address, 4);
  WriteLog(3, "RV_TarvoltApp::PreCheckRegistry() Exit");
  return true;
}
