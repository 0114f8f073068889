// The replacement: the selected archive in place of the service program, and the service
// installed again.
#include "cexception.h"
#include "cwinapp.h"
#include "file_found.h"
#include "launch_folder.h"
#include "reinstall_dialer_service.h"
#include "shell_file_operation.h"
#include "stop_dialer_service.h"
#include "zolvane_dlg.h"

void CZolvaneDlg::OnBnClickedUseSelected() {
  StopDialerService();
  CString strFolder = LaunchFolder();
  try {
    CString strArchive;
    m_versionList.GetText(m_versionList.GetCurSel(), strArchive);
    strArchive += ".exe";
    if (!FileFound(strFolder + strArchive)) {
      MessageBox("The item selected is invalid because the file does not exist.", "Error", MB_ICONSTOP);
      return;
    }

    // Not empty: a backup may have been made, and a failed copy restores it.
    CString strBackup;
    if (FileFound(strFolder + "Tarvolt.exe")) {
      strBackup = "DeleteMe.exe";
      // Without the rename the copy overwrites the program in place.
      if (FileFound(strArchive))
        ShellFileOperation(FO_RENAME, "renaming previous file", strFolder + "tarvolt.exe", strFolder + "DeleteMe.exe");
    }
    bool bCopied = ShellFileOperation(FO_COPY, "Copying archive to current executable", strFolder + strArchive,
                                      strFolder + "Tarvolt.exe");
    if (bCopied) {
      if (!FileFound(strFolder + "Tarvolt.exe"))
        MessageBox("File copy said ok but not ok\n\n" + strFolder + "Tarvolt.exe", AfxGetAppName(), MB_OK);
      if (FileFound("DeleteMe.exe"))
        ShellFileOperation(FO_DELETE, "Removing old version", strFolder + "DeleteMe.exe", strFolder + "DeleteMe.exe");
      ReinstallDialerService();
      MessageBox("Successfully updated your dialer to " + strArchive, "Success", MB_OK);
      OnOK();
    } else if (!strBackup.IsEmpty()) {
      if (FileFound(strFolder + "DeleteMe.exe"))
        ShellFileOperation(FO_RENAME, "Removing old version", strFolder + "DeleteMe.exe", strFolder + "Tarvolt.exe");
      MessageBox("Unable to update your dialer to the selected version\nRestoring previous version", "Error",
                 MB_ICONSTOP);
    } else {
      MessageBox("Unable to update your dialer to the selected version.", "Error", MB_ICONSTOP);
    }
  } catch (CException* e) {
    e->Delete();
    MessageBox("There was an exception during the process of updating from the selected file", AfxGetAppName(),
               MB_OK);
  }
}
