// Sets a variable of this process's environment (or removes it, given no value) for the guard's
// lifetime, and then puts back what was there before, absent included.
#pragma once

#include <stdlib.h>

#include <optional>
#include <string>

namespace testing_support {

class EnvironmentGuard {
 public:
  EnvironmentGuard(const char* name, const char* value) : name_(name) {
    if (const char* saved = getenv(name)) saved_ = saved;
    set(value);
  }
  ~EnvironmentGuard() { set(saved_ ? saved_->c_str() : nullptr); }
  EnvironmentGuard(const EnvironmentGuard&) = delete;
  EnvironmentGuard& operator=(const EnvironmentGuard&) = delete;

 private:
  void set(const char* value) {
    if (value)
      setenv(name_.c_str(), value, 1);
    else
      unsetenv(name_.c_str());
  }

  std::string name_;
  std::optional<std::string> saved_;
};

}  // namespace testing_support
