// Pardex says everything through error boxes without owner, captioned with its name.
#pragma once

#include <windows.h>

void ShowPardexError(LPCWSTR pszText);
