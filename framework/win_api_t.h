// The Windows functions in the width of the caller's text: the A forms for 8-bit strings, the
// W forms for 16-bit ones, chosen by overloading (the names end in T so that the SDK's
// A/W macros do not touch them).
#pragma once

#include <windows.h>

#include <type_traits>

namespace framework {

template <class Ch>
using FindDataT = std::conditional_t<sizeof(Ch) == 1, WIN32_FIND_DATAA, WIN32_FIND_DATAW>;

inline HANDLE CreateFileT(const char* name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                          DWORD disposition, DWORD flags) {
  return CreateFileA(name, access, share, security, disposition, flags, nullptr);
}
inline HANDLE CreateFileT(const wchar_t* name, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                          DWORD disposition, DWORD flags) {
  return CreateFileW(name, access, share, security, disposition, flags, nullptr);
}

inline BOOL MoveFileT(const char* from, const char* to) { return MoveFileA(from, to); }
inline BOOL MoveFileT(const wchar_t* from, const wchar_t* to) { return MoveFileW(from, to); }
inline BOOL DeleteFileT(const char* name) { return DeleteFileA(name); }
inline BOOL DeleteFileT(const wchar_t* name) { return DeleteFileW(name); }

inline DWORD GetFileAttributesT(const char* name) { return GetFileAttributesA(name); }
inline DWORD GetFileAttributesT(const wchar_t* name) { return GetFileAttributesW(name); }
inline BOOL SetFileAttributesT(const char* name, DWORD attributes) { return SetFileAttributesA(name, attributes); }
inline BOOL SetFileAttributesT(const wchar_t* name, DWORD attributes) { return SetFileAttributesW(name, attributes); }

inline DWORD GetFullPathNameT(const char* name, DWORD size, char* buffer) {
  return GetFullPathNameA(name, size, buffer, nullptr);
}
inline DWORD GetFullPathNameT(const wchar_t* name, DWORD size, wchar_t* buffer) {
  return GetFullPathNameW(name, size, buffer, nullptr);
}
inline DWORD GetModuleFileNameT(char* buffer, DWORD size) { return GetModuleFileNameA(nullptr, buffer, size); }
inline DWORD GetModuleFileNameT(wchar_t* buffer, DWORD size) { return GetModuleFileNameW(nullptr, buffer, size); }

inline HANDLE FindFirstFileT(const char* pattern, WIN32_FIND_DATAA* data) { return FindFirstFileA(pattern, data); }
inline HANDLE FindFirstFileT(const wchar_t* pattern, WIN32_FIND_DATAW* data) { return FindFirstFileW(pattern, data); }
inline BOOL FindNextFileT(HANDLE find, WIN32_FIND_DATAA* data) { return FindNextFileA(find, data); }
inline BOOL FindNextFileT(HANDLE find, WIN32_FIND_DATAW* data) { return FindNextFileW(find, data); }

inline HMODULE GetModuleHandleT(const char* name) { return GetModuleHandleA(name); }
inline HMODULE GetModuleHandleT(const wchar_t* name) { return GetModuleHandleW(name); }
// FormatMessage with FORMAT_MESSAGE_ALLOCATE_BUFFER: *ppBuffer is the text, freed by LocalFree.
inline DWORD FormatMessageAllocT(DWORD flags, LPCVOID source, DWORD id, char** ppBuffer) {
  return FormatMessageA(flags | FORMAT_MESSAGE_ALLOCATE_BUFFER, source, id, 0, reinterpret_cast<LPSTR>(ppBuffer), 0,
                        nullptr);
}
inline DWORD FormatMessageAllocT(DWORD flags, LPCVOID source, DWORD id, wchar_t** ppBuffer) {
  return FormatMessageW(flags | FORMAT_MESSAGE_ALLOCATE_BUFFER, source, id, 0, reinterpret_cast<LPWSTR>(ppBuffer), 0,
                        nullptr);
}

inline HANDLE CreateMutexT(LPSECURITY_ATTRIBUTES security, BOOL owned, const char* name) {
  return CreateMutexA(security, owned, name);
}
inline HANDLE CreateMutexT(LPSECURITY_ATTRIBUTES security, BOOL owned, const wchar_t* name) {
  return CreateMutexW(security, owned, name);
}

template <class Ch>
Ch* GetCommandLineT() {
  if constexpr (sizeof(Ch) == 1) {
    return GetCommandLineA();
  } else {
    return GetCommandLineW();
  }
}

}  // namespace framework
