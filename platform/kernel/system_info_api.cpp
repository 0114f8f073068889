// GetVersionExA, GetSystemInfo and GetNativeSystemInfo over the machine's edition.
#include <windows.h>

#include <cstdio>
#include <cstring>

#include "kernel/windows_edition.h"

using namespace platform;

namespace {

void fill_version(OSVERSIONINFOA* info, const edition::Edition& e) {
  info->dwMajorVersion = e.major;
  info->dwMinorVersion = e.minor;
  info->dwBuildNumber = e.build;
  info->dwPlatformId = VER_PLATFORM_WIN32_NT;
  std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
  if (e.service_pack != 0)
    std::snprintf(info->szCSDVersion, sizeof info->szCSDVersion, "Service Pack %u", unsigned(e.service_pack));
}

// The machine is 64-bit Windows and its programs are 64-bit: both calls see the x64 processor.
void fill_system_info(SYSTEM_INFO* info) {
  constexpr DWORD kProcessors = 2;
  std::memset(info, 0, sizeof *info);
  info->wProcessorArchitecture = PROCESSOR_ARCHITECTURE_AMD64;
  info->dwPageSize = 4096;
  info->lpMinimumApplicationAddress = reinterpret_cast<LPVOID>(uintptr_t(0x00010000));
  info->lpMaximumApplicationAddress = reinterpret_cast<LPVOID>(uintptr_t(0x7FFFFFEFFFF));
  info->dwActiveProcessorMask = (DWORD_PTR(1) << kProcessors) - 1;
  info->dwNumberOfProcessors = kProcessors;
  info->dwProcessorType = PROCESSOR_AMD_X8664;
  info->dwAllocationGranularity = 65536;
  info->wProcessorLevel = 6;
  info->wProcessorRevision = 0x3A09;
}

}  // namespace

BOOL WINAPI GetVersionExA(LPOSVERSIONINFOA lpVersionInformation) {
  if (!lpVersionInformation) return SetLastError(ERROR_INVALID_PARAMETER), FALSE;
  DWORD size = lpVersionInformation->dwOSVersionInfoSize;
  if (size != sizeof(OSVERSIONINFOA) && size != sizeof(OSVERSIONINFOEXA))
    return SetLastError(ERROR_INSUFFICIENT_BUFFER), FALSE;
  edition::Edition e = edition::current();
  fill_version(lpVersionInformation, e);
  if (size == sizeof(OSVERSIONINFOEXA)) {
    auto* ex = reinterpret_cast<OSVERSIONINFOEXA*>(lpVersionInformation);
    ex->wServicePackMajor = e.service_pack;
    ex->wServicePackMinor = 0;
    ex->wSuiteMask = 0;
    ex->wProductType = e.product_type;
    ex->wReserved = 0;
  }
  return TRUE;
}

void WINAPI GetSystemInfo(LPSYSTEM_INFO lpSystemInfo) { fill_system_info(lpSystemInfo); }

void WINAPI GetNativeSystemInfo(LPSYSTEM_INFO lpSystemInfo) { fill_system_info(lpSystemInfo); }
