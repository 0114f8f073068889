// Resource ids of Pardex.
#define IDD_DLGPASSWORD 129
#define IDC_PASSWORD 1000
#ifndef IDC_STATIC
#define IDC_STATIC (-1)
#endif
