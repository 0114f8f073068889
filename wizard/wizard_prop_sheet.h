// The wizard's window: a property sheet in wizard mode with a picture and the step list along
// its left edge. It keeps what every page uses: the fonts, the tick and cross pictures, and the
// map from a page's template to its step.
#pragma once

#include "addr_assignment_page.h"
#include "almost_there_page.h"
#include "auth_page.h"
#include "cbitmap.h"
#include "cfont.h"
#include "cmap.h"
#include "cpropertysheet.h"
#include "cstatic.h"
#include "error_page.h"
#include "final_config_page.h"
#include "router_addr_page.h"
#include "server_addr_page.h"
#include "setup_progress_ctrl.h"
#include "split_tunneling_page.h"
#include "welcome_page.h"

class CWizardPropSheet : public CPropertySheet {
 public:
  CWizardPropSheet();

  BOOL OnInitDialog() override;
  // Sets or clears the tick of the step that the page of this template completes, if it has one.
  void MarkStepDone(UINT nIDTemplate, bool bDone);

  CBitmap m_backgroundBitmap;
  CStatic m_borders[4];
  CStatic m_background;
  CSetupProgressCtrl m_progressCtrl;
  CMap<UINT, UINT, UINT, UINT> m_stepMap;
  CBitmap m_tickBitmap;
  CBitmap m_crossBitmap;
  CFont m_titleFont;
  CFont m_textFont;

  CWelcomePage m_welcomePage;
  CServerAddrPage m_serverAddrPage;
  CRouterAddrPage m_routerAddrPage;
  CSplitTunnelingPage m_splitTunnelingPage;
  CAuthPage m_authPage;
  CAddrAssignmentPage m_addrAssignmentPage;
  CAlmostTherePage m_almostTherePage;
  CFinalConfigPage m_finalConfigPage;
  CErrorPage m_errorPage;
};
