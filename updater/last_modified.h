// The server's Last-Modified time as GetWebFile reads it out of the raw response headers.
#pragma once

#include "cstringt.h"

// From the first "Last-Modified" (the start of the headers when there is none) up to and
// including the first " GMT" after it (only 3 characters when there is none), without any
// "Last-Modified: ": "Tue, 08 Dec 2026 10:00:00 GMT" for a normal header line.
CString CutLastModifiedText(const CString& strRawHeaders);
// The date and time of such a text for the date parser: without the weekday (everything up to
// the first "," and the character after it, or the first character without a ",") and without
// " GMT": "08 Dec 2026 10:00:00".
CString LastModifiedDateText(const CString& strLastModified);
