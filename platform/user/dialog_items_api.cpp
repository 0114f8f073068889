// The dialog's controls by id: texts, numbers, check states, messages.
#include <windows.h>

#include <string>

#include "kernel/out_buffer.h"
#include "user/deliver.h"

using namespace platform;
using namespace platform::user;

namespace {

// Reads an integer as GetDlgItemInt does: blanks, an optional minus sign (signed only), digits,
// nothing after them; false when that is not what the text holds or it does not fit.
bool parse_int(const std::u16string& text, bool is_signed, UINT* value) {
  size_t i = 0;
  while (i < text.size() && text[i] == u' ') ++i;
  bool negative = is_signed && i < text.size() && text[i] == u'-';
  if (negative) ++i;
  if (i == text.size()) return false;
  unsigned long long n = 0;
  for (; i < text.size(); ++i) {
    if (text[i] < u'0' || text[i] > u'9') return false;
    n = n * 10 + (text[i] - u'0');
    if (n > (is_signed ? 0x80000000ull : 0xFFFFFFFFull)) return false;
  }
  if (is_signed && !negative && n > 0x7FFFFFFF) return false;
  *value = negative ? UINT(-(long long)n) : UINT(n);
  return true;
}

std::u16string text_of(HWND control) {
  int length = GetWindowTextLengthW(control);
  std::u16string buffer(size_t(length) + 1, u'\0');
  int got = GetWindowTextW(control, reinterpret_cast<LPWSTR>(buffer.data()), length + 1);
  buffer.resize(size_t(got));
  return buffer;
}

// A missing item reads as an empty text, written into the buffer where there is room.
template <class Char, class GetText>
UINT item_text(HWND dlg, int id, Char* buffer, int size, GetText get_text) {
  HWND item = GetDlgItem(dlg, id);
  if (!item) {
    if (buffer && size > 0) buffer[0] = 0;
    return 0;
  }
  return UINT(get_text(item, buffer, size));
}

}  // namespace

extern "C" {

HWND WINAPI GetDlgItem(HWND hDlg, int nIDDlgItem) {
  WindowPtr d = window_of(hDlg);
  if (!d) return nullptr;
  for (HWND child : d->children) {
    WindowPtr c = find_window(child);
    if (c && int(c->id) == nIDDlgItem) return child;
  }
  SetLastError(ERROR_CONTROL_ID_NOT_FOUND);
  return nullptr;
}

int WINAPI GetDlgCtrlID(HWND hWnd) {
  WindowPtr w = window_of(hWnd);
  return w && w->parent ? int(w->id) : 0;
}

UINT WINAPI GetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPWSTR lpString, int cchMax) {
  return item_text(hDlg, nIDDlgItem, lpString, cchMax, GetWindowTextW);
}

UINT WINAPI GetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPSTR lpString, int cchMax) {
  return item_text(hDlg, nIDDlgItem, lpString, cchMax, GetWindowTextA);
}

BOOL WINAPI SetDlgItemTextW(HWND hDlg, int nIDDlgItem, LPCWSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item && SetWindowTextW(item, lpString);
}

BOOL WINAPI SetDlgItemTextA(HWND hDlg, int nIDDlgItem, LPCSTR lpString) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item && SetWindowTextA(item, lpString);
}

UINT WINAPI GetDlgItemInt(HWND hDlg, int nIDDlgItem, BOOL* lpTranslated, BOOL bSigned) {
  if (lpTranslated) *lpTranslated = FALSE;
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  UINT value = 0;
  if (!item || !parse_int(text_of(item), bSigned, &value)) return 0;
  if (lpTranslated) *lpTranslated = TRUE;
  return value;
}

BOOL WINAPI SetDlgItemInt(HWND hDlg, int nIDDlgItem, UINT uValue, BOOL bSigned) {
  std::string digits = bSigned ? std::to_string(int(uValue)) : std::to_string(uValue);
  std::u16string wide(digits.begin(), digits.end());
  return SetDlgItemTextW(hDlg, nIDDlgItem, text::wide(wide));
}

LRESULT WINAPI SendDlgItemMessageW(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? send(item, Msg, wParam, lParam, true) : 0;
}

LRESULT WINAPI SendDlgItemMessageA(HWND hDlg, int nIDDlgItem, UINT Msg, WPARAM wParam, LPARAM lParam) {
  HWND item = GetDlgItem(hDlg, nIDDlgItem);
  return item ? send(item, Msg, wParam, lParam, false) : 0;
}

BOOL WINAPI CheckDlgButton(HWND hDlg, int nIDButton, UINT uCheck) {
  HWND item = GetDlgItem(hDlg, nIDButton);
  if (!item) return FALSE;
  send(item, BM_SETCHECK, uCheck, 0);
  return TRUE;
}

UINT WINAPI IsDlgButtonChecked(HWND hDlg, int nIDButton) {
  HWND item = GetDlgItem(hDlg, nIDButton);
  return item ? UINT(send(item, BM_GETCHECK, 0, 0)) : 0;
}

BOOL WINAPI CheckRadioButton(HWND hDlg, int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  if (!window_of(hDlg)) return FALSE;
  for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
    if (HWND item = GetDlgItem(hDlg, id)) send(item, BM_SETCHECK, id == nIDCheckButton ? BST_CHECKED : BST_UNCHECKED, 0);
  SetLastError(0);
  return TRUE;
}

}  // extern "C"
