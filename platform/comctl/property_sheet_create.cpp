// PropertySheet: the header's pages, the sheet's window and, unless PSH_MODELESS, its modal loop.
#include <windows.h>

#include "comctl/property_sheet.h"
#include "user/dialog_create.h"
#include "user/modal_loop.h"
#include "user/window_tree.h"

namespace platform::comctl::sheet {
namespace {

// The header's pages: records back to back, each as long as its dwSize, or handles.
bool take_pages(Sheet& s, const PROPSHEETHEADERW& h) {
  if (h.nPages && !h.phpage) return false;
  const auto* at = reinterpret_cast<const BYTE*>(h.ppsp);
  for (UINT i = 0; i < h.nPages; ++i) {
    HPROPSHEETPAGE page;
    if (h.dwFlags & PSH_PROPSHEETPAGE) {
      const auto* record = reinterpret_cast<const PROPSHEETPAGEW*>(at);
      page = make_page(record);
      if (page) at += record->dwSize;
    } else {
      page = h.phpage[i];
    }
    if (!page) return false;
    s.pages.push_back(page);
  }
  return true;
}

int start_page(const Sheet& s, const PROPSHEETHEADERW& h) {
  if (!(h.dwFlags & PSH_USEPSTARTPAGE)) return h.nStartPage < UINT(s.count()) ? int(h.nStartPage) : 0;
  std::u16string wanted = text_or_resource(h.hInstance, h.pStartPage);
  for (int i = 0; i < s.count(); ++i)
    if (page_title(s.pages[size_t(i)]) == wanted) return i;
  return 0;
}

// PSCB_PRECREATE: the program may change the sheet's styles in its template's header.
void let_program_restyle(const Sheet& s, user::DialogTemplate& t) {
  struct {
    DLGTEMPLATE header;
    WORD menu_class_title[3];
  } bytes{};
  bytes.header.style = t.style;
  bytes.header.dwExtendedStyle = t.exstyle;
  bytes.header.cx = t.cx;
  bytes.header.cy = t.cy;
  s.callback(nullptr, PSCB_PRECREATE, reinterpret_cast<LPARAM>(&bytes));
  t.style = bytes.header.style | DS_SETFONT;
  t.exstyle = bytes.header.dwExtendedStyle;
}

INT_PTR fail(DWORD error) {
  SetLastError(error);
  return -1;
}

}  // namespace
}  // namespace platform::comctl::sheet

using namespace platform;
using namespace platform::comctl::sheet;

extern "C" INT_PTR WINAPI PropertySheetW(LPCPROPSHEETHEADERW lppsph) {
  if (!lppsph || (lppsph->dwSize != PROPSHEETHEADERW_V1_SIZE && lppsph->dwSize != PROPSHEETHEADERW_V2_SIZE))
    return fail(ERROR_INVALID_PARAMETER);
  const PROPSHEETHEADERW& h = *lppsph;
  // More pages than a sheet holds fails without saying why.
  if (h.nPages >= MAXPROPPAGES) return fail(0);
  auto s = std::make_shared<Sheet>();
  s->flags = h.dwFlags;
  s->instance = h.hInstance;
  s->callback = (h.dwFlags & PSH_USECALLBACK) ? h.pfnCallback : nullptr;
  s->caption = text_or_resource(h.hInstance, h.pszCaption);
  if (h.dwFlags & PSH_PROPTITLE) s->caption = u"Properties for " + s->caption;
  if (!take_pages(*s, h)) return fail(ERROR_INVALID_PARAMETER);
  s->start = start_page(*s, h);
  // A first page with help shows the Help button as PSH_HASHELP does.
  for (HPROPSHEETPAGE page : s->pages)
    if (page->psp().dwFlags & PSP_HASHELP) s->flags |= PSH_HASHELP;

  std::vector<user::DialogTemplate> templates;
  for (HPROPSHEETPAGE page : s->pages) {
    std::optional<user::DialogTemplate> t = page_template(page);
    if (!t) return fail(ERROR_RESOURCE_DATA_NOT_FOUND);
    templates.push_back(std::move(*t));
  }
  s->page_area = page_area_units(*s, templates);
  user::DialogTemplate t = sheet_template(*s, templates);
  if (s->callback) let_program_restyle(*s, t);

  HWND owner = h.hwndParent ? user::tree::root_of(h.hwndParent) : nullptr;
  HWND hwnd = user::create_dialog(h.hInstance, t, owner, sheet_proc, reinterpret_cast<LPARAM>(&s));
  if (!hwnd) return -1;
  if (h.dwFlags & PSH_MODELESS) {
    ShowWindow(hwnd, SW_SHOWNORMAL);
    focus_page(*s);
    return reinterpret_cast<INT_PTR>(hwnd);
  }
  user::ModalLoop loop(hwnd, owner);
  focus_page(*s);
  loop.run();
  return loop.result();
}
