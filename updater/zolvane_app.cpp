#include "zolvane_app.h"

#include <commctrl.h>

#include "zolvane_dlg.h"

CZolvaneApp::CZolvaneApp() {}

BOOL CZolvaneApp::InitInstance() {
  INITCOMMONCONTROLSEX controls = {};
  controls.dwSize = sizeof controls;
  controls.dwICC = ICC_WIN95_CLASSES;
  InitCommonControlsEx(&controls);
  CWinApp::InitInstance();
  AfxEnableControlContainer();
  SetRegistryKey("Local AppWizard-Generated Applications");

  CZolvaneDlg dlg;
  m_pMainWnd = &dlg;
  dlg.DoModal();  // how it ended does not matter: the program ends either way
  return FALSE;
}
