// The painters by class: the window system's own classes, and those added from above.
#include "user/painting.h"

#include <utility>
#include <vector>

#include "kernel/text.h"
#include "user/painters.h"

namespace platform::user {
namespace {

std::vector<std::pair<std::u16string, Painter>>& class_painters() {
  static std::vector<std::pair<std::u16string, Painter>> painters{
      {u"Button", paint_button}, {u"Edit", paint_edit}, {u"Static", paint_static},
      {u"ListBox", paint_list_box}};
  return painters;
}

}  // namespace

ClassPainter::ClassPainter(std::u16string_view class_name, Painter painter) {
  class_painters().emplace_back(std::u16string(class_name), painter);
}

Painter painter_of(std::u16string_view class_name) {
  for (auto& [name, painter] : class_painters())
    if (text::iequals(class_name, name)) return painter;
  return nullptr;
}

}  // namespace platform::user
