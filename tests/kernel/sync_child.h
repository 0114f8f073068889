// A test program started with posix_spawn inside the test's machine, its standard output read
// line by line.
#pragma once

#include <sys/types.h>

#include <string>
#include <vector>

namespace sync_test {

class Child {
 public:
  // bin/<program>.exe with `args`; the environment (WINSIM_ROOT) is the test's.
  Child(const std::string& program, const std::vector<std::string>& args);
  ~Child();  // kills the child if it still runs
  Child(const Child&) = delete;
  Child& operator=(const Child&) = delete;

  // The next line of output without its newline; empty at the end of the output.
  std::string line();
  void kill();
  // The exit status (waitpid's), waiting for the end.
  int wait();

 private:
  pid_t pid_ = -1;
  int out_ = -1;
  std::string pending_;
  bool reaped_ = false;
  int status_ = 0;
};

}  // namespace sync_test
