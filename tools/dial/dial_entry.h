// Dimbrel's work: find an entry of the phone books by a part of its name and dial it with the
// credentials stored for it.
#pragma once

#include <windows.h>
#include <ras.h>

// Fills *ppEntries with a heap buffer (HeapAlloc) of the RASENTRYNAMEW records of all phone
// books and *pdwCount with their number; the caller releases the buffer with HeapFree, also
// after a failure.
bool EnumPhonebookEntries(RASENTRYNAMEW** ppEntries, DWORD* pdwCount);

// 1 when RasDialW connected the first entry whose name contains pszText (with case), else 0
// after its own message.
int DialEntry(LPCWSTR pszText);

// Dimbrel's boxes: without owner, captioned with its name.
void ShowDimbrelMessage(LPCWSTR pszText, bool bErrorIcon);
