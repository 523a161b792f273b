#include "InstallerApp.h"

#include "InstallerDlg.h"

BEGIN_MESSAGE_MAP(CInstallerApp, CWinApp)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

BOOL CInstallerApp::InitInstance() {
    Enable3dControlsStatic();
    CInstallerDlg dialog(nullptr);
    m_pMainWnd = &dialog;
    dialog.DoModal();
    m_pMainWnd = nullptr;
    // FALSE: no message loop of the application's own, so the program ends with the dialog.
    return FALSE;
}
