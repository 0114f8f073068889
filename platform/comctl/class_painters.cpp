// The common controls' classes are painted by their own painters.
#include "comctl/painters.h"

namespace platform::comctl {
namespace {

const user::ClassPainter progress(u"msctls_progress32", paint_progress);
const user::ClassPainter ip_address(u"SysIPAddress32", paint_ip_address);
const user::ClassPainter link(u"SysLink", paint_link);
const user::ClassPainter rich_edit_20(u"RichEdit20W", paint_rich_edit);
const user::ClassPainter rich_edit_50(u"RICHEDIT50W", paint_rich_edit);

}  // namespace
}  // namespace platform::comctl
