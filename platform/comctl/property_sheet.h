// Property sheets: the sheet window (a dialog holding one page at a time and the sheet's buttons),
// the pages behind HPROPSHEETPAGE, and what the sheet's files share.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "user/dialog_template.h"

// A page handle's object: the sheet's own copy of the program's page record (WM_INITDIALOG and
// the page callback get a pointer to it) and the page's window once it is made.
struct _PSP {
  std::vector<std::byte> record;  // the program's dwSize bytes, zero-filled up to the current version
  HWND window = nullptr;
  PROPSHEETPAGEW& psp() { return *reinterpret_cast<PROPSHEETPAGEW*>(record.data()); }
};

namespace platform::comctl::sheet {

// The buttons' ids: the wizard's as the class framework numbers them, the others as Windows does.
constexpr int kApplyNowId = 0x3021;
constexpr int kBackId = 0x3023;
constexpr int kNextId = 0x3024;
constexpr int kFinishId = 0x3025;
constexpr int kSeparatorId = 0x3026;

struct Sheet {
  HWND hwnd = nullptr;
  DWORD flags = 0;  // PSH_*
  HINSTANCE instance = nullptr;
  PFNPROPSHEETCALLBACK callback = nullptr;
  std::u16string caption;
  std::vector<HPROPSHEETPAGE> pages;  // the sheet owns them
  int current = -1;
  int start = 0;
  RECT page_area{};  // where pages go, in the sheet's client coordinates
  DWORD wizard_buttons = PSWIZB_BACK | PSWIZB_NEXT;
  bool finish_text_set = false;  // PSM_SETFINISHTEXT: Finish alone, Back and Next hidden
  bool saved = false;            // a PSN_APPLY went through
  INT_PTR restart = 0;           // ID_PSRESTARTWINDOWS / ID_PSREBOOTSYSTEM, once asked for
  bool done = false;             // finished or cancelled
  INT_PTR result = 0;

  bool wizard() const { return flags & (PSH_WIZARD | PSH_WIZARD97 | PSH_AEROWIZARD); }
  HWND current_window() const { return current >= 0 ? pages[size_t(current)]->window : nullptr; }
  int count() const { return int(pages.size()); }

  Sheet() = default;
  ~Sheet();
  Sheet(const Sheet&) = delete;
  Sheet& operator=(const Sheet&) = delete;
};

using SheetPtr = std::shared_ptr<Sheet>;

// Pages (property_sheet_page.cpp).
// Null (last error set) when the record's dwSize is below the first version's.
HPROPSHEETPAGE make_page(const PROPSHEETPAGEW* record);
// Destroys the page's window and tells the page's callback.
void release_page(HPROPSHEETPAGE page);
std::optional<user::DialogTemplate> page_template(HPROPSHEETPAGE page);
// The page's window, made hidden over `area` of the sheet on first use; null when the page
// cannot be made.
HWND page_window(HPROPSHEETPAGE page, HWND sheet, const RECT& area);
// PSN_ answers name a page by its template: the resource id or name, or the in-memory template.
bool page_named(HPROPSHEETPAGE page, LRESULT name);
std::u16string page_title(HPROPSHEETPAGE page);
// A text argument that may be a string table id of `instance` instead.
std::u16string text_or_resource(HINSTANCE instance, LPCWSTR text);

// The sheet's window (property_sheet_layout.cpp): its template with the buttons, sized for the
// largest page; the state of the wizard's buttons.
user::DialogTemplate sheet_template(const Sheet& sheet, const std::vector<user::DialogTemplate>& pages);
RECT page_area_units(const Sheet& sheet, const std::vector<user::DialogTemplate>& pages);
void show_buttons(Sheet& sheet);

// Moving between pages and ending the sheet (property_sheet_activation.cpp).
LRESULT notify(const Sheet& sheet, HWND page, UINT code, LPARAM lparam = 0);
int index_named(const Sheet& sheet, LRESULT name);
// PSN_SETACTIVE on `index`, going on by `step` while pages refuse; false when none took it.
bool activate(Sheet& sheet, int index, int step);
// PSN_KILLACTIVE on the current page, then activate(); false when the current page stays.
bool change_to(Sheet& sheet, int index, int step);
// OK and Apply: PSN_KILLACTIVE, then PSN_APPLY to every page made; false when one refused.
bool apply(Sheet& sheet, bool closing);
// What a click on the sheet's button `button_id` does; false for an id that is no button of it.
bool press(Sheet& sheet, int button_id);
void focus_page(Sheet& sheet);

// The sheet's dialog procedure and the sheets of this process (property_sheet_messages.cpp).
INT_PTR CALLBACK sheet_proc(HWND hwnd, UINT msg, WPARAM wparam, LPARAM lparam);

}  // namespace platform::comctl::sheet
