// Property sheet pages: the page record's copy behind HPROPSHEETPAGE, its template, its window.
#include <algorithm>
#include <cstring>

#include "comctl/property_sheet.h"
#include "kernel/text.h"
#include "user/dialog_create.h"
#include "user/dialog_source.h"

namespace platform::comctl::sheet {
namespace {

// The styles a page's template loses and gains: it becomes a control-parent child of the sheet.
constexpr DWORD kTopLevelStyles =
    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_VISIBLE | WS_DISABLED |
    DS_MODALFRAME | DS_CENTER | DS_ABSALIGN | DS_SYSMODAL | DS_CONTEXTHELP;
constexpr DWORD kPageStyles = WS_CHILD | DS_CONTROL | DS_3DLOOK;

void call_back(PROPSHEETPAGEW& psp, UINT msg) {
  if ((psp.dwFlags & PSP_USECALLBACK) && psp.pfnCallback) psp.pfnCallback(nullptr, msg, &psp);
}

}  // namespace

HPROPSHEETPAGE make_page(const PROPSHEETPAGEW* record) {
  if (!record || record->dwSize < PROPSHEETPAGEW_V1_SIZE) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return nullptr;
  }
  auto page = std::make_unique<_PSP>();
  page->record.resize(std::max<size_t>(record->dwSize, sizeof(PROPSHEETPAGEW)));
  std::memcpy(page->record.data(), record, record->dwSize);
  PROPSHEETPAGEW& psp = page->psp();
  if ((psp.dwFlags & PSP_USEREFPARENT) && psp.pcRefParent) ++*psp.pcRefParent;
  call_back(psp, PSPCB_ADDREF);
  return page.release();
}

void release_page(HPROPSHEETPAGE page) {
  if (!page) return;
  if (page->window && IsWindow(page->window)) DestroyWindow(page->window);
  PROPSHEETPAGEW& psp = page->psp();
  call_back(psp, PSPCB_RELEASE);
  if ((psp.dwFlags & PSP_USEREFPARENT) && psp.pcRefParent) --*psp.pcRefParent;
  delete page;
}

std::optional<user::DialogTemplate> page_template(HPROPSHEETPAGE page) {
  const PROPSHEETPAGEW& psp = page->psp();
  if (psp.dwFlags & PSP_DLGINDIRECT) return user::dialog_from_memory(psp.pResource);
  return user::dialog_from_resources(psp.hInstance, psp.pszTemplate);
}

HWND page_window(HPROPSHEETPAGE page, HWND sheet, const RECT& area) {
  if (page->window && IsWindow(page->window)) return page->window;
  PROPSHEETPAGEW& psp = page->psp();
  if ((psp.dwFlags & PSP_USECALLBACK) && psp.pfnCallback && !psp.pfnCallback(nullptr, PSPCB_CREATE, &psp))
    return nullptr;
  std::optional<user::DialogTemplate> t = page_template(page);
  if (!t) return nullptr;
  t->style = (t->style & ~kTopLevelStyles) | kPageStyles;
  t->x = t->y = 0;
  HWND window = user::create_dialog(psp.hInstance, *t, sheet, psp.pfnDlgProc, reinterpret_cast<LPARAM>(&psp));
  if (!window) return nullptr;
  page->window = window;
  SetWindowPos(window, HWND_TOP, area.left, area.top, area.right - area.left, area.bottom - area.top,
               SWP_NOACTIVATE);
  return window;
}

bool page_named(HPROPSHEETPAGE page, LRESULT name) {
  const PROPSHEETPAGEW& psp = page->psp();
  const void* own = (psp.dwFlags & PSP_DLGINDIRECT) ? static_cast<const void*>(psp.pResource)
                                                    : static_cast<const void*>(psp.pszTemplate);
  return name == reinterpret_cast<LRESULT>(own);
}

std::u16string text_or_resource(HINSTANCE instance, LPCWSTR text) {
  if (!text) return {};
  if (!IS_INTRESOURCE(text)) return text::from_wide(text);
  const WCHAR* found = nullptr;
  int length = LoadStringW(instance, UINT(reinterpret_cast<ULONG_PTR>(text)), reinterpret_cast<LPWSTR>(&found), 0);
  return length > 0 ? text::from_wide(found, size_t(length)) : std::u16string();
}

std::u16string page_title(HPROPSHEETPAGE page) {
  const PROPSHEETPAGEW& psp = page->psp();
  if (psp.dwFlags & PSP_USETITLE) return text_or_resource(psp.hInstance, psp.pszTitle);
  std::optional<user::DialogTemplate> t = page_template(page);
  return t ? t->title : std::u16string();
}

}  // namespace platform::comctl::sheet

using namespace platform::comctl;

extern "C" {

HPROPSHEETPAGE WINAPI CreatePropertySheetPageW(LPCPROPSHEETPAGEW constPropSheetPagePointer) {
  return sheet::make_page(constPropSheetPagePointer);
}

BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPage) {
  if (!hPage) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return FALSE;
  }
  sheet::release_page(hPage);
  return TRUE;
}

}  // extern "C"
