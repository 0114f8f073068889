// An IP address control: four fields of 0 to 255, each of which may be blank.
#pragma once

#include "cwnd.h"

class CIPAddressCtrl : public CWnd {
  DECLARE_DYNAMIC(CIPAddressCtrl)

 public:
  CIPAddressCtrl() = default;

  using CWnd::Create;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);

  // Both return the number of fields that are not blank; blank fields read as 0.
  int GetAddress(BYTE& nField0, BYTE& nField1, BYTE& nField2, BYTE& nField3) const;
  int GetAddress(DWORD& dwAddress) const;
  // The first field in the high byte, as the address is written.
  void SetAddress(DWORD dwAddress);
  void SetAddress(BYTE nField0, BYTE nField1, BYTE nField2, BYTE nField3);
  void ClearAddress();
  BOOL IsBlank() const;
  void SetFieldFocus(WORD nField);
  void SetFieldRange(int nField, BYTE nLower, BYTE nUpper);
};
