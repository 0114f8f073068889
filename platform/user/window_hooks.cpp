#include "user/window_hooks.h"

#include <vector>

namespace platform::user::hooks {
namespace {

std::vector<void (*)()>& created_hooks() {
  static std::vector<void (*)()> hooks;
  return hooks;
}

}  // namespace

void on_window_created(void (*hook)()) { created_hooks().push_back(hook); }

void window_created() {
  for (void (*hook)() : created_hooks()) hook();
}

}  // namespace platform::user::hooks
