#include "pardex_message.h"

void ShowPardexError(LPCWSTR pszText) { ::MessageBoxExW(nullptr, pszText, L"Pardex", MB_OK | MB_ICONERROR, 0); }
