// DialogBox and CreateDialog: from a template in the module's resources or in memory.
#include <windows.h>

#include <optional>

#include "user/dialog_create.h"
#include "user/modal_loop.h"
#include "user/window_tree.h"

namespace {

using namespace platform;
using namespace platform::user;

// Large enough for any template a program builds in memory; the reader stops at its end.
constexpr size_t kInMemoryTemplateLimit = 0x10000;

template <class Char>
std::optional<DialogTemplate> from_resources(HINSTANCE instance, const Char* name) {
  HRSRC found;  // in RT_DIALOG (5)
  if constexpr (sizeof(Char) == 1) found = FindResourceA(instance, name, MAKEINTRESOURCEA(5));
  else found = FindResourceW(instance, name, MAKEINTRESOURCEW(5));
  if (!found) return std::nullopt;
  HGLOBAL loaded = LoadResource(instance, found);
  const void* bytes = loaded ? LockResource(loaded) : nullptr;
  if (!bytes) return std::nullopt;
  std::optional<DialogTemplate> t = parse_dialog_template(bytes, SizeofResource(instance, found));
  if (!t) SetLastError(ERROR_RESOURCE_DATA_NOT_FOUND);
  return t;
}

std::optional<DialogTemplate> from_memory(const DLGTEMPLATE* t) {
  if (!t) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return std::nullopt;
  }
  return parse_dialog_template(t, kInMemoryTemplateLimit);
}

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
  return run_modal(hInstance, from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR WINAPI DialogBoxParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return run_modal(hInstance, from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR WINAPI DialogBoxIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return run_modal(hInstance, from_memory(hDialogTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

INT_PTR WINAPI DialogBoxIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA hDialogTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return run_modal(hInstance, from_memory(hDialogTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogParamW(HINSTANCE hInstance, LPCWSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return modeless(hInstance, from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogParamA(HINSTANCE hInstance, LPCSTR lpTemplateName, HWND hWndParent, DLGPROC lpDialogFunc,
                               LPARAM dwInitParam) {
  return modeless(hInstance, from_resources(hInstance, lpTemplateName), hWndParent, lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogIndirectParamW(HINSTANCE hInstance, LPCDLGTEMPLATEW lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return modeless(hInstance, from_memory(lpTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

HWND WINAPI CreateDialogIndirectParamA(HINSTANCE hInstance, LPCDLGTEMPLATEA lpTemplate, HWND hWndParent,
                                       DLGPROC lpDialogFunc, LPARAM dwInitParam) {
  return modeless(hInstance, from_memory(lpTemplate), hWndParent, lpDialogFunc, dwInitParam);
}

}  // extern "C"
