// The handles of the Internet functions: a session (InternetOpen) owns connections
// (InternetConnect), which own requests (HttpOpenRequest). They are not kernel handles: a table
// of their own maps each HINTERNET to its object.
#pragma once

#include <wininet.h>

#include <memory>
#include <string>
#include <vector>

namespace platform::inet {

enum class Kind { session, connection, request };

// Time-outs in machine milliseconds. A child takes a copy of its parent's at its creation.
struct Options {
  DWORD connect_timeout = 60000;
  DWORD connect_retries = 5;
  DWORD connect_backoff = 0;
  DWORD send_timeout = 30000;
  DWORD receive_timeout = 30000;
  DWORD data_send_timeout = 30000;
  DWORD data_receive_timeout = 30000;
};

// A status callback as set, with the width of its texts (the A or W form that set it).
struct StatusCallback {
  INTERNET_STATUS_CALLBACK function = nullptr;
  bool wide = false;
};

class InternetHandle {
 public:
  InternetHandle(Kind kind, DWORD_PTR context) : kind_(kind), context_(context) {}
  virtual ~InternetHandle() = default;
  InternetHandle(const InternetHandle&) = delete;
  InternetHandle& operator=(const InternetHandle&) = delete;

  Kind kind() const { return kind_; }
  HINTERNET handle() const { return handle_; }
  DWORD_PTR context() const { return context_; }
  void set_context(DWORD_PTR context) { context_ = context; }
  Options& options() { return options_; }
  StatusCallback& callback() { return callback_; }

  // Reports to the status callback with this handle's context; a handle of context 0 reports
  // nothing, as on Windows.
  void status(DWORD code, const void* information = nullptr, DWORD length = 0) const;
  // A status whose information is a text, in the width of the callback.
  void status_text(DWORD code, const std::string& text) const;
  // Work that must happen before the handle goes (a request ends its transfer).
  virtual void closing() {}

 private:
  friend class HandleTable;
  Kind kind_;
  HINTERNET handle_ = nullptr;
  DWORD_PTR context_;
  Options options_;
  StatusCallback callback_;
  HINTERNET parent_ = nullptr;
  std::vector<HINTERNET> children_;
};

// Registers a new handle as a child of `parent` (null for a session), from which it takes
// options and callback, and reports INTERNET_STATUS_HANDLE_CREATED. Returns its HINTERNET, with
// the last error cleared.
HINTERNET add_handle(std::shared_ptr<InternetHandle> object, const std::shared_ptr<InternetHandle>& parent);
// The object of a handle of one of `kinds`; null with the last error set otherwise
// (ERROR_INVALID_HANDLE, ERROR_INTERNET_INCORRECT_HANDLE_TYPE).
std::shared_ptr<InternetHandle> find_handle(HINTERNET handle, std::initializer_list<Kind> kinds);
template <class T>
std::shared_ptr<T> find_as(HINTERNET handle, Kind kind) {
  return std::static_pointer_cast<T>(find_handle(handle, {kind}));
}
// Closes a handle and, first, every handle below it. False when it is no handle.
bool close_handle(HINTERNET handle);

// The options that a new session starts with (InternetSetOption on a null handle).
Options& default_options();

}  // namespace platform::inet
