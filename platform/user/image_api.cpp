// LoadBitmap and LoadImage: bitmaps from a module's resources or from a .bmp file; icons and
// cursors as LoadIcon and LoadCursor give them.
#include <windows.h>

#include <vector>

#include "gdi/dib.h"
#include "kernel/text.h"
#include "user/icons.h"

using namespace platform;

namespace {

constexpr size_t kFileHeader = 14;  // BITMAPFILEHEADER before the packed DIB

HBITMAP bitmap_resource(HINSTANCE instance, LPCWSTR name) {
  HRSRC found = FindResourceW(instance, name, MAKEINTRESOURCEW(2));  // RT_BITMAP
  if (!found) return nullptr;
  HGLOBAL loaded = LoadResource(instance, found);
  auto bytes = static_cast<const uint8_t*>(LockResource(loaded));
  HBITMAP bitmap = gdi::bitmap_from_packed_dib(bytes, SizeofResource(instance, found));
  if (!bitmap) SetLastError(ERROR_INVALID_DATA);
  return bitmap;
}

HBITMAP bitmap_file(LPCWSTR path) {
  HANDLE file = CreateFileW(path, GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return nullptr;
  std::vector<uint8_t> bytes(GetFileSize(file, nullptr));
  DWORD read = 0;
  bool ok = ReadFile(file, bytes.data(), DWORD(bytes.size()), &read, nullptr) && read == bytes.size();
  CloseHandle(file);
  if (!ok || bytes.size() <= kFileHeader || bytes[0] != 'B' || bytes[1] != 'M') {
    SetLastError(ERROR_INVALID_DATA);
    return nullptr;
  }
  return gdi::bitmap_from_packed_dib(bytes.data() + kFileHeader, bytes.size() - kFileHeader);
}

}  // namespace

extern "C" {

HBITMAP WINAPI LoadBitmapW(HINSTANCE hInstance, LPCWSTR lpBitmapName) { return bitmap_resource(hInstance, lpBitmapName); }

HBITMAP WINAPI LoadBitmapA(HINSTANCE hInstance, LPCSTR lpBitmapName) {
  if (IS_INTRESOURCE(lpBitmapName)) return LoadBitmapW(hInstance, reinterpret_cast<LPCWSTR>(lpBitmapName));
  std::u16string name = text::from_ansi(lpBitmapName);
  return LoadBitmapW(hInstance, text::wide(name));
}

// An icon of 0 x 0 is the group's first image at its size, unless LR_DEFAULTSIZE asks for
// SM_CXICON x SM_CYICON.
HANDLE WINAPI LoadImageW(HINSTANCE hInst, LPCWSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  int standard = (fuLoad & LR_DEFAULTSIZE) ? GetSystemMetrics(SM_CXICON) : 0;
  switch (type) {
    case IMAGE_BITMAP: return (fuLoad & LR_LOADFROMFILE) ? bitmap_file(name) : bitmap_resource(hInst, name);
    case IMAGE_ICON: return user::icons::load(hInst, name, cx ? cx : standard, cy ? cy : standard, fuLoad & LR_SHARED);
    case IMAGE_CURSOR: return LoadCursorW(hInst, name);
    default:
      SetLastError(ERROR_INVALID_PARAMETER);
      return nullptr;
  }
}

HANDLE WINAPI LoadImageA(HINSTANCE hInst, LPCSTR name, UINT type, int cx, int cy, UINT fuLoad) {
  if (IS_INTRESOURCE(name)) return LoadImageW(hInst, reinterpret_cast<LPCWSTR>(name), type, cx, cy, fuLoad);
  std::u16string wide = text::from_ansi(name);
  return LoadImageW(hInst, text::wide(wide), type, cx, cy, fuLoad);
}

}  // extern "C"
