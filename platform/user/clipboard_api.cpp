// The clipboard's functions. The contents live in the machine database; the handles a process
// puts there or gets from there stay the clipboard's, valid in that process until the contents
// change again, and the clipboard frees them.
#include <cstring>
#include <map>
#include <mutex>

#include "user/clipboard.h"
#include "user/clipboard_store.h"
#include "user/window.h"

namespace {

using namespace platform::user;

// The handles of this process that the clipboard holds, by format, with the contents' sequence
// number they belong to.
struct HeldHandle {
  HGLOBAL handle = nullptr;
  DWORD sequence = 0;
};

struct HeldHandles {
  std::mutex lock;
  std::map<UINT, HeldHandle> by_format;
};

HeldHandles& held() {
  static HeldHandles* h = new HeldHandles;  // handed-out handles stay valid until the process ends
  return *h;
}

void hold(UINT format, HGLOBAL handle, DWORD sequence) {
  HeldHandles& h = held();
  std::lock_guard g(h.lock);
  HeldHandle& slot = h.by_format[format];
  if (slot.handle && slot.handle != handle) GlobalFree(slot.handle);
  slot = {handle, sequence};
}

void release_all() {
  HeldHandles& h = held();
  std::lock_guard g(h.lock);
  for (auto& [format, slot] : h.by_format) GlobalFree(slot.handle);
  h.by_format.clear();
}

HGLOBAL held_handle(UINT format, DWORD sequence) {
  HeldHandles& h = held();
  std::lock_guard g(h.lock);
  auto it = h.by_format.find(format);
  return it != h.by_format.end() && it->second.sequence == sequence ? it->second.handle : nullptr;
}

std::string bytes_of(HGLOBAL handle) {
  SIZE_T size = GlobalSize(handle);
  const void* data = GlobalLock(handle);
  std::string bytes(data ? static_cast<const char*>(data) : "", data ? size : 0);
  if (data) GlobalUnlock(handle);
  return bytes;
}

HGLOBAL handle_of(const std::string& bytes) {
  HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
  if (!handle) return nullptr;
  std::memcpy(GlobalLock(handle), bytes.data(), bytes.size());
  GlobalUnlock(handle);
  return handle;
}

bool require_open() {
  if (clipboard::open_here()) return true;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return false;
}

}  // namespace

namespace platform::user::clipboard {

bool copy_text(HWND owner, std::u16string_view text) {
  std::u16string lines;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == u'\r' || text[i] == u'\n') {
      if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
      lines += u"\r\n";
    } else {
      lines += text[i];
    }
  }
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  HGLOBAL handle = handle_of(unicode_bytes(lines));
  if (handle && !SetClipboardData(CF_UNICODETEXT, handle)) GlobalFree(handle);
  CloseClipboard();
  return true;
}

}  // namespace platform::user::clipboard

extern "C" {

BOOL WINAPI OpenClipboard(HWND hWndNewOwner) {
  if (hWndNewOwner && !window_of(hWndNewOwner)) return FALSE;
  if (clipboard::open(hWndNewOwner)) return TRUE;
  SetLastError(ERROR_ACCESS_DENIED);
  return FALSE;
}

BOOL WINAPI CloseClipboard(void) {
  if (clipboard::close()) return TRUE;
  SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
  return FALSE;
}

BOOL WINAPI EmptyClipboard(void) {
  if (!require_open()) return FALSE;
  clipboard::empty();
  release_all();
  return TRUE;
}

// Data comes as a moveable block; the clipboard keeps a copy for the other processes. Opened
// for no window and emptied, the clipboard has no owner and takes no data.
HANDLE WINAPI SetClipboardData(UINT uFormat, HANDLE hMem) {
  if (!require_open()) return nullptr;
  if (!clipboard::open_window() && !clipboard::owner()) {
    SetLastError(ERROR_CLIPBOARD_NOT_OPEN);
    return nullptr;
  }
  if (!hMem) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  clipboard::put(uFormat, bytes_of(hMem));
  hold(uFormat, hMem, clipboard::sequence());
  return hMem;
}

HANDLE WINAPI GetClipboardData(UINT uFormat) {
  if (!require_open()) return nullptr;
  DWORD sequence = clipboard::sequence();
  if (HGLOBAL handle = held_handle(uFormat, sequence)) return handle;
  std::optional<std::string> bytes = clipboard::render(clipboard::contents(), uFormat);
  if (!bytes) return nullptr;
  HGLOBAL handle = handle_of(*bytes);
  if (handle) hold(uFormat, handle, sequence);
  return handle;
}

BOOL WINAPI IsClipboardFormatAvailable(UINT format) {
  return clipboard::render(clipboard::contents(), format).has_value();
}

int WINAPI CountClipboardFormats(void) { return int(clipboard::available(clipboard::contents()).size()); }

HWND WINAPI GetClipboardOwner(void) { return clipboard::owner(); }
HWND WINAPI GetOpenClipboardWindow(void) { return clipboard::open_window(); }
DWORD WINAPI GetClipboardSequenceNumber(void) { return clipboard::sequence(); }

}  // extern "C"
