#include "user/dialog_state.h"

namespace platform::user {

DialogState* dialog_state(HWND dialog) {
  WindowPtr w = find_window(dialog);
  return w ? dynamic_cast<DialogState*>(w->state.get()) : nullptr;
}

}  // namespace platform::user
