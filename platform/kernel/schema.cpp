#include "kernel/schema.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "kernel/machine.h"

namespace platform::machine {
namespace {

std::vector<std::pair<int, void (*)()>>& steps() {
  static std::vector<std::pair<int, void (*)()>> registered;
  return registered;
}

}  // namespace

CreationStep::CreationStep(int rank, void (*create)()) { steps().emplace_back(rank, create); }

void create_schema() {
  // Files: the opens of every process (for share modes) and the attributes and creation time
  // that Linux keeps no place for, both keyed by the file's device and inode.
  exec(
      "CREATE TABLE IF NOT EXISTS open_files("
      "  id INTEGER PRIMARY KEY,"
      "  dev INTEGER NOT NULL,"
      "  ino INTEGER NOT NULL,"
      "  pid INTEGER NOT NULL,"
      "  pid_start INTEGER NOT NULL,"
      "  access INTEGER NOT NULL,"
      "  share INTEGER NOT NULL);"
      "CREATE INDEX IF NOT EXISTS open_files_by_file ON open_files(dev, ino);"
      "CREATE TABLE IF NOT EXISTS file_attributes("
      "  dev INTEGER NOT NULL,"
      "  ino INTEGER NOT NULL,"
      "  birth INTEGER NOT NULL,"
      "  attributes INTEGER NOT NULL,"
      "  creation_ns INTEGER NOT NULL,"
      "  PRIMARY KEY(dev, ino));");

  std::vector<std::pair<int, void (*)()>> ordered = steps();
  std::stable_sort(ordered.begin(), ordered.end(), [](auto& a, auto& b) { return a.first < b.first; });
  for (auto& [rank, create] : ordered) create();
}

}  // namespace platform::machine
