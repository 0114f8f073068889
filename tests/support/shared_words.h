// Numbers that the processes of one test share through a mapped host file, beside the machine:
// what each has done, which the others read without asking the machine. Waits spin; none sleeps.
#pragma once

#include <fcntl.h>
#include <sched.h>
#include <sys/mman.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <cstdint>
#include <filesystem>

namespace testing_support {

class SharedWords {
 public:
  // Maps `count` words of `file`, made (zeroed) when it does not exist yet.
  SharedWords(const std::filesystem::path& file, size_t count) : count_(count) {
    int fd = open(file.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return;
    if (ftruncate(fd, off_t(count * sizeof(uint64_t))) == 0) {
      void* mapped = mmap(nullptr, count * sizeof(uint64_t), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
      if (mapped != MAP_FAILED) words_ = static_cast<uint64_t*>(mapped);
    }
    close(fd);
  }
  ~SharedWords() {
    if (words_) munmap(words_, count_ * sizeof(uint64_t));
  }
  SharedWords(const SharedWords&) = delete;
  SharedWords& operator=(const SharedWords&) = delete;

  bool mapped() const { return words_ != nullptr; }
  uint64_t load(size_t i) const { return std::atomic_ref<uint64_t>(words_[i]).load(); }
  void store(size_t i, uint64_t value) { std::atomic_ref<uint64_t>(words_[i]).store(value); }
  // Until word `i` holds `value`; false after `limit` (a peer that died or went wrong).
  bool wait_for(size_t i, uint64_t value, std::chrono::seconds limit = std::chrono::seconds(120)) const {
    auto deadline = std::chrono::steady_clock::now() + limit;
    while (load(i) != value) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      sched_yield();
    }
    return true;
  }

 private:
  size_t count_;
  uint64_t* words_ = nullptr;
};

}  // namespace testing_support
