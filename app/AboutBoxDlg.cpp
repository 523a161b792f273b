#include "AboutBoxDlg.h"

#include "AppTexts.h"
#include "ResourceIds.h"

CAboutBoxDlg::CAboutBoxDlg(CWnd* parent) : CDialog(IDD_ABOUTBOX, parent) {}

void CAboutBoxDlg::DoDataExchange(CDataExchange*) {}

BOOL CAboutBoxDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    CString version;
    version.LoadString(IDS_VERSION);
    SetDlgItemText(IDC_APP_INFO, kVersionPrefix + version + kCredits);
    return TRUE;
}
