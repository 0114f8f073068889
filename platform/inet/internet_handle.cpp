#include "inet/internet_handle.h"

#include <algorithm>
#include <map>
#include <mutex>

#include "kernel/text.h"

namespace platform::inet {

class HandleTable {
 public:
  static HandleTable& instance() {
    static HandleTable table;
    return table;
  }

  HINTERNET add(std::shared_ptr<InternetHandle> object, const std::shared_ptr<InternetHandle>& parent) {
    std::lock_guard lock(mutex_);
    // Small, aligned and never reused while the process runs, as WinInet's handles look.
    next_ += 4;
    object->handle_ = reinterpret_cast<HINTERNET>(next_);
    if (parent) {
      object->parent_ = parent->handle_;
      object->options_ = parent->options_;
      object->callback_ = parent->callback_;
      parent->children_.push_back(object->handle_);
    } else {
      object->options_ = default_options_;
    }
    handles_[object->handle_] = object;
    return object->handle_;
  }

  std::shared_ptr<InternetHandle> find(HINTERNET handle) {
    std::lock_guard lock(mutex_);
    auto it = handles_.find(handle);
    return it == handles_.end() ? nullptr : it->second;
  }

  // Children first, so that each closing reports while its parent still stands.
  bool close(HINTERNET handle) {
    std::shared_ptr<InternetHandle> object = find(handle);
    if (!object) return false;
    std::vector<HINTERNET> children;
    {
      std::lock_guard lock(mutex_);
      children = object->children_;
    }
    for (HINTERNET child : children) close(child);
    object->closing();
    object->status(INTERNET_STATUS_HANDLE_CLOSING, &handle, sizeof handle);
    std::lock_guard lock(mutex_);
    if (auto parent = handles_.find(object->parent_); parent != handles_.end())
      std::erase(parent->second->children_, handle);
    handles_.erase(handle);
    return true;
  }

  Options& default_options() { return default_options_; }

 private:
  std::mutex mutex_;
  std::map<HINTERNET, std::shared_ptr<InternetHandle>> handles_;
  uintptr_t next_ = 0x00CC0000;
  Options default_options_;
};

void InternetHandle::status(DWORD code, const void* information, DWORD length) const {
  if (!callback_.function || callback_.function == INTERNET_INVALID_STATUS_CALLBACK || context_ == 0) return;
  callback_.function(handle_, context_, code, const_cast<void*>(information), length);
}

void InternetHandle::status_text(DWORD code, const std::string& text) const {
  if (callback_.wide) {
    std::u16string wide = text::from_ansi(text);
    status(code, wide.c_str(), DWORD((wide.size() + 1) * sizeof(char16_t)));
  } else {
    status(code, text.c_str(), DWORD(text.size() + 1));
  }
}

HINTERNET add_handle(std::shared_ptr<InternetHandle> object, const std::shared_ptr<InternetHandle>& parent) {
  HINTERNET handle = HandleTable::instance().add(object, parent);
  INTERNET_ASYNC_RESULT created{reinterpret_cast<DWORD_PTR>(handle), 0};
  object->status(INTERNET_STATUS_HANDLE_CREATED, &created, sizeof created);
  SetLastError(ERROR_SUCCESS);
  return handle;
}

std::shared_ptr<InternetHandle> find_handle(HINTERNET handle, std::initializer_list<Kind> kinds) {
  std::shared_ptr<InternetHandle> object = HandleTable::instance().find(handle);
  if (!object) {
    SetLastError(ERROR_INVALID_HANDLE);
    return nullptr;
  }
  if (std::find(kinds.begin(), kinds.end(), object->kind()) == kinds.end()) {
    SetLastError(ERROR_INTERNET_INCORRECT_HANDLE_TYPE);
    return nullptr;
  }
  return object;
}

bool close_handle(HINTERNET handle) { return HandleTable::instance().close(handle); }

Options& default_options() { return HandleTable::instance().default_options(); }

}  // namespace platform::inet
