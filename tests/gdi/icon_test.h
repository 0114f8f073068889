// Resource ids of icon_test.rc.
#pragma once

#define IDI_TEST 128
#define IDD_ICON_BOX 601
#define IDC_ICON_STATIC 602
