// Resource ids of Zolvane.
#pragma once

#define IDD_ABOUTBOX 100
#define IDS_ABOUTBOX 101
#define IDD_ZOLVANE_DIALOG 102
#define IDR_MAINFRAME 128
#define IDB_ZOLVANE_PICTURE 129

// The system menu's command for the About box; the low four bits belong to the system.
#define IDM_ABOUTBOX 0x0010

#define IDC_DOWNLOAD_LATEST 1000
#define IDC_DOWNLOAD_SPECIFIED 1001
#define IDC_USE_SELECTED 1003
#define IDC_VERSION_DATE 1004
#define IDC_VERSION_LIST 1007
#define IDC_PURCHASE_LINK 1008
#define IDC_CURRENT_VERSION 1010

#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
