// A thread for the tests of both builds, used as std::thread is (construct with a callable, then
// join). On Linux it is std::thread: a thread the platform did not start, which the platform
// must serve as well as its own. mingw-w64's win32 thread model has no std::thread, so the
// Windows build starts one with CreateThread.
#pragma once

#ifdef _WIN32

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <utility>

namespace testing_support {

class Thread {
 public:
  template <class F>
  explicit Thread(F body) : body_(std::make_unique<std::function<void()>>(std::move(body))) {
    handle_ = CreateThread(nullptr, 0, run, body_.get(), 0, nullptr);
    if (!handle_) std::terminate();
  }
  Thread(Thread&& other) noexcept
      : body_(std::move(other.body_)), handle_(std::exchange(other.handle_, nullptr)) {}
  Thread& operator=(Thread&&) = delete;
  ~Thread() {
    if (handle_) std::terminate();  // as std::thread: a thread must be joined
  }

  void join() {
    WaitForSingleObject(handle_, INFINITE);
    CloseHandle(handle_);
    handle_ = nullptr;
  }

 private:
  static DWORD WINAPI run(LPVOID body) {
    (*static_cast<std::function<void()>*>(body))();
    return 0;
  }

  std::unique_ptr<std::function<void()>> body_;
  HANDLE handle_ = nullptr;
};

}  // namespace testing_support

#else

#include <thread>

namespace testing_support {

using Thread = std::thread;

}  // namespace testing_support

#endif
