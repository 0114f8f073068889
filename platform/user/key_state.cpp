#include "user/key_state.h"

#include <bitset>

namespace platform::user::keys {
namespace {

std::bitset<256>& down() {
  thread_local std::bitset<256> keys;
  return keys;
}

}  // namespace

void set_down(UINT vk, bool is_down) {
  if (vk < 256) down()[vk] = is_down;
}

void note(const MSG* msg) {
  if (msg->message == WM_KEYDOWN) set_down(UINT(msg->wParam), true);
  if (msg->message == WM_KEYUP) set_down(UINT(msg->wParam), false);
}

SHORT state(int vk) { return vk >= 0 && vk < 256 && down()[size_t(vk)] ? SHORT(0x8000) : 0; }

WCHAR character(UINT vk) {
  bool shift = state(VK_SHIFT) < 0;
  if (vk >= 'A' && vk <= 'Z') return WCHAR(shift ? vk : vk - 'A' + 'a');
  if (vk >= '0' && vk <= '9') return WCHAR(vk);
  switch (vk) {
    case VK_RETURN: return L'\r';
    case VK_ESCAPE: return 0x1B;
    case VK_TAB: return L'\t';
    case VK_BACK: return 0x08;
    case VK_SPACE: return L' ';
    default: return 0;
  }
}

}  // namespace platform::user::keys
