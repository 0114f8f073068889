// Resource ids of list_box_test.rc.
#pragma once

#define IDD_LIST_BOX 150
#define IDC_VERSIONS 1007
