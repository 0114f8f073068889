// The rich edit control ("RichEdit20W" from Riched20.dll, "RICHEDIT50W" from Msftedit.dll).
#pragma once

#include "winuser.h"

#ifdef __cplusplus
extern "C" {
#endif

#define RICHEDIT_CLASSW L"RichEdit20W"
#define RICHEDIT_CLASS RICHEDIT_CLASSW
#define MSFTEDIT_CLASS L"RICHEDIT50W"

#define EM_EXGETSEL (WM_USER + 52)
#define EM_EXLIMITTEXT (WM_USER + 53)
#define EM_EXSETSEL (WM_USER + 55)
#define EM_GETEVENTMASK (WM_USER + 59)
#define EM_SETEVENTMASK (WM_USER + 69)
#define EM_STREAMIN (WM_USER + 73)

#define ENM_NONE 0x00000000
#define ENM_CHANGE 0x00000001
#define ENM_UPDATE 0x00000002

#define SF_TEXT 0x0001
#define SF_RTF 0x0002
#define SF_UNICODE 0x0010
#define SFF_SELECTION 0x8000

typedef struct _charrange {
  LONG cpMin;
  LONG cpMax;
} CHARRANGE;

typedef DWORD(CALLBACK* EDITSTREAMCALLBACK)(DWORD_PTR dwCookie, LPBYTE pbBuff, LONG cb, LONG* pcb);

// The rich edit records are packed to 4 bytes, on x64 too.
#pragma pack(push, 4)
typedef struct _editstream {
  DWORD_PTR dwCookie;
  DWORD dwError;
  EDITSTREAMCALLBACK pfnCallback;
} EDITSTREAM;
#pragma pack(pop)

#ifdef __cplusplus
}
static_assert(sizeof(EDITSTREAM) == 20 && sizeof(CHARRANGE) == 8);
#endif
