// The wrapper objects of one thread's GDI handles (objects and device contexts) and menus: the permanent
// ones, attached by the program, and temporary ones that FromHandle makes for handles without
// one. Temporaries let go of their handles before they are deleted (DeleteTempMap, idle time,
// the thread's end): they never owned them.
#pragma once

#include <windows.h>

#include <memory>
#include <unordered_map>

namespace framework {

template <class Wrapper, class Handle, Handle Wrapper::*member>
class GdiHandleMap {
 public:
  GdiHandleMap() = default;
  GdiHandleMap(const GdiHandleMap&) = delete;
  GdiHandleMap& operator=(const GdiHandleMap&) = delete;
  ~GdiHandleMap() { DeleteTemporaries(); }

  static GdiHandleMap& Current() {
    thread_local GdiHandleMap map;
    return map;
  }

  void SetPermanent(Handle h, Wrapper* pWrapper) { permanent_[h] = pWrapper; }
  void RemovePermanent(Handle h) { permanent_.erase(h); }

  // The permanent wrapper of h, or a temporary one made by create; null for a null handle.
  template <class Create>
  Wrapper* FromHandle(Handle h, Create create) {
    if (h == nullptr) return nullptr;
    auto found = permanent_.find(h);
    if (found != permanent_.end()) return found->second;
    std::unique_ptr<Wrapper>& pTemporary = temporary_[h];
    if (pTemporary == nullptr) {
      pTemporary.reset(create());
      (*pTemporary).*member = h;
    }
    return pTemporary.get();
  }

  void DeleteTemporaries() {
    for (auto& [h, pTemporary] : temporary_) (*pTemporary).*member = nullptr;
    temporary_.clear();
  }

 private:
  std::unordered_map<Handle, Wrapper*> permanent_;
  std::unordered_map<Handle, std::unique_ptr<Wrapper>> temporary_;
};

}  // namespace framework
