// Quorril's one question about the VPN entries of all phone books, asked by letters in any
// case: A, B and X select the groups of entries (names ending in "AUTO-A" or "AUTO-B" and a
// digit, and all others), S asks for their servers as a comma-separated list, ? whether one of
// them is connected ("TRUE" or "FALSE").
#pragma once

#include "atlstr.h"

CStringW QueryRasEntries(LPCWSTR pszArgument);

// The group letter of an entry name: 'A', 'B' or 'X'. Case-sensitive, and only the first
// occurrence of the group text counts: it must begin 7 characters before the end, and the name
// end in a digit.
wchar_t EntryGroupOf(const CStringW& strName);
