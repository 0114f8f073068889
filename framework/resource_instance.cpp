#include "resource_instance.h"

#include "cwinapp.h"

namespace framework {

HINSTANCE ResourceInstance() {
  HINSTANCE hInstance = AfxGetInstanceHandle();
  return hInstance != nullptr ? hInstance : ::GetModuleHandleW(nullptr);
}

CStringW LoadResourceString(UINT nID) {
  const wchar_t* text = nullptr;
  int length = ::LoadStringW(ResourceInstance(), nID, reinterpret_cast<LPWSTR>(&text), 0);
  return length > 0 ? CStringW(text, length) : CStringW();
}

}  // namespace framework
