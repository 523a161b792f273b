#include "TreeHostDlg.h"

BEGIN_MESSAGE_MAP(CTreeHostDlg, CDialog)
ON_NOTIFY(TVN_ITEMEXPANDING, IDC_TREE, &CTreeHostDlg::OnItemExpandingTree)
ON_NOTIFY(TVN_SELCHANGED, IDC_TREE, &CTreeHostDlg::OnSelChangedTree)
ON_NOTIFY(TVN_DELETEITEM, IDC_TREE, &CTreeHostDlg::OnDeleteItemTree)
ON_NOTIFY(NM_RCLICK, IDC_TREE, &CTreeHostDlg::OnRightClickTree)
END_MESSAGE_MAP()

CTreeHostDlg::CTreeHostDlg(bool fillFromDesktop)
    : CDialog(IDD_TREE_HOST), m_fillFromDesktop(fillFromDesktop) {}

BOOL CTreeHostDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    m_pTree = static_cast<CFolderTreeCtrl*>(GetDlgItem(IDC_TREE));
    m_pTree->SetSystemImageList();
    if (m_fillFromDesktop) {
        m_pTree->FillFromDesktop();
    }
    return TRUE;
}

std::unique_ptr<CWnd> CTreeHostDlg::CreateControlObject(int id, const char* className) {
    if (id == IDC_TREE) {
        return std::make_unique<CFolderTreeCtrl>();
    }
    return CDialog::CreateControlObject(id, className);
}

void CTreeHostDlg::OnItemExpandingTree(NMHDR* notification, LRESULT* result) {
    ++expandingCount;
    m_pTree->HandleItemExpanding(notification, result);
    *result = 0;
}

void CTreeHostDlg::OnSelChangedTree(NMHDR* notification, LRESULT* result) {
    ++selChangedCount;
    m_pTree->HandleSelChanged(notification, result, &m_selPath);
    *result = 0;
}

void CTreeHostDlg::OnDeleteItemTree(NMHDR* notification, LRESULT* result) {
    m_pTree->HandleDeleteItem(notification, result);
    *result = 0;
}

void CTreeHostDlg::OnRightClickTree(NMHDR* notification, LRESULT* result) {
    m_pTree->HandleRightClick(notification, result);
    *result = 0;
}
