#include "InstallerDlg.h"

#include "AboutBoxDlg.h"
#include "CurrentDirectory.h"
#include "Icon.h"
#include "InstallSettings.h"
#include "ResourceIds.h"
#include "ShellExecute.h"

BEGIN_MESSAGE_MAP(CInstallerDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_READ_NFO, &CInstallerDlg::OnReadNfo)
END_MESSAGE_MAP()

CInstallerDlg::CInstallerDlg(CWnd* parent)
    : CDialog(IDD_INSTALLER_DIALOG, parent), m_hIcon(LoadIcon(nullptr, IDI_APPLICATION)) {}

void CInstallerDlg::DoDataExchange(CDataExchange*) {}

BOOL CInstallerDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        CString aboutMenu;
        aboutMenu.LoadString(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    CString version;
    version.LoadString(IDS_VERSION);
    CString directory = GetCurrentDirectoryPath();
    CString appName = ReadInstallSetting(directory, "AppName", "INI MISSING");
    SetWindowText("PLOVRIN Installer v" + version + " - " + appName);

    CString line1 = ReadInstallSetting(directory, "InfoLine1", "");
    CString line2 = ReadInstallSetting(directory, "InfoLine2", "");
    CString line3 = ReadInstallSetting(directory, "InfoLine3", "");
    SetDlgItemText(IDC_APP_INFO, line1 + "\n" + line2 + "\n" + line3);
    return TRUE;
}

void CInstallerDlg::OnCancel() {
    CDialog::OnCancel();
}

void CInstallerDlg::OnSysCommand(UINT id, LPARAM lParam) {
    // The low four bits are the system's own, so ids 16 to 31 all name the about entry.
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutBoxDlg about(nullptr);
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

HCURSOR CInstallerDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CInstallerDlg::OnReadNfo() {
    CString directory = GetCurrentDirectoryPath();
    ShellExecuteA(m_hWnd, "open", "plovrin.nfo", nullptr, directory, SW_SHOWNORMAL);
}
