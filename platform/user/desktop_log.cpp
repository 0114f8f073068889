#include "machine/desktop_log.h"

#include "kernel/machine.h"

namespace platform::desktop {

void log_box(const LoggedBox& box) {
  machine::Statement s(
      "INSERT INTO desktop_log(time_ns, pid, program, caption, text, style, buttons, answer, how)"
      " VALUES(?, ?, ?, ?, ?, ?, ?, ?, ?)");
  s.bind(1, box.time_ns).bind(2, box.pid).bind(3, box.program).bind(4, box.caption).bind(5, box.text);
  s.bind(6, box.style).bind(7, box.buttons).bind(8, box.answer).bind(9, box.how).step();
}

std::vector<LoggedBox> logged_boxes() {
  machine::Statement s(
      "SELECT time_ns, pid, program, caption, text, style, buttons, answer, how FROM desktop_log ORDER BY id");
  std::vector<LoggedBox> boxes;
  while (s.step()) {
    boxes.push_back({s.column_int(0), DWORD(s.column_int(1)), s.column_text(2), s.column_text(3), s.column_text(4),
                     UINT(s.column_int(5)), s.column_text(6), s.column_text(7), s.column_text(8)});
  }
  return boxes;
}

}  // namespace platform::desktop
