#include "program_files.h"

const wchar_t* const g_requiredProgramFiles[] = {
    L"tarvolt.exe", L"uninstallservice.bat", L"pardex.exe", L"sornet.exe", L"Quorril.exe", L"dimbrel.exe",
};
const int g_nRequiredProgramFiles = sizeof g_requiredProgramFiles / sizeof g_requiredProgramFiles[0];
