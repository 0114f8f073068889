// Property sheets and wizards: pages made from dialog templates in a frame with the sheet's buttons.
#pragma once

#include <stddef.h>

#include "winuser.h"

#ifdef __cplusplus
extern "C" {
#endif

#define MAXPROPPAGES 100

struct _PSP;
typedef struct _PSP* HPROPSHEETPAGE;

struct _PROPSHEETPAGEW;
typedef UINT(CALLBACK* LPFNPSPCALLBACKW)(HWND hwnd, UINT uMsg, struct _PROPSHEETPAGEW* ppsp);

// What a page record names: a template in hInstance's resources, or one in memory
// (PSP_DLGINDIRECT).
typedef LPCDLGTEMPLATEW PROPSHEETPAGE_RESOURCE;

// The current page record. Older programs hand over shorter versions of it; dwSize says which.
typedef struct _PROPSHEETPAGEW {
  DWORD dwSize;
  DWORD dwFlags;
  HINSTANCE hInstance;
  union {
    LPCWSTR pszTemplate;
    PROPSHEETPAGE_RESOURCE pResource;
  };
  union {
    HICON hIcon;
    LPCWSTR pszIcon;
  };
  LPCWSTR pszTitle;
  DLGPROC pfnDlgProc;
  LPARAM lParam;
  LPFNPSPCALLBACKW pfnCallback;
  UINT* pcRefParent;
  // Version 2: the header area of Wizard97 pages.
  LPCWSTR pszHeaderTitle;
  LPCWSTR pszHeaderSubTitle;
  // Version 3.
  HANDLE hActCtx;
  // Version 4.
  union {
    HBITMAP hbmHeader;
    LPCWSTR pszbmHeader;
  };
} PROPSHEETPAGEW, *LPPROPSHEETPAGEW, PROPSHEETPAGEW_V4, *LPPROPSHEETPAGEW_V4;
typedef const PROPSHEETPAGEW* LPCPROPSHEETPAGEW;
typedef const PROPSHEETPAGEW* LPCPROPSHEETPAGEW_V4;

#define PROPSHEETPAGEW_V1_SIZE ((UINT)(offsetof(PROPSHEETPAGEW, pcRefParent) + sizeof(UINT*)))
#define PROPSHEETPAGEW_V2_SIZE ((UINT)(offsetof(PROPSHEETPAGEW, pszHeaderSubTitle) + sizeof(LPCWSTR)))
#define PROPSHEETPAGEW_V3_SIZE ((UINT)(offsetof(PROPSHEETPAGEW, hActCtx) + sizeof(HANDLE)))
#define PROPSHEETPAGEW_V4_SIZE ((UINT)sizeof(PROPSHEETPAGEW))

#define PSP_DEFAULT 0x00000000
#define PSP_DLGINDIRECT 0x00000001
#define PSP_USEHICON 0x00000002
#define PSP_USEICONID 0x00000004
#define PSP_USETITLE 0x00000008
#define PSP_RTLREADING 0x00000010
#define PSP_HASHELP 0x00000020
#define PSP_USEREFPARENT 0x00000040
#define PSP_USECALLBACK 0x00000080
#define PSP_PREMATURE 0x00000400
#define PSP_HIDEHEADER 0x00000800
#define PSP_USEHEADERTITLE 0x00001000
#define PSP_USEHEADERSUBTITLE 0x00002000
#define PSP_USEFUSIONCONTEXT 0x00004000

// The page callback's uMsg.
#define PSPCB_ADDREF 0
#define PSPCB_RELEASE 1
#define PSPCB_CREATE 2

typedef int(CALLBACK* PFNPROPSHEETCALLBACK)(HWND hwndDlg, UINT uMsg, LPARAM lParam);

typedef struct _PROPSHEETHEADERW {
  DWORD dwSize;
  DWORD dwFlags;
  HWND hwndParent;
  HINSTANCE hInstance;
  union {
    HICON hIcon;
    LPCWSTR pszIcon;
  };
  LPCWSTR pszCaption;
  UINT nPages;
  union {
    UINT nStartPage;
    LPCWSTR pStartPage;
  };
  union {
    LPCPROPSHEETPAGEW ppsp;
    HPROPSHEETPAGE* phpage;
  };
  PFNPROPSHEETCALLBACK pfnCallback;
  // Version 2: the Wizard97 watermark and header bitmaps.
  union {
    HBITMAP hbmWatermark;
    LPCWSTR pszbmWatermark;
  };
  HPALETTE hplWatermark;
  union {
    HBITMAP hbmHeader;
    LPCWSTR pszbmHeader;
  };
} PROPSHEETHEADERW, *LPPROPSHEETHEADERW, PROPSHEETHEADERW_V2, *LPPROPSHEETHEADERW_V2;
typedef const PROPSHEETHEADERW* LPCPROPSHEETHEADERW;
typedef const PROPSHEETHEADERW* LPCPROPSHEETHEADERW_V2;

#define PROPSHEETHEADERW_V1_SIZE ((UINT)(offsetof(PROPSHEETHEADERW, pfnCallback) + sizeof(PFNPROPSHEETCALLBACK)))
#define PROPSHEETHEADERW_V2_SIZE ((UINT)sizeof(PROPSHEETHEADERW))

#define PSH_DEFAULT 0x00000000
#define PSH_PROPTITLE 0x00000001
#define PSH_USEHICON 0x00000002
#define PSH_USEICONID 0x00000004
#define PSH_PROPSHEETPAGE 0x00000008
#define PSH_WIZARDHASFINISH 0x00000010
#define PSH_WIZARD 0x00000020
#define PSH_USEPSTARTPAGE 0x00000040
#define PSH_NOAPPLYNOW 0x00000080
#define PSH_USECALLBACK 0x00000100
#define PSH_HASHELP 0x00000200
#define PSH_MODELESS 0x00000400
#define PSH_RTLREADING 0x00000800
#define PSH_WIZARDCONTEXTHELP 0x00001000
#define PSH_AEROWIZARD 0x00004000
#define PSH_WATERMARK 0x00008000
#define PSH_USEHBMWATERMARK 0x00010000
#define PSH_USEHPLWATERMARK 0x00020000
#define PSH_STRETCHWATERMARK 0x00040000
#define PSH_HEADER 0x00080000
#define PSH_USEHBMHEADER 0x00100000
#define PSH_USEPAGELANG 0x00200000
#define PSH_WIZARD_LITE 0x00400000
#define PSH_WIZARD97 0x01000000
#define PSH_NOCONTEXTHELP 0x02000000
#define PSH_RESIZABLE 0x04000000
#define PSH_HEADERBITMAP 0x08000000
#define PSH_NOMARGIN 0x10000000

// The sheet callback's uMsg.
#define PSCB_INITIALIZED 1
#define PSCB_PRECREATE 2
#define PSCB_BUTTONPRESSED 3

// What the sheet tells its pages through WM_NOTIFY (hwndFrom: the sheet, idFrom 0).
typedef struct _PSHNOTIFY {
  NMHDR hdr;
  LPARAM lParam;
} PSHNOTIFY, *LPPSHNOTIFY;

#define PSN_FIRST (0U - 200U)
#define PSN_LAST (0U - 299U)
#define PSN_SETACTIVE (PSN_FIRST - 0)
#define PSN_KILLACTIVE (PSN_FIRST - 1)
#define PSN_APPLY (PSN_FIRST - 2)
#define PSN_RESET (PSN_FIRST - 3)
#define PSN_HELP (PSN_FIRST - 5)
#define PSN_WIZBACK (PSN_FIRST - 6)
#define PSN_WIZNEXT (PSN_FIRST - 7)
#define PSN_WIZFINISH (PSN_FIRST - 8)
#define PSN_QUERYCANCEL (PSN_FIRST - 9)
#define PSN_GETOBJECT (PSN_FIRST - 10)
#define PSN_TRANSLATEACCELERATOR (PSN_FIRST - 12)
#define PSN_QUERYINITIALFOCUS (PSN_FIRST - 13)

// PSN_APPLY's answers.
#define PSNRET_NOERROR 0
#define PSNRET_INVALID 1
#define PSNRET_INVALID_NOCHANGEPAGE 2
#define PSNRET_MESSAGEHANDLED 3

// Messages to the sheet.
#define PSM_SETCURSEL (WM_USER + 101)
#define PSM_REMOVEPAGE (WM_USER + 102)
#define PSM_ADDPAGE (WM_USER + 103)
#define PSM_CHANGED (WM_USER + 104)
#define PSM_RESTARTWINDOWS (WM_USER + 105)
#define PSM_REBOOTSYSTEM (WM_USER + 106)
#define PSM_CANCELTOCLOSE (WM_USER + 107)
#define PSM_QUERYSIBLINGS (WM_USER + 108)
#define PSM_UNCHANGED (WM_USER + 109)
#define PSM_APPLY (WM_USER + 110)
#define PSM_SETTITLEA (WM_USER + 111)
#define PSM_SETWIZBUTTONS (WM_USER + 112)
#define PSM_PRESSBUTTON (WM_USER + 113)
#define PSM_SETCURSELID (WM_USER + 114)
#define PSM_SETFINISHTEXTA (WM_USER + 115)
#define PSM_GETTABCONTROL (WM_USER + 116)
#define PSM_ISDIALOGMESSAGE (WM_USER + 117)
#define PSM_GETCURRENTPAGEHWND (WM_USER + 118)
#define PSM_INSERTPAGE (WM_USER + 119)
#define PSM_SETTITLEW (WM_USER + 120)
#define PSM_SETFINISHTEXTW (WM_USER + 121)
#define PSM_HWNDTOINDEX (WM_USER + 129)
#define PSM_INDEXTOHWND (WM_USER + 130)
#define PSM_PAGETOINDEX (WM_USER + 131)
#define PSM_INDEXTOPAGE (WM_USER + 132)
#define PSM_IDTOINDEX (WM_USER + 133)
#define PSM_INDEXTOID (WM_USER + 134)
#define PSM_GETRESULT (WM_USER + 135)

// PSM_SETWIZBUTTONS' lParam.
#define PSWIZB_BACK 0x00000001
#define PSWIZB_NEXT 0x00000002
#define PSWIZB_FINISH 0x00000004
#define PSWIZB_DISABLEDFINISH 0x00000008

// PSM_PRESSBUTTON's wParam.
#define PSBTN_BACK 0
#define PSBTN_NEXT 1
#define PSBTN_FINISH 2
#define PSBTN_OK 3
#define PSBTN_APPLYNOW 4
#define PSBTN_CANCEL 5
#define PSBTN_HELP 6
#define PSBTN_MAX 6

// PropertySheet's results after PSM_RESTARTWINDOWS / PSM_REBOOTSYSTEM.
#define ID_PSRESTARTWINDOWS 0x2
#define ID_PSREBOOTSYSTEM (ID_PSRESTARTWINDOWS | 0x1)

// The sizes of wizard pages and property pages the design guidelines give, in dialog units.
#define WIZ_CXDLG 276
#define WIZ_CYDLG 140
#define WIZ_CXBMP 80
#define WIZ_BODYX 92
#define WIZ_BODYCX 184
#define PROP_SM_CXDLG 212
#define PROP_SM_CYDLG 188
#define PROP_MED_CXDLG 227
#define PROP_MED_CYDLG 215
#define PROP_LG_CXDLG 252
#define PROP_LG_CYDLG 218

// Null (last error set) when dwSize is none of the record's versions.
HPROPSHEETPAGE WINAPI CreatePropertySheetPageW(LPCPROPSHEETPAGEW constPropSheetPagePointer);
BOOL WINAPI DestroyPropertySheetPage(HPROPSHEETPAGE hPage);
// Modal: >= 1 when the user finished (or saved), 0 when cancelled, -1 on failure. Modeless
// (PSH_MODELESS): the sheet's window.
INT_PTR WINAPI PropertySheetW(LPCPROPSHEETHEADERW lppsph);

#define PropSheet_SetCurSel(hDlg, hpage, index) \
  SendMessageW(hDlg, PSM_SETCURSEL, (WPARAM)(index), (LPARAM)(hpage))
#define PropSheet_RemovePage(hDlg, index, hpage) \
  SendMessageW(hDlg, PSM_REMOVEPAGE, (WPARAM)(index), (LPARAM)(hpage))
#define PropSheet_AddPage(hDlg, hpage) SendMessageW(hDlg, PSM_ADDPAGE, 0, (LPARAM)(hpage))
#define PropSheet_InsertPage(hDlg, index, hpage) \
  SendMessageW(hDlg, PSM_INSERTPAGE, (WPARAM)(index), (LPARAM)(hpage))
#define PropSheet_Changed(hDlg, hwnd) SendMessageW(hDlg, PSM_CHANGED, (WPARAM)(hwnd), 0)
#define PropSheet_UnChanged(hDlg, hwnd) SendMessageW(hDlg, PSM_UNCHANGED, (WPARAM)(hwnd), 0)
#define PropSheet_RestartWindows(hDlg) SendMessageW(hDlg, PSM_RESTARTWINDOWS, 0, 0)
#define PropSheet_RebootSystem(hDlg) SendMessageW(hDlg, PSM_REBOOTSYSTEM, 0, 0)
#define PropSheet_CancelToClose(hDlg) PostMessageW(hDlg, PSM_CANCELTOCLOSE, 0, 0)
#define PropSheet_QuerySiblings(hDlg, wParam, lParam) \
  SendMessageW(hDlg, PSM_QUERYSIBLINGS, (WPARAM)(wParam), (LPARAM)(lParam))
#define PropSheet_Apply(hDlg) SendMessageW(hDlg, PSM_APPLY, 0, 0)
#define PropSheet_SetTitleW(hDlg, wStyle, lpszText) \
  SendMessageW(hDlg, PSM_SETTITLEW, (WPARAM)(wStyle), (LPARAM)(LPCWSTR)(lpszText))
#define PropSheet_SetWizButtons(hDlg, dwFlags) PostMessageW(hDlg, PSM_SETWIZBUTTONS, 0, (LPARAM)(dwFlags))
#define PropSheet_PressButton(hDlg, iButton) PostMessageW(hDlg, PSM_PRESSBUTTON, (WPARAM)(iButton), 0)
#define PropSheet_SetCurSelByID(hDlg, id) SendMessageW(hDlg, PSM_SETCURSELID, 0, (LPARAM)(id))
#define PropSheet_SetFinishTextW(hDlg, lpszText) \
  SendMessageW(hDlg, PSM_SETFINISHTEXTW, 0, (LPARAM)(LPCWSTR)(lpszText))
#define PropSheet_GetTabControl(hDlg) ((HWND)SendMessageW(hDlg, PSM_GETTABCONTROL, 0, 0))
#define PropSheet_IsDialogMessage(hDlg, pMsg) \
  ((BOOL)SendMessageW(hDlg, PSM_ISDIALOGMESSAGE, 0, (LPARAM)(pMsg)))
#define PropSheet_GetCurrentPageHwnd(hDlg) ((HWND)SendMessageW(hDlg, PSM_GETCURRENTPAGEHWND, 0, 0))
#define PropSheet_HwndToIndex(hDlg, hwnd) ((int)SendMessageW(hDlg, PSM_HWNDTOINDEX, (WPARAM)(hwnd), 0))
#define PropSheet_IndexToHwnd(hDlg, i) ((HWND)SendMessageW(hDlg, PSM_INDEXTOHWND, (WPARAM)(i), 0))
#define PropSheet_PageToIndex(hDlg, hpage) ((int)SendMessageW(hDlg, PSM_PAGETOINDEX, 0, (LPARAM)(hpage)))
#define PropSheet_IndexToPage(hDlg, i) ((HPROPSHEETPAGE)SendMessageW(hDlg, PSM_INDEXTOPAGE, (WPARAM)(i), 0))
#define PropSheet_IdToIndex(hDlg, id) ((int)SendMessageW(hDlg, PSM_IDTOINDEX, 0, (LPARAM)(id)))
#define PropSheet_IndexToId(hDlg, i) SendMessageW(hDlg, PSM_INDEXTOID, (WPARAM)(i), 0)
#define PropSheet_GetResult(hDlg) SendMessageW(hDlg, PSM_GETRESULT, 0, 0)

#ifdef UNICODE
#define PROPSHEETPAGE PROPSHEETPAGEW
#define LPPROPSHEETPAGE LPPROPSHEETPAGEW
#define LPCPROPSHEETPAGE LPCPROPSHEETPAGEW
#define PROPSHEETPAGE_V1_SIZE PROPSHEETPAGEW_V1_SIZE
#define PROPSHEETPAGE_V2_SIZE PROPSHEETPAGEW_V2_SIZE
#define PROPSHEETPAGE_V3_SIZE PROPSHEETPAGEW_V3_SIZE
#define PROPSHEETPAGE_V4_SIZE PROPSHEETPAGEW_V4_SIZE
#define PROPSHEETHEADER PROPSHEETHEADERW
#define LPPROPSHEETHEADER LPPROPSHEETHEADERW
#define LPCPROPSHEETHEADER LPCPROPSHEETHEADERW
#define PROPSHEETHEADER_V1_SIZE PROPSHEETHEADERW_V1_SIZE
#define PROPSHEETHEADER_V2_SIZE PROPSHEETHEADERW_V2_SIZE
#define LPFNPSPCALLBACK LPFNPSPCALLBACKW
#define CreatePropertySheetPage CreatePropertySheetPageW
#define PropertySheet PropertySheetW
#define PSM_SETTITLE PSM_SETTITLEW
#define PSM_SETFINISHTEXT PSM_SETFINISHTEXTW
#define PropSheet_SetTitle PropSheet_SetTitleW
#define PropSheet_SetFinishText PropSheet_SetFinishTextW
#endif

#ifdef __cplusplus
}
static_assert(sizeof(PSHNOTIFY) == 32);
static_assert(PROPSHEETPAGEW_V1_SIZE == 72 && PROPSHEETPAGEW_V2_SIZE == 88 && PROPSHEETPAGEW_V3_SIZE == 96 &&
              PROPSHEETPAGEW_V4_SIZE == 104);
static_assert(PROPSHEETHEADERW_V1_SIZE == 72 && PROPSHEETHEADERW_V2_SIZE == 96);
#endif
