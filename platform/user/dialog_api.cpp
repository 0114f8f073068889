// DialogBox and CreateDialog: from a template in the module's resources or in memory.
#include <windows.h>

#include <optional>

#include "user/dialog_create.h"
#include "user/dialog_source.h"
#include "user/modal_loop.h"
#include "user/window_tree.h"

namespace {

using namespace platform;
using namespace platform::user;

INT_PTR run_modal(HINSTANCE instance, const std::optional<DialogTemplate>& t, HWND owner, DLGPROC proc,
                  LPARAM param) {
  if (!t) return -1;
  // A child window cannot own a dialog: its top-level window does.
  HWND top_owner = owner ? tree::root_of(owner) : nullptr;
  if (owner && !top_owner) {
    SetLastError(ERROR_INVALID_WINDOW_HANDLE);
    return -1;
  }
  HWND dlg = create_dialog(instance, *t, top_owner, proc, param);
  if (!dlg) return -1;
  ModalLoop loop(dlg, top_owner);
  loop.run();
  return loop.result();
}

HWND modeless(HINSTANCE instance, const std::optional<DialogTemplate>& t, HWND owner, DLGPROC proc, LPARAM param) {
  if (!t) return nullptr;
  return create_dialog(instance, *t, owner, proc, param);
}

}  // namespace

extern "C" {

INT_PTR WINAPI DialogBoxParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return run_modal(hInstance, dialog_from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc,
                   dwInitParam);
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return run_modal(hInstance, dialog_from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc,
                   dwInitParam);
}

INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return run_modal(hInstance, dialog_from_memory(hDialogTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return run_modal(hInstance, dialog_from_memory(hDialogTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return modeless(hInstance, dialog_from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc,
                  dwInitParam);
}

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return modeless(hInstance, dialog_from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc,
                  dwInitParam);
}

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return modeless(hInstance, dialog_from_memory(lpTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return modeless(hInstance, dialog_from_memory(lpTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

}  // extern "C"
