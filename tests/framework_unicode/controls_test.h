// Identifiers of the framework's window tests' resources (controls_test.rc).
#pragma once

// Three wizard pages and one that names no page of the sheet.
#define IDD_PAGE_ONE 201
#define IDD_PAGE_TWO 202
#define IDD_PAGE_THREE 203
// A dialog with the controls the data exchange works on.
#define IDD_FORM 210

#define IDC_NAME 1001
#define IDC_AGREE 1002
#define IDC_COUNT 1003
#define IDC_SIZE 1004
#define IDC_LABEL 1005

#define IDS_SHEET_CAPTION 220
#define IDS_PAGE_CAPTION 221
#define IDS_TIP 222
