// Identifiers of the test program's resources (resource_test.rc).
#pragma once

#define IDD_DLGPASSWORD 129
#define IDD_PLAIN 130
#define IDD_FIELDS 131
#define IDC_PASSWORD 1000
#define IDC_PROMPT 1001

#define IDS_FIRST 1
#define IDS_SIXTEENTH 15
#define IDS_NEXT_BUNDLE 16
#define IDS_LONG 17
#define IDS_ACCENTED 18
#define IDS_EMPTY_SLOT 19
#define IDS_GERMAN_ONLY 40

#define IDR_GREETING 300
#define IDR_FRENCH_ONLY 301
