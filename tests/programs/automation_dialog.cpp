// A modal dialog built in memory (a name, a password, OK and Cancel), then a Yes/No message
// box: tests drive both from outside through `winsim desktop` and read what the program got.
#include <windows.h>

#include <cstdio>
#include <vector>

namespace {

constexpr WORD kNameId = 101, kPasswordId = 102;
constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;

// DLGTEMPLATE and its DLGITEMTEMPLATEs, WORD by WORD.
class TemplateBuilder {
 public:
  TemplateBuilder(DWORD style, short cx, short cy, const wchar_t* caption, WORD items) {
    dword(style | DS_SETFONT);
    dword(0);
    words_.push_back(items);
    for (short v : {short(0), short(0), cx, cy}) words_.push_back(WORD(v));
    words_.push_back(0);  // no menu
    words_.push_back(0);  // the dialog class
    text(caption);
    words_.push_back(8);
    text(L"MS Shell Dlg");
  }
  void item(WORD atom, WORD id, DWORD style, short x, short y, short cx, short cy, const wchar_t* title) {
    if (words_.size() % 2) words_.push_back(0);  // items start on a DWORD
    dword(style | WS_CHILD | WS_VISIBLE);
    dword(0);
    for (short v : {x, y, cx, cy}) words_.push_back(WORD(v));
    words_.push_back(id);
    words_.push_back(0xFFFF);
    words_.push_back(atom);
    text(title);
    words_.push_back(0);  // no creation data
  }
  LPCDLGTEMPLATEW get() const { return reinterpret_cast<LPCDLGTEMPLATEW>(words_.data()); }

 private:
  void dword(DWORD v) {
    words_.push_back(WORD(v & 0xFFFF));
    words_.push_back(WORD(v >> 16));
  }
  void text(const wchar_t* s) {
    for (; *s; ++s) words_.push_back(WORD(*s));
    words_.push_back(0);
  }
  std::vector<WORD> words_;
};

WCHAR name[256], password[256];

INT_PTR CALLBACK probe_proc(HWND dialog, UINT message, WPARAM wparam, LPARAM) {
  if (message == WM_INITDIALOG) return TRUE;
  if (message == WM_COMMAND && (LOWORD(wparam) == IDOK || LOWORD(wparam) == IDCANCEL)) {
    GetDlgItemTextW(dialog, kNameId, name, 256);
    GetDlgItemTextW(dialog, kPasswordId, password, 256);
    EndDialog(dialog, LOWORD(wparam));
    return TRUE;
  }
  return FALSE;
}

void print(const WCHAR* text) {
  char utf8[1024];
  int n = WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
  std::printf("%s\n", n > 0 ? utf8 : "?");
}

}  // namespace

int main() {
  TemplateBuilder dialog(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_CENTER, 200, 90, L"Automation Probe", 6);
  dialog.item(kStatic, 0xFFFF, SS_LEFT, 7, 9, 40, 8, L"&Name:");
  dialog.item(kEdit, kNameId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL, 50, 7, 140, 12, L"");
  dialog.item(kStatic, 0xFFFF, SS_LEFT, 7, 27, 40, 8, L"&Password:");
  dialog.item(kEdit, kPasswordId, WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL | ES_PASSWORD, 50, 25, 140, 12, L"");
  dialog.item(kButton, IDOK, WS_TABSTOP | BS_DEFPUSHBUTTON, 86, 69, 50, 14, L"OK");
  dialog.item(kButton, IDCANCEL, WS_TABSTOP | BS_PUSHBUTTON, 140, 69, 50, 14, L"Cancel");
  std::printf("%d\n", int(DialogBoxIndirectParamW(GetModuleHandleW(nullptr), dialog.get(), nullptr, probe_proc, 0)));
  print(name);
  print(password);
  std::printf("%d\n", MessageBoxW(nullptr, L"Save the entry?", L"Probe Question", MB_YESNO | MB_ICONQUESTION));
  std::fflush(stdout);
  return 0;
}
