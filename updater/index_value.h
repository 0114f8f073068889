// The update index: lines of "key=value" joined by CR LF.
#pragma once

#include "cstringt.h"

// The value after the first "=" that follows the first occurrence of pszKey (case-sensitive),
// up to the next CR LF or the end of the text; returns its length. When the key is missing, or
// no text follows its "=", strValue is "Key Not Found" and the result -1. A key without any
// "=" after it yields the text's first line.
int GetIndexValue(LPCSTR pszKey, const CString& strText, CString& strValue);
