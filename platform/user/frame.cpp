#include "user/frame.h"

namespace platform::user::frame {

RECT insets(DWORD style, DWORD exstyle) {
  if (style & WS_MINIMIZE) return RECT{0, 0, 0, 0};  // the iconic square is all client area
  int side = 0;
  if (style & WS_THICKFRAME) side = kSizingFrame;
  else if ((style & WS_CAPTION) == WS_CAPTION || (style & WS_DLGFRAME) || (exstyle & WS_EX_DLGMODALFRAME))
    side = kDialogFrame;
  else if (style & WS_BORDER) side = kBorder;
  if (exstyle & WS_EX_CLIENTEDGE) side += kEdge;
  if (exstyle & WS_EX_STATICEDGE) side += kBorder;
  int top = side + ((style & WS_CAPTION) == WS_CAPTION ? kCaption : 0);
  return RECT{side, top, side, side};
}

}  // namespace platform::user::frame
