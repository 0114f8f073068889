// The IP address control as a child of the recording parent, with its address read back.
#pragma once

#include "conformance/comctl/comctl_fixture.h"

namespace comctl_test {

template <class Base>
class IpAddressOn : public ComctlTestOn<Base> {
 protected:
  void SetUp() override {
    ComctlTestOn<Base>::SetUp();
    ip_ = this->make(WC_IPADDRESSW, WS_TABSTOP, 1009);
    ASSERT_NE(ip_, nullptr);
    notices().clear();
  }
  DWORD address(LRESULT* filled = nullptr) {
    DWORD a = 0xDEADBEEF;
    LRESULT n = SendMessageW(ip_, IPM_GETADDRESS, 0, LPARAM(&a));
    if (filled) *filled = n;
    return a;
  }
  HWND ip_ = nullptr;
};

}  // namespace comctl_test
