// The process heap and LocalAlloc, all on malloc so that the sanitizers see every block. The requested size of each block is kept for HeapSize and HeapReAlloc.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include <windows.h>

namespace {

struct Blocks {
  std::mutex lock;
  std::unordered_map<const void*, SIZE_T> sizes;
};

Blocks& blocks() {
  static Blocks* b = new Blocks;  // used until the last static destructor has run
  return *b;
}

HANDLE process_heap() {
  static int heap_tag;
  return &heap_tag;
}

void* allocate(SIZE_T size, bool zero) {
  void* p = zero ? std::calloc(size ? size : 1, 1) : std::malloc(size ? size : 1);
  if (!p) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  Blocks& b = blocks();
  std::lock_guard g(b.lock);
  b.sizes[p] = size;
  return p;
}

// A block's requested size, or false for memory the heap did not hand out.
bool size_of(const void* p, SIZE_T* size) {
  Blocks& b = blocks();
  std::lock_guard g(b.lock);
  auto it = b.sizes.find(p);
  if (it == b.sizes.end()) return false;
  *size = it->second;
  return true;
}

// Frees unknown pointers too, so that AddressSanitizer reports a double or wild free.
void release(void* p) {
  {
    Blocks& b = blocks();
    std::lock_guard g(b.lock);
    b.sizes.erase(p);
  }
  std::free(p);
}

void* reallocate(void* p, SIZE_T size, DWORD flags) {
  SIZE_T old_size;
  if (!size_of(p, &old_size)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  if (flags & HEAP_REALLOC_IN_PLACE_ONLY) {
    if (size > old_size) {
      SetLastError(ERROR_NOT_ENOUGH_MEMORY);
      return nullptr;
    }
    Blocks& b = blocks();
    std::lock_guard g(b.lock);
    b.sizes[p] = size;
    return p;
  }
  void* q = allocate(size, false);
  if (!q) return nullptr;
  std::memcpy(q, p, old_size < size ? old_size : size);
  if ((flags & HEAP_ZERO_MEMORY) && size > old_size) std::memset(static_cast<char*>(q) + old_size, 0, size - old_size);
  release(p);
  return q;
}

// Moveable local memory needs LocalLock and handles apart from pointers, which no program here uses.
bool fixed_only(UINT flags) {
  if (!(flags & LMEM_MOVEABLE)) return true;
  SetLastError(ERROR_NOT_SUPPORTED);
  return false;
}

}  // namespace

extern "C" {

HANDLE WINAPI GetProcessHeap(void) { return process_heap(); }

LPVOID WINAPI HeapAlloc(HANDLE, DWORD flags, SIZE_T size) { return allocate(size, flags & HEAP_ZERO_MEMORY); }

LPVOID WINAPI HeapReAlloc(HANDLE, DWORD flags, LPVOID p, SIZE_T size) {
  if (!p) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  return reallocate(p, size, flags);
}

BOOL WINAPI HeapFree(HANDLE, DWORD, LPVOID p) {
  if (p) release(p);
  return TRUE;
}

SIZE_T WINAPI HeapSize(HANDLE, DWORD, LPCVOID p) {
  SIZE_T size;
  if (!p || !size_of(p, &size)) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return SIZE_T(-1);
  }
  return size;
}

HLOCAL WINAPI LocalAlloc(UINT flags, SIZE_T size) {
  return fixed_only(flags) ? allocate(size, flags & LMEM_ZEROINIT) : nullptr;
}

HLOCAL WINAPI LocalFree(HLOCAL p) {
  if (p) release(p);
  return nullptr;
}

}  // extern "C"
