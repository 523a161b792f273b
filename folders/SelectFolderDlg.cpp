#include "SelectFolderDlg.h"

#include "FolderNameDlg.h"
#include "ResourceIds.h"

BEGIN_MESSAGE_MAP(CSelectFolderDlg, CDialog)
ON_NOTIFY(TVN_ITEMEXPANDING, IDC_FOLDER_TREE, &CSelectFolderDlg::OnItemExpandingTree)
ON_NOTIFY(TVN_SELCHANGED, IDC_FOLDER_TREE, &CSelectFolderDlg::OnSelChangedTree)
ON_NOTIFY(TVN_DELETEITEM, IDC_FOLDER_TREE, &CSelectFolderDlg::OnDeleteItemTree)
ON_BN_CLICKED(IDC_CREATE_FOLDER, &CSelectFolderDlg::OnCreateFolder)
ON_BN_CLICKED(IDC_SELECT_OK, &CSelectFolderDlg::OnOkButton)
ON_NOTIFY(NM_RCLICK, IDC_FOLDER_TREE, &CSelectFolderDlg::OnRightClickTree)
END_MESSAGE_MAP()

CSelectFolderDlg::CSelectFolderDlg(CWnd* parent) : CDialog(IDD_SELECT_FOLDER, parent) {}

void CSelectFolderDlg::DoDataExchange(CDataExchange*) {}

BOOL CSelectFolderDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    // The framework made this object a folder tree (CreateControlObject), so the cast is exact.
    m_pTree = static_cast<CFolderTreeCtrl*>(GetDlgItem(IDC_FOLDER_TREE));
    m_pTree->SetSystemImageList();
    m_pTree->FillFromDesktop();
    return TRUE;
}

std::unique_ptr<CWnd> CSelectFolderDlg::CreateControlObject(int id, const char* className) {
    if (id == IDC_FOLDER_TREE) {
        return std::make_unique<CFolderTreeCtrl>();
    }
    return CDialog::CreateControlObject(id, className);
}

void CSelectFolderDlg::OnItemExpandingTree(NMHDR* notification, LRESULT* result) {
    m_pTree->HandleItemExpanding(notification, result);
    *result = 0;
}

void CSelectFolderDlg::OnSelChangedTree(NMHDR* notification, LRESULT* result) {
    m_pTree->HandleSelChanged(notification, result, &m_selPath);
    *result = 0;
}

void CSelectFolderDlg::OnDeleteItemTree(NMHDR* notification, LRESULT* result) {
    m_pTree->HandleDeleteItem(notification, result);
    *result = 0;
}

void CSelectFolderDlg::OnRightClickTree(NMHDR* notification, LRESULT* result) {
    m_pTree->HandleRightClick(notification, result);
    *result = 0;
}

void CSelectFolderDlg::OnOkButton() {
    m_chosenPath = m_selPath;
    OnOK();
}

void CSelectFolderDlg::OnCreateFolder() {
    CFolderNameDlg folderName(nullptr);
    folderName.m_parentPath = m_selPath;
    if (folderName.DoModal() == IDOK) {
        m_chosenPath = folderName.m_newPath;
        OnOK();
    }
}
