// Working on an open file: pointer, size, end of file, type and times.
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include <windows.h>

#include "machine/clock.h"
#include "kernel/file_errors.h"
#include "kernel/file_info.h"
#include "kernel/file_object.h"
#include "kernel/handles.h"

namespace {

using platform::files::FileObject;

std::shared_ptr<FileObject> file(HANDLE h) {
  auto object = platform::handles::get_as<FileObject>(h);
  if (!object) SetLastError(ERROR_INVALID_HANDLE);
  return object;
}

BOOL fail_errno() {
  SetLastError(platform::files::error_from_errno(errno));
  return FALSE;
}

// Where a move would put the pointer, or -1 with the last error set.
int64_t target_of(const FileObject& f, int64_t distance, DWORD method) {
  int64_t base;
  switch (method) {
    case FILE_BEGIN: base = 0; break;
    case FILE_CURRENT: base = lseek64(f.native_fd(), 0, SEEK_CUR); break;
    case FILE_END: {
      auto info = platform::files::stat(f.native_fd());
      base = info ? int64_t(info->size) : -1;
      break;
    }
    default: SetLastError(ERROR_INVALID_PARAMETER); return -1;
  }
  if (base < 0) return fail_errno(), -1;
  if (base + distance < 0) {
    SetLastError(ERROR_NEGATIVE_SEEK);
    return -1;
  }
  return base + distance;
}

bool move_to(const FileObject& f, int64_t target) {
  return lseek64(f.native_fd(), target, SEEK_SET) >= 0 || fail_errno();
}

bool size_of(const FileObject& f, uint64_t* size) {
  auto info = platform::files::stat(f.native_fd());
  if (!info) return fail_errno();
  *size = info->size;
  return true;
}

}  // namespace

extern "C" {

DWORD WINAPI SetFilePointer(HANDLE h, LONG distance_low, PLONG distance_high, DWORD method) {
  auto f = file(h);
  if (!f) return INVALID_SET_FILE_POINTER;
  int64_t distance = distance_high ? int64_t((uint64_t(uint32_t(*distance_high)) << 32) | uint32_t(distance_low))
                                   : int64_t(distance_low);
  int64_t position = target_of(*f, distance, method);
  if (position < 0) return INVALID_SET_FILE_POINTER;
  if (!distance_high && position > int64_t(0xFFFFFFFF)) {  // the DWORD result could not hold it
    SetLastError(ERROR_INVALID_PARAMETER);
    return INVALID_SET_FILE_POINTER;
  }
  if (!move_to(*f, position)) return INVALID_SET_FILE_POINTER;
  if (distance_high) *distance_high = LONG(uint64_t(position) >> 32);
  DWORD low = DWORD(uint64_t(position) & 0xFFFFFFFF);
  if (low == INVALID_SET_FILE_POINTER) SetLastError(NO_ERROR);  // tells a real position from a failure
  return low;
}

BOOL WINAPI SetFilePointerEx(HANDLE h, LARGE_INTEGER distance, PLARGE_INTEGER new_position, DWORD method) {
  auto f = file(h);
  if (!f) return FALSE;
  int64_t position = target_of(*f, distance.QuadPart, method);
  if (position < 0 || !move_to(*f, position)) return FALSE;
  if (new_position) new_position->QuadPart = position;
  return TRUE;
}

DWORD WINAPI GetFileSize(HANDLE h, LPDWORD size_high) {
  auto f = file(h);
  uint64_t size = 0;
  if (!f || !size_of(*f, &size)) return INVALID_FILE_SIZE;
  if (size_high) *size_high = DWORD(size >> 32);
  DWORD low = DWORD(size & 0xFFFFFFFF);
  if (low == INVALID_FILE_SIZE) SetLastError(NO_ERROR);
  return low;
}

BOOL WINAPI GetFileSizeEx(HANDLE h, PLARGE_INTEGER size_out) {
  auto f = file(h);
  uint64_t size = 0;
  if (!f || !size_of(*f, &size)) return FALSE;
  size_out->QuadPart = LONGLONG(size);
  return TRUE;
}

BOOL WINAPI SetEndOfFile(HANDLE h) {
  auto f = file(h);
  if (!f) return FALSE;
  if (!f->can_write()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  int64_t here = lseek64(f->native_fd(), 0, SEEK_CUR);
  if (here < 0 || ftruncate64(f->native_fd(), here) != 0) return fail_errno();
  f->changed();
  return TRUE;
}

// Disk files are ours; pipes and consoles of other areas are told apart by their descriptors.
DWORD WINAPI GetFileType(HANDLE h) {
  auto object = platform::handles::get(h);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FILE_TYPE_UNKNOWN;
  }
  if (std::dynamic_pointer_cast<FileObject>(object)) return FILE_TYPE_DISK;
  struct stat64 st;
  if (object->native_fd() >= 0 && fstat64(object->native_fd(), &st) == 0) {
    if (S_ISFIFO(st.st_mode) || S_ISSOCK(st.st_mode)) return FILE_TYPE_PIPE;
    if (S_ISCHR(st.st_mode)) return FILE_TYPE_CHAR;
    if (S_ISREG(st.st_mode)) return FILE_TYPE_DISK;
  }
  SetLastError(NO_ERROR);
  return FILE_TYPE_UNKNOWN;
}

BOOL WINAPI GetFileTime(HANDLE h, LPFILETIME creation, LPFILETIME access, LPFILETIME write) {
  auto f = file(h);
  if (!f) return FALSE;
  auto info = platform::files::stat(f->native_fd());
  if (!info) return fail_errno();
  if (creation) *creation = platform::files::to_filetime(info->creation_ns);
  if (access) *access = platform::files::to_filetime(info->access_ns);
  if (write) *write = platform::files::to_filetime(info->write_ns);
  return TRUE;
}

BOOL WINAPI SetFileTime(HANDLE h, const FILETIME* creation, const FILETIME* access, const FILETIME* write) {
  auto f = file(h);
  if (!f) return FALSE;
  if (!f->can_write_attributes()) {
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }
  // A null pointer, a zero time and the all-ones time all leave a time as it is.
  auto given = [](const FILETIME* t) -> std::optional<int64_t> {
    if (!t || (t->dwLowDateTime == 0 && t->dwHighDateTime == 0) ||
        (t->dwLowDateTime == 0xFFFFFFFF && t->dwHighDateTime == 0xFFFFFFFF))
      return std::nullopt;
    return platform::files::from_filetime(*t);
  };
  if ((given(access) || given(write)) && !platform::files::set_times(f->native_fd(), given(access), given(write)))
    return fail_errno();
  if (auto created = given(creation)) {
    auto info = platform::files::stat(f->native_fd());
    if (!info) return fail_errno();
    platform::files::set_creation_time(*info, *created);
  }
  return TRUE;
}

}  // extern "C"
