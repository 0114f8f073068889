// The page of the address the server must assign: any address (the default), or one required
// static address, which the settings test offers.
#pragma once

#include "cbutton.h"
#include "cipaddressctrl.h"
#include "cstringt.h"
#include "wizard_page.h"

class CAddrAssignmentPage : public CWizardPage {
 public:
  CAddrAssignmentPage();

  BOOL OnInitDialog() override;
  // The first time in the process: the dynamic choice with the test's address offered. In
  // unattended mode "-i" chooses the static address.
  BOOL OnSetActive() override;

  // The text of the address field when the static choice holds (a blank field reads
  // "0.0.0.0"); otherwise empty.
  CString GetRequiredIp() const;

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnDynamicIp();
  afx_msg void OnStaticIp();
  DECLARE_MESSAGE_MAP()

 private:
  CIPAddressCtrl m_address;
  CButton m_dynamicIp;
  CButton m_staticIp;
};
