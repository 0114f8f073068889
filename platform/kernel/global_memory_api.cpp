// GlobalAlloc and the rest of the global memory functions. Fixed memory is the heap's own block
// (its handle is its address); a moveable block is reached through a handle that is no address
// (its low bits are never those of a heap block) and GlobalLock, which counts its locks.
#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unordered_map>

#include <windows.h>

namespace {

struct Moveable {
  void* data = nullptr;
  SIZE_T size = 0;
  unsigned locks = 0;
};

struct MoveableTable {
  std::mutex lock;
  std::unordered_map<uintptr_t, Moveable> blocks;
  uintptr_t next_id = 1;
};

MoveableTable& table() {
  static MoveableTable* t = new MoveableTable;  // used until the last static destructor has run
  return *t;
}

// Heap blocks are aligned to 16 bytes; a moveable handle has 8 in its low bits.
constexpr uintptr_t kMoveableMark = 0x8;
bool is_moveable_handle(HGLOBAL h) { return (reinterpret_cast<uintptr_t>(h) & 0xF) == kMoveableMark; }

HGLOBAL allocate_moveable(SIZE_T size, bool zero) {
  void* data = zero ? std::calloc(size ? size : 1, 1) : std::malloc(size ? size : 1);
  if (!data) {
    SetLastError(ERROR_NOT_ENOUGH_MEMORY);
    return nullptr;
  }
  MoveableTable& t = table();
  std::lock_guard g(t.lock);
  uintptr_t value = (t.next_id++ << 4) | kMoveableMark;
  t.blocks[value] = Moveable{data, size, 0};
  return reinterpret_cast<HGLOBAL>(value);
}

// Runs `use` on the moveable block of `h` under the table's lock; ERROR_INVALID_HANDLE when
// there is none.
template <class Use>
bool with_moveable(HGLOBAL h, Use use) {
  MoveableTable& t = table();
  std::lock_guard g(t.lock);
  auto it = t.blocks.find(reinterpret_cast<uintptr_t>(h));
  if (it == t.blocks.end()) {
    SetLastError(ERROR_INVALID_HANDLE);
    return false;
  }
  use(it->second);
  return true;
}

}  // namespace

extern "C" {

HGLOBAL WINAPI GlobalAlloc(UINT flags, SIZE_T size) {
  if (flags & GMEM_MOVEABLE) return allocate_moveable(size, flags & GMEM_ZEROINIT);
  return HeapAlloc(GetProcessHeap(), (flags & GMEM_ZEROINIT) ? HEAP_ZERO_MEMORY : 0, size);
}

// Null on success; the handle itself when it was not one.
HGLOBAL WINAPI GlobalFree(HGLOBAL h) {
  if (!h) return nullptr;
  if (!is_moveable_handle(h)) {
    HeapFree(GetProcessHeap(), 0, h);
    return nullptr;
  }
  void* data = nullptr;
  {
    MoveableTable& t = table();
    std::lock_guard g(t.lock);
    auto it = t.blocks.find(reinterpret_cast<uintptr_t>(h));
    if (it == t.blocks.end()) {
      SetLastError(ERROR_INVALID_HANDLE);
      return h;
    }
    data = it->second.data;
    t.blocks.erase(it);
  }
  std::free(data);
  return nullptr;
}

LPVOID WINAPI GlobalLock(HGLOBAL h) {
  if (!h) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (!is_moveable_handle(h)) return h;
  void* data = nullptr;
  with_moveable(h, [&](Moveable& m) {
    ++m.locks;
    data = m.data;
  });
  return data;
}

// Nonzero while the block stays locked; zero with NO_ERROR once its last lock is gone.
BOOL WINAPI GlobalUnlock(HGLOBAL h) {
  if (!h) {
    SetLastError(ERROR_INVALID_HANDLE);
    return FALSE;
  }
  if (!is_moveable_handle(h)) return TRUE;
  BOOL still_locked = FALSE;
  with_moveable(h, [&](Moveable& m) {
    if (m.locks == 0) {
      SetLastError(ERROR_NOT_LOCKED);
      return;
    }
    still_locked = --m.locks > 0;
    if (!still_locked) SetLastError(NO_ERROR);
  });
  return still_locked;
}

SIZE_T WINAPI GlobalSize(HGLOBAL h) {
  if (!h) {
    SetLastError(ERROR_INVALID_HANDLE);
    return 0;
  }
  if (!is_moveable_handle(h)) {
    SIZE_T size = HeapSize(GetProcessHeap(), 0, h);
    return size == SIZE_T(-1) ? 0 : size;
  }
  SIZE_T size = 0;
  with_moveable(h, [&](Moveable& m) { size = m.size; });
  return size;
}

}  // extern "C"
