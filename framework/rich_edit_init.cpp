#include "rich_edit_init.h"

BOOL AfxInitRichEdit2() {
  static const HMODULE hRichEdit = ::LoadLibraryW(L"riched20.dll");  // loaded once, kept to the end
  return hRichEdit != nullptr;
}
