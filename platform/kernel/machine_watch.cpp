// A process started inside a machine ends when its machine is removed. A service has no one left
// to stop it once the machine's root is gone, and a removed test machine must not leave its
// processes running: they would load the host and hold the deleted files. The watch looks at the
// machine's database once a second; a missing database, or a new one in its place (a machine
// created again at the same root), ends the process at once.
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>

#include "kernel/machine.h"

namespace {

constexpr auto kInterval = std::chrono::seconds(1);

bool same_file(const struct stat& a, const struct stat& b) { return a.st_dev == b.st_dev && a.st_ino == b.st_ino; }

void watch(std::string database, struct stat original) {
  for (;;) {
    std::this_thread::sleep_for(kInterval);
    struct stat now;
    if (stat(database.c_str(), &now) != 0 || !same_file(now, original)) _exit(1);
  }
}

// Only processes that a machine process created (they carry their Windows image path); the tool
// and the tests that create and remove machines are not inside one.
const bool g_started = [] {
  const char* image = std::getenv("WINSIM_IMAGE");
  const char* root = std::getenv("WINSIM_ROOT");
  if (!image || !*image || !root || !*root) return false;
  std::string database = platform::machine::database_path(root).string();
  struct stat original;
  if (stat(database.c_str(), &original) != 0) return false;
  std::thread(watch, database, original).detach();
  return true;
}();

}  // namespace
