#include "user/modal_loop.h"

#include "machine/clock.h"
#include "user/dialog_state.h"
#include "user/message_queue.h"

namespace platform::user {

ModalLoop::ModalLoop(HWND dialog, HWND owner) : dialog_(dialog), owner_(owner) {
  if (owner_ && IsWindowEnabled(owner_)) {
    EnableWindow(owner_, FALSE);
    owner_disabled_ = true;
  }
  ShowWindow(dialog_, SW_SHOWNORMAL);
}

ModalLoop::~ModalLoop() {
  if (owner_disabled_ && IsWindow(owner_)) {
    EnableWindow(owner_, TRUE);
    SetActiveWindow(owner_);
  }
  if (IsWindow(dialog_)) DestroyWindow(dialog_);
}

bool ModalLoop::run(DWORD timeout_ms) {
  const int64_t deadline = clock::now_ns() + int64_t(timeout_ms) * 1000000;
  for (;;) {
    DialogState* d = dialog_state(dialog_);
    if (!d) return true;  // destroyed under the loop
    if (d->ended) {
      result_ = d->result;
      return true;
    }
    DWORD left = INFINITE;
    if (timeout_ms != INFINITE) {
      int64_t rest = deadline - clock::now_ns();
      if (rest <= 0) return false;
      left = DWORD((rest + 999999) / 1000000);
    }
    MSG msg;
    if (!current_queue().next(&msg, nullptr, 0, 0, true, left)) continue;
    if (msg.message == WM_QUIT) {
      // The loop ends and leaves WM_QUIT for the thread's own loop.
      PostQuitMessage(int(msg.wParam));
      return true;
    }
    handling_ = &msg;
    if (!IsDialogMessageW(dialog_, &msg)) {
      TranslateMessage(&msg);
      DispatchMessageW(&msg);
    }
    handling_ = nullptr;
  }
}

}  // namespace platform::user

extern "C" BOOL WINAPI EndDialog(HWND hDlg, INT_PTR nResult) {
  using namespace platform::user;
  DialogState* d = dialog_state(hDlg);
  if (!d) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return FALSE;
  }
  d->ended = true;
  d->result = nResult;
  // Wakes the modal loop, which looks at the state after every message.
  PostMessageW(hDlg, WM_NULL, 0, 0);
  return TRUE;
}
