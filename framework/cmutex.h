// A Windows mutex, optionally named (shared with other processes) and initially owned.
// Creation failure throws a CResourceException.
#pragma once

#include "csyncobject.h"

class CMutex : public CSyncObject {
  DECLARE_DYNAMIC(CMutex)

 public:
  explicit CMutex(BOOL bInitiallyOwn = FALSE, CString::PCXSTR lpszName = nullptr,
                  LPSECURITY_ATTRIBUTES lpsaAttribute = nullptr);
  ~CMutex() override;

  BOOL Unlock() override;
  using CSyncObject::Unlock;
};
