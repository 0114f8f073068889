#include "kernel/thread.h"

#include <pthread.h>
#include <unistd.h>

#include <cerrno>

#include "kernel/mutex.h"
#include "kernel/wait.h"

namespace platform::thread {
namespace {

class Thread final : public ThreadObject {
 public:
  Thread(DWORD id, DWORD suspend_count) : id_(id), suspend_count_(suspend_count) {}

  DWORD id() const override { return id_; }
  bool signaled(DWORD) override { return done_; }

  DWORD exit_code() override {
    std::lock_guard held(wait::mutex());
    return done_ ? code_ : DWORD(STILL_ACTIVE);
  }

  DWORD resume() override {
    DWORD before;
    {
      std::lock_guard held(wait::mutex());
      before = suspend_count_;
      if (suspend_count_ > 0) --suspend_count_;
    }
    wait::notify(this);
    return before;
  }

  // Called on the new thread: its id becomes known, then it waits to be resumed.
  void begin(DWORD id) {
    {
      std::lock_guard held(wait::mutex());
      id_ = id;
    }
    wait::notify(this);
    std::unique_lock held(wait::mutex());
    wait::until(held, INFINITE, false, [this] { return suspend_count_ == 0; });
  }

  void wait_for_id() {
    std::unique_lock held(wait::mutex());
    wait::until(held, INFINITE, false, [this] { return id_ != 0; });
  }

  void finish(DWORD code) {
    {
      std::lock_guard held(wait::mutex());
      done_ = true;
      code_ = code;
    }
    wait::notify(this);
  }

 private:
  std::atomic<DWORD> id_;
  // The rest is guarded by wait::mutex().
  DWORD suspend_count_;
  bool done_ = false;
  DWORD code_ = 0;
};

// The calling thread's object and the code it ends with. A thread the platform started ends
// in run(); any other thread when its thread-local storage goes away.
struct State {
  std::shared_ptr<Thread> self;
  DWORD exit_code = 0;
  bool ended = false;

  void end() {
    if (ended) return;
    ended = true;
    mutexes::abandon_owned_by_this_thread();  // before the thread handle is signalled
    if (self) self->finish(exit_code);
  }
  ~State() { end(); }
};

thread_local State t_state;

struct Launch {
  std::shared_ptr<Thread> thread;
  std::function<DWORD()> body;
};

void* run(void* argument) {
  std::unique_ptr<Launch> launch(static_cast<Launch*>(argument));
  State& state = t_state;
  state.self = launch->thread;
  launch->thread->begin(current_id());
  struct Ender {
    State& state;
    ~Ender() { state.end(); }  // also when ExitThread unwinds the thread
  } ender{state};
  state.exit_code = launch->body();
  return nullptr;
}

}  // namespace

// Asked on every lock taken and left: the system call it would cost each time is most of a lock's
// price. A thread keeps its id for its life, and no process here forks without an exec.
DWORD current_id() {
  thread_local const DWORD id = DWORD(gettid());
  return id;
}

std::shared_ptr<ThreadObject> current() {
  State& state = t_state;
  if (!state.self) state.self = std::make_shared<Thread>(current_id(), 0);
  return state.self;
}

std::shared_ptr<ThreadObject> start(std::function<DWORD()> body, bool suspended) {
  auto thread = std::make_shared<Thread>(0, suspended ? 1 : 0);
  auto* launch = new Launch{thread, std::move(body)};
  pthread_attr_t attributes;
  pthread_attr_init(&attributes);
  pthread_attr_setdetachstate(&attributes, PTHREAD_CREATE_DETACHED);
  pthread_t handle;
  int error = pthread_create(&handle, &attributes, run, launch);
  pthread_attr_destroy(&attributes);
  if (error) {
    delete launch;
    errno = error;
    return nullptr;
  }
  thread->wait_for_id();
  return thread;
}

void exit(DWORD code) {
  t_state.exit_code = code;
  pthread_exit(nullptr);
}

}  // namespace platform::thread
