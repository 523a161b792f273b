#include "FolderNameDlg.h"

#include "AppTexts.h"
#include "Directory.h"
#include "ResourceIds.h"

BEGIN_MESSAGE_MAP(CFolderNameDlg, CDialog)
ON_EN_CHANGE(IDC_FOLDER_NAME, &CFolderNameDlg::OnChangeFolderName)
END_MESSAGE_MAP()

CFolderNameDlg::CFolderNameDlg(CWnd* parent) : CDialog(IDD_FOLDER_NAME, parent) {}

CString CFolderNameDlg::JoinPath(const CString& parentPath, const CString& folderName) {
    if (!parentPath.IsEmpty() && parentPath[parentPath.GetLength() - 1] == '/') {
        return parentPath + folderName;
    }
    return parentPath + "/" + folderName;
}

void CFolderNameDlg::DoDataExchange(CDataExchange* dx) {
    DDX_Text(dx, IDC_FOLDER_NAME, m_folderName);
}

void CFolderNameDlg::OnChangeFolderName() {
    UpdateData(TRUE);
}

void CFolderNameDlg::OnOK() {
    m_newPath = JoinPath(m_parentPath, m_folderName);
    // One level only; the cause of a failure is not told apart.
    if (_mkdir(m_newPath) != 0) {
        MessageBox("Could not create folder.\n\nMake sure the folder you specified does not\n"
                   "already exist.",
                   kInstallerCaption, MB_OK | MB_ICONERROR);
        MessageBox(m_parentPath, nullptr, MB_OK);
        return;
    }
    UpdateData(FALSE);
    CDialog::OnOK();
}
