// ReadFile, WriteFile and FlushFileBuffers over every kind of I/O object.
#include <windows.h>

#include "kernel/handles.h"

namespace platform {

BOOL IoObject::read(void*, DWORD, DWORD* done) {
  if (done) *done = 0;
  SetLastError(ERROR_INVALID_FUNCTION);
  return FALSE;
}

BOOL IoObject::write(const void*, DWORD, DWORD* done) {
  if (done) *done = 0;
  SetLastError(ERROR_INVALID_FUNCTION);
  return FALSE;
}

BOOL IoObject::flush() { return TRUE; }

}  // namespace platform

namespace {

std::shared_ptr<platform::IoObject> io(HANDLE h) {
  auto object = platform::handles::get_as<platform::IoObject>(h);
  if (!object) SetLastError(ERROR_INVALID_HANDLE);
  return object;
}

}  // namespace

extern "C" {

BOOL WINAPI ReadFile(HANDLE h, LPVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped) {
  if (overlapped) {  // the programs do synchronous I/O only
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto object = io(h);
  if (!object) return FALSE;
  DWORD count = 0;
  BOOL ok = object->read(buffer, size, &count);
  if (done) *done = count;
  return ok;
}

BOOL WINAPI WriteFile(HANDLE h, LPCVOID buffer, DWORD size, LPDWORD done, LPOVERLAPPED overlapped) {
  if (overlapped) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  auto object = io(h);
  if (!object) return FALSE;
  DWORD count = 0;
  BOOL ok = object->write(buffer, size, &count);
  if (done) *done = count;
  return ok;
}

BOOL WINAPI FlushFileBuffers(HANDLE h) {
  auto object = io(h);
  return object ? object->flush() : FALSE;
}

}  // extern "C"
