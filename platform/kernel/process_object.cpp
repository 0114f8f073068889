#include "kernel/process_object.h"

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <map>
#include <mutex>
#include <optional>
#include <thread>

#include "kernel/handles.h"
#include "kernel/wait.h"

namespace platform {
namespace {

// The state of a child, guarded by wait::mutex().
struct ChildRecord {
  explicit ChildRecord(pid_t p) : pid(p) {}
  const pid_t pid;
  bool ended = false;
  DWORD code = STILL_ACTIVE;
  std::optional<UINT> terminated_with;
};

// Windows codes for the signals a Linux program dies of.
DWORD code_of(const siginfo_t& info, const ChildRecord& child) {
  if (info.si_code == CLD_EXITED) return DWORD(info.si_status);
  if (info.si_status == SIGKILL && child.terminated_with) return *child.terminated_with;
  switch (info.si_status) {
    case SIGABRT: return 3;  // abort()
    case SIGSEGV:
    case SIGBUS: return 0xC0000005;  // access violation
    default: return 1;
  }
}

struct Children {
  std::mutex lock;
  std::map<pid_t, std::weak_ptr<ChildRecord>> by_pid;
};

Children& children() {
  static auto* c = new Children;  // used by reaper threads still running at exit
  return *c;
}

// Sees the end of the child while it is still a zombie, so that its id is not reused before
// the record says it ended, then reaps it.
void reap(std::shared_ptr<ChildRecord> child) {
  siginfo_t info{};
  int r;
  do r = waitid(P_PID, child->pid, &info, WEXITED | WNOWAIT);
  while (r < 0 && errno == EINTR);
  {
    std::lock_guard g(wait::mutex());
    child->ended = true;
    child->code = r == 0 ? code_of(info, *child) : 1;
  }
  {
    std::lock_guard g(children().lock);
    children().by_pid.erase(child->pid);
  }
  while (waitpid(child->pid, nullptr, 0) < 0 && errno == EINTR) {
  }
  wait::notify_all();
}

class ChildProcess final : public ProcessObject {
 public:
  explicit ChildProcess(std::shared_ptr<ChildRecord> record) : record_(std::move(record)) {}
  bool signaled(DWORD) override { return record_->ended; }
  DWORD id() const override { return DWORD(record_->pid); }
  DWORD exit_code() override { return record_->ended ? record_->code : STILL_ACTIVE; }
  BOOL terminate(UINT code) override {
    std::lock_guard g(wait::mutex());
    if (record_->ended) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
    record_->terminated_with = code;
    kill(record_->pid, SIGKILL);
    return TRUE;
  }

 private:
  std::shared_ptr<ChildRecord> record_;
};

// Through syscall(): not every C library declares these for C++.
int pidfd_open(pid_t pid) { return int(syscall(SYS_pidfd_open, pid, 0)); }
int pidfd_kill(int pidfd) { return int(syscall(SYS_pidfd_send_signal, pidfd, SIGKILL, nullptr, 0)); }

// A process this one did not create: its end is seen through a pidfd, its exit code is not
// known here (0 once it ended).
class OtherProcess final : public ProcessObject {
 public:
  OtherProcess(pid_t pid, int pidfd) : pid_(pid), pidfd_(pidfd) {}
  ~OtherProcess() override { close(pidfd_); }
  bool signaled(DWORD) override {
    pollfd p{pidfd_, POLLIN, 0};
    return poll(&p, 1, 0) > 0;
  }
  bool polled() const override { return true; }
  DWORD id() const override { return DWORD(pid_); }
  DWORD exit_code() override { return signaled(0) ? 0 : STILL_ACTIVE; }
  BOOL terminate(UINT) override {
    if (pidfd_kill(pidfd_) == 0) return TRUE;
    SetLastError(ERROR_ACCESS_DENIED);
    return FALSE;
  }

 private:
  pid_t pid_;
  int pidfd_;
};

class CurrentProcess final : public ProcessObject {
 public:
  bool signaled(DWORD) override { return false; }
  DWORD id() const override { return DWORD(getpid()); }
  DWORD exit_code() override { return STILL_ACTIVE; }
  BOOL terminate(UINT code) override { _exit(int(code)); }
};

class PrimaryThread final : public Waitable {
 public:
  explicit PrimaryThread(std::shared_ptr<ProcessObject> process) : process_(std::move(process)) {}
  bool signaled(DWORD tid) override { return process_->signaled(tid); }
  bool polled() const override { return process_->polled(); }

 private:
  std::shared_ptr<ProcessObject> process_;
};

const HANDLE kCurrentProcess = reinterpret_cast<HANDLE>(-1);

}  // namespace

std::shared_ptr<ProcessObject> watch_child(pid_t pid) {
  auto record = std::make_shared<ChildRecord>(pid);
  {
    std::lock_guard g(children().lock);
    children().by_pid[pid] = record;
  }
  std::thread(reap, record).detach();
  return std::make_shared<ChildProcess>(record);
}

std::shared_ptr<Waitable> primary_thread(std::shared_ptr<ProcessObject> process) {
  return std::make_shared<PrimaryThread>(std::move(process));
}

std::shared_ptr<ProcessObject> open_process(DWORD id) {
  pid_t pid = pid_t(id);
  if (pid == getpid()) return std::make_shared<CurrentProcess>();
  {
    std::lock_guard g(children().lock);
    auto it = children().by_pid.find(pid);
    if (it != children().by_pid.end())
      if (auto record = it->second.lock()) return std::make_shared<ChildProcess>(record);
  }
  int pidfd = pid > 0 ? pidfd_open(pid) : -1;
  return pidfd < 0 ? nullptr : std::make_shared<OtherProcess>(pid, pidfd);
}

std::shared_ptr<ProcessObject> process_of(HANDLE h) {
  if (h == kCurrentProcess) return std::make_shared<CurrentProcess>();
  return handles::get_as<ProcessObject>(h);
}

bool is_current_process(HANDLE h) {
  auto process = process_of(h);
  return process && process->id() == DWORD(getpid());
}

}  // namespace platform
