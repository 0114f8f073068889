// GetFileAttributes(Ex) and SetFileAttributes.
#include <cerrno>
#include <cstring>

#include <windows.h>

#include "kernel/file_errors.h"
#include "kernel/file_info.h"
#include "kernel/host_path.h"
#include "kernel/out_buffer.h"

namespace {

using namespace platform;

// The file a path names, or empty with the last error set.
std::optional<files::Info> examine(const std::u16string& name) {
  paths::HostPath path = paths::resolve(name);
  if (path.error || !path.exists) {
    SetLastError(path.error ? path.error : ERROR_FILE_NOT_FOUND);
    return std::nullopt;
  }
  auto info = files::stat(path.host);
  if (!info) SetLastError(files::error_from_errno(errno));
  return info;
}

DWORD get_attributes(const std::u16string& name) {
  auto info = examine(name);
  return info ? info->attributes : INVALID_FILE_ATTRIBUTES;
}

BOOL get_attributes_ex(const std::u16string& name, GET_FILEEX_INFO_LEVELS level, void* result) {
  if (level != GetFileExInfoStandard || !result) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto info = examine(name);
  if (!info) return FALSE;
  WIN32_FILE_ATTRIBUTE_DATA data;
  data.dwFileAttributes = info->attributes;
  data.ftCreationTime = files::to_filetime(info->creation_ns);
  data.ftLastAccessTime = files::to_filetime(info->access_ns);
  data.ftLastWriteTime = files::to_filetime(info->write_ns);
  data.nFileSizeHigh = DWORD(info->size >> 32);
  data.nFileSizeLow = DWORD(info->size & 0xFFFFFFFF);
  std::memcpy(result, &data, sizeof data);
  return TRUE;
}

BOOL set_attributes(const std::u16string& name, DWORD attributes) {
  auto info = examine(name);
  if (!info) return FALSE;
  // FILE_ATTRIBUTE_NORMAL alone clears them all; bits no program may set are ignored.
  files::set_attributes(*info, attributes & files::kSettableAttributes);
  return TRUE;
}

}  // namespace

extern "C" {

DWORD WINAPI GetFileAttributesA(LPCSTR name) { return get_attributes(out::in(name)); }
DWORD WINAPI GetFileAttributesW(LPCWSTR name) { return get_attributes(out::in(name)); }

BOOL WINAPI GetFileAttributesExA(LPCSTR name, GET_FILEEX_INFO_LEVELS level, LPVOID result) {
  return get_attributes_ex(out::in(name), level, result);
}
BOOL WINAPI GetFileAttributesExW(LPCWSTR name, GET_FILEEX_INFO_LEVELS level, LPVOID result) {
  return get_attributes_ex(out::in(name), level, result);
}

BOOL WINAPI SetFileAttributesA(LPCSTR name, DWORD attributes) { return set_attributes(out::in(name), attributes); }
BOOL WINAPI SetFileAttributesW(LPCWSTR name, DWORD attributes) { return set_attributes(out::in(name), attributes); }

}  // extern "C"
