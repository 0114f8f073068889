// The dialog's two downloads: the newest version the update server's index names, and the
// archive of a typed date from the product web host.
#include <memory>

#include "afxinet.h"
#include "cwinapp.h"
#include "file_found.h"
#include "get_web_file.h"
#include "index_value.h"
#include "latest_exec_url.h"
#include "shell_file_operation.h"
#include "update_hosts.h"
#include "zolvane_dlg.h"

int CZolvaneDlg::FetchUpdateIndex(LPCSTR pszHost, CString& strIndexText) {
  CInternetSession session(AfxGetAppName(), 1, PRE_CONFIG_INTERNET_ACCESS);
  strIndexText.Empty();
  std::unique_ptr<CHttpConnection> pConnection(session.GetHttpConnection(pszHost, INTERNET_DEFAULT_HTTP_PORT));
  if (!pConnection) {
    session.Close();
    return -1;
  }
  std::unique_ptr<CHttpFile> pRequest(
      pConnection->OpenRequest("GET", "/", nullptr, 1, nullptr, nullptr, INTERNET_FLAG_EXISTING_CONNECT));
  // Whatever comes back is the index: an error page simply holds no key.
  pRequest->SendRequest();
  CString strLine;
  while (pRequest->ReadString(strLine)) strIndexText += strLine + "\r\n";
  pRequest->Close();
  pConnection->Close();
  session.Close();
  return 0;
}

int CZolvaneDlg::DownloadLatestVersion(CString& strFileName) {
  CString strIndexText;
  BeginWaitCursor();
  FetchUpdateIndex(UPDATE_SERVER_HOST, strIndexText);
  EndWaitCursor();

  CString strUrl;
  if (GetIndexValue("latestexec_url", strIndexText, strUrl) < 1) return 0;
  CString strHost, strName;
  SplitLatestExecUrl(strUrl, strHost, strName);
  // The name is the server's: one that could reach outside the current directory is refused
  // before anything is deleted or written.
  if (!IsPlainFileName(strName)) {
    strFileName = strName;
    return 0;
  }
  if (FileFound(strName)) {
    m_downloadLatestButton.EnableWindow(FALSE);
    ShellFileOperation(FO_DELETE, "Removeing old file", strName, strName);
  }
  strFileName = strName;
  return GetWebFile("Zolvane", strHost, "/" + strName, strName);
}

void CZolvaneDlg::OnBnClickedDownloadLatest() {
  CString strFileName;
  if (DownloadLatestVersion(strFileName) == WEB_FILE_RECEIVED) {
    strFileName.Replace(".exe", "");
    RefreshVersionList();
    MessageBox("Successfully downloaded " + strFileName + "\nTo use it select the file below", "Download successful",
               MB_OK);
    GetDlgItem(IDC_USE_SELECTED)->SetFocus();
  } else {
    MessageBox("Unable to download " + strFileName, AfxGetAppName(), MB_OK);
  }
}

void CZolvaneDlg::OnBnClickedDownloadSpecified() {
  CString strDate;
  m_versionDateEdit.GetWindowText(strDate);
  m_downloadSpecifiedButton.EnableWindow(FALSE);
  BeginWaitCursor();
  // Only the length is checked: the text is requested as typed.
  if (!strDate.IsEmpty() && strDate.GetLength() >= 8) {
    CString strObjectPath = "/tarvolt" + strDate + ".exe";
    CString strLocalName = strObjectPath;
    strLocalName.Remove('/');
    int nResult = GetWebFile("License Updater", PRODUCT_WEB_HOST, strObjectPath, strLocalName);
    if (nResult == WEB_FILE_RECEIVED) {
      if (FileFound(strLocalName)) {
        RefreshVersionList();
        MessageBox("Successfully downloaded " + strLocalName + "\nTo use it select the file below",
                   "Download successful", MB_OK);
        GetDlgItem(IDC_USE_SELECTED)->SetFocus();
      }
    } else {
      CString strMessage;
      strMessage.Format("Unable to download new dialer service\nThe error was %d", nResult);
      MessageBox(strMessage, "Downloading Error", MB_ICONSTOP);
    }
  } else {
    MessageBox("You must enter a version date to download\nAlso verify the correct format YYYYMMDD.", AfxGetAppName(),
               MB_OK);
  }
  m_downloadSpecifiedButton.EnableWindow(TRUE);
  EndWaitCursor();
}
