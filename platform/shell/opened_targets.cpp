#include "shell/opened_targets.h"

#include "kernel/machine.h"
#include "kernel/process_identity.h"
#include "kernel/schema.h"
#include "kernel/text.h"
#include "machine/clock.h"
#include "machine/opened_targets.h"

namespace platform::shell {
namespace {

void create_tables() {
  machine::exec(
      "CREATE TABLE IF NOT EXISTS shell_opened("
      "  id INTEGER PRIMARY KEY AUTOINCREMENT,"
      "  time_ns INTEGER NOT NULL,"
      "  pid INTEGER NOT NULL,"
      "  program TEXT NOT NULL,"
      "  target TEXT NOT NULL);");
}

const machine::CreationStep step(10, create_tables);

bool starts_with_scheme(std::u16string_view target, std::u16string_view scheme) {
  return target.size() > scheme.size() && text::iequals(target.substr(0, scheme.size()), scheme);
}

}  // namespace

bool is_web_address(std::u16string_view target) {
  return starts_with_scheme(target, u"http://") || starts_with_scheme(target, u"https://");
}

void record_opened(const std::u16string& target) {
  const std::u16string& image = process::image_path();
  machine::Statement s("INSERT INTO shell_opened(time_ns, pid, program, target) VALUES(?, ?, ?, ?)");
  s.bind(1, clock::now_ns()).bind(2, GetCurrentProcessId());
  s.bind(3, text::utf8(image.substr(image.find_last_of(u"\\/") + 1))).bind(4, text::utf8(target)).step();
}

}  // namespace platform::shell

namespace platform::desktop {

std::vector<OpenedTarget> opened_targets() {
  machine::Statement s("SELECT time_ns, pid, program, target FROM shell_opened ORDER BY id");
  std::vector<OpenedTarget> opened;
  while (s.step()) opened.push_back({s.column_int(0), DWORD(s.column_int(1)), s.column_text(2), s.column_text(3)});
  return opened;
}

}  // namespace platform::desktop
