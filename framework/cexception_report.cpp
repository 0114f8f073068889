// CException::ReportError: the exception's text in a message box.
#include "cexception.h"
#include "cwinapp.h"
#include "cwnd.h"
#include "resource_instance.h"

int CException::ReportError(UINT nType, UINT nMessageID) {
  CString::XCHAR szMessage[512];
  CString text;
  if (GetErrorMessage(szMessage, sizeof(szMessage) / sizeof(szMessage[0])) && szMessage[0] != 0)
    text = szMessage;
  else if (nMessageID != 0)
    text = CString(framework::LoadResourceString(nMessageID));
  if (text.IsEmpty()) text = "No error message is available.";
  HWND hWndOwner = nullptr;
  CWnd::GetSafeOwner(nullptr, &hWndOwner);
  return ::MessageBox(hWndOwner, text, AfxGetAppName(), nType);
}
