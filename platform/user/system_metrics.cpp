// GetSystemMetrics: the desktop's classic figures and the running Windows.
#include <windows.h>

#include "kernel/windows_edition.h"
#include "user/frame.h"
#include "user/screen.h"

using namespace platform;

namespace {

int server_r2_build() {
  // The build number on Windows Server 2003 R2, else 0.
  edition::Edition e = edition::current();
  bool r2 = e.server_r2 && e.major == 5 && e.minor == 2 && e.product_type != VER_NT_WORKSTATION;
  return r2 ? int(e.build) : 0;
}

}  // namespace

int WINAPI GetSystemMetrics(int nIndex) {
  using namespace user;
  switch (nIndex) {
    case SM_CXSCREEN:
    case SM_CXVIRTUALSCREEN: return screen::size().cx;
    case SM_CYSCREEN:
    case SM_CYVIRTUALSCREEN: return screen::size().cy;
    case SM_CXFULLSCREEN: return screen::work_area().right;
    case SM_CYFULLSCREEN: return screen::work_area().bottom - frame::kCaption;
    case SM_CXVSCROLL:
    case SM_CYHSCROLL: return 17;
    case SM_CYCAPTION: return frame::kCaption;
    case SM_CXBORDER:
    case SM_CYBORDER: return frame::kBorder;
    case SM_CXDLGFRAME:
    case SM_CYDLGFRAME: return frame::kDialogFrame;
    case SM_CXFRAME:
    case SM_CYFRAME: return frame::kSizingFrame;
    case SM_CXEDGE:
    case SM_CYEDGE: return frame::kEdge;
    case SM_CXICON:
    case SM_CYICON:
    case SM_CXCURSOR:
    case SM_CYCURSOR: return 32;
    case SM_CXSMICON:
    case SM_CYSMICON: return 16;
    case SM_CYMENU: return 19;
    case SM_CXSIZE:
    case SM_CYSIZE: return frame::kCaption;
    case SM_CXMIN: return 112;
    case SM_CYMIN: return 27;
    case SM_MOUSEPRESENT:
    case SM_CMONITORS: return 1;
    case SM_SERVERR2: return server_r2_build();
    default: return 0;
  }
}
