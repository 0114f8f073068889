// The IP address control: four fields of 0..255 (or narrower ranges), each blank or holding a
// value. Its window text is the dotted address, a blank field reading 0.
#include <array>
#include <string>

#include "comctl/control_classes.h"
#include "kernel/out_buffer.h"
#include "user/controls.h"
#include "user/focus.h"
#include "user/update_region.h"
#include "user/window.h"

namespace platform::comctl {
namespace {

constexpr int kFields = 4;
constexpr int kBlank = -1;

struct Field {
  int value = kBlank;
  int low = 0;
  int high = 255;
  std::u16string typed;  // the digits typed since the field was entered
};

struct AddressState : user::ControlState {
  std::array<Field, kFields> fields;
  int current = 0;
};

AddressState& state_of(user::Window& w) { return w.state_as<AddressState>(); }

void sync_text(user::Window& w, const AddressState& s) {
  std::u16string text;
  for (int i = 0; i < kFields; ++i) {
    if (i) text += u'.';
    for (char c : std::to_string(s.fields[i].value == kBlank ? 0 : s.fields[i].value)) text += char16_t(c);
  }
  w.text = text;
}

// Every change of a field shows as EN_CHANGE from the control itself, and on the screen.
void changed(user::Window& w, const AddressState& s) {
  sync_text(w, s);
  user::paint::invalidate_control(w);
  user::controls::notify_parent(w.hwnd, EN_CHANGE);
}

int clamp(const Field& f, int value) {
  if (value == kBlank) return kBlank;
  return value < f.low ? f.low : value > f.high ? f.high : value;
}

// The user leaves field i: its typed digits become its value, the parent may change it.
void commit_field(user::Window& w, AddressState& s, int i) {
  Field& f = s.fields[i];
  int value = f.value;
  if (!f.typed.empty()) value = clamp(f, std::stoi(std::string(f.typed.begin(), f.typed.end())));
  f.typed.clear();
  NMIPADDRESS nm{};
  nm.iField = i;
  nm.iValue = value;
  notify(w.hwnd, IPN_FIELDCHANGED, &nm.hdr);
  int final_value = nm.iValue < 0 ? kBlank : clamp(f, nm.iValue);
  if (final_value != f.value) {
    f.value = final_value;
    changed(w, s);
  } else {
    sync_text(w, s);
  }
}

void move_to_field(user::Window& w, AddressState& s, int next) {
  commit_field(w, s, s.current);
  s.current = next < kFields ? next : kFields - 1;
}

void type_char(user::Window& w, AddressState& s, char16_t c) {
  Field& f = s.fields[s.current];
  if (c >= u'0' && c <= u'9') {
    if (f.typed.size() >= 3) return;
    f.typed += c;
    f.value = std::stoi(std::string(f.typed.begin(), f.typed.end()));  // shown as typed
    changed(w, s);
    if (f.typed.size() == 3 && s.current + 1 < kFields) move_to_field(w, s, s.current + 1);
  } else if ((c == u'.' || c == u' ') && !f.typed.empty() && s.current + 1 < kFields) {
    move_to_field(w, s, s.current + 1);
  } else if (c == 0x08 && !f.typed.empty()) {
    f.typed.pop_back();
    f.value = f.typed.empty() ? kBlank : std::stoi(std::string(f.typed.begin(), f.typed.end()));
    changed(w, s);
  }
}

// "a.b.c.d": each part a number (clamped to its field's range) or empty for a blank field.
void set_text(user::Window& w, AddressState& s, const std::u16string& text) {
  size_t start = 0;
  for (int i = 0; i < kFields; ++i) {
    Field& f = s.fields[i];
    f.typed.clear();
    f.value = kBlank;
    if (start > text.size()) continue;
    size_t dot = text.find(u'.', start);
    std::u16string part = text.substr(start, dot == std::u16string::npos ? std::u16string::npos : dot - start);
    start = dot == std::u16string::npos ? text.size() + 1 : dot + 1;
    int value = kBlank;
    for (char16_t c : part)
      if (c >= u'0' && c <= u'9') value = std::min((value == kBlank ? 0 : value) * 10 + (c - u'0'), 999);
    f.value = clamp(f, value);
  }
  changed(w, s);
}

void set_address(user::Window& w, AddressState& s, DWORD address) {
  for (int i = 0; i < kFields; ++i) {
    s.fields[i].typed.clear();
    s.fields[i].value = clamp(s.fields[i], int((address >> (8 * (3 - i))) & 0xFF));
  }
  changed(w, s);
}

// The number of fields that are not blank; blank ones count as 0 in the address.
LRESULT get_address(const AddressState& s, DWORD* out) {
  DWORD address = 0;
  int filled = 0;
  for (const Field& f : s.fields) {
    address = (address << 8) | DWORD(f.value == kBlank ? 0 : f.value);
    filled += f.value != kBlank;
  }
  if (out) *out = address;
  return filled;
}

bool is_blank(const AddressState& s) {
  for (const Field& f : s.fields)
    if (f.value != kBlank) return false;
  return true;
}

}  // namespace

LRESULT CALLBACK ip_address_proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  user::WindowPtr w = user::find_window(hwnd);
  if (!w) return 0;
  AddressState& s = state_of(*w);
  switch (msg) {
    case WM_CREATE:
      sync_text(*w, s);
      return 0;
    case WM_GETDLGCODE: return DLGC_WANTCHARS | DLGC_WANTARROWS;
    case WM_SETTEXT:
      set_text(*w, s, out::in(reinterpret_cast<LPCWSTR>(lp)));
      return TRUE;
    case WM_CHAR:
      type_char(*w, s, char16_t(wp));
      return 0;
    case WM_ENABLE:
      user::paint::invalidate_control(*w);  // a disabled control is grey
      return 0;
    case WM_KILLFOCUS:
      // Leaving the control ends the field the user was typing in.
      if (!s.fields[s.current].typed.empty()) commit_field(*w, s, s.current);
      return 0;
    case IPM_SETADDRESS:
      set_address(*w, s, DWORD(lp));
      return 0;
    case IPM_GETADDRESS: return get_address(s, reinterpret_cast<DWORD*>(lp));
    case IPM_CLEARADDRESS:
      for (Field& f : s.fields) f = Field{kBlank, f.low, f.high, {}};
      s.current = 0;
      changed(*w, s);
      return 0;
    case IPM_ISBLANK: return is_blank(s);
    case IPM_SETRANGE: {
      if (wp >= kFields) return FALSE;
      Field& f = s.fields[wp];
      f.low = LOBYTE(LOWORD(lp));
      f.high = HIBYTE(LOWORD(lp));
      f.value = clamp(f, f.value);
      sync_text(*w, s);
      return TRUE;
    }
    case IPM_SETFOCUS: {
      // Past the last field: the first blank one.
      int field = int(wp);
      if (wp >= kFields) {
        field = 0;
        while (field < kFields - 1 && s.fields[field].value != kBlank) ++field;
      }
      s.current = field;
      user::focus::set(hwnd);
      return 0;
    }
    default: return DefWindowProcW(hwnd, msg, wp, lp);
  }
}

void type_address(HWND control, const std::u16string& text) {
  SendMessageW(control, IPM_CLEARADDRESS, 0, 0);
  SendMessageW(control, IPM_SETFOCUS, 0, 0);
  for (char16_t c : text) SendMessageW(control, WM_CHAR, c, 1);
  if (user::WindowPtr w = user::find_window(control)) commit_field(*w, state_of(*w), state_of(*w).current);
}

}  // namespace platform::comctl
