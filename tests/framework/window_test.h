// Identifiers of the 8-bit framework's window tests' resources (window_test.rc).
#pragma once

// A dialog with a system menu, a list box and buttons whose handlers fail.
#define IDD_PICKER 300
#define IDR_PICKER_ICON 301
#define IDC_ITEMS 1007
#define IDC_FAIL 1010
#define IDC_FAIL_QUIETLY 1011
