#pragma once

// Picks the installation folder in a tree of the desktop's folders, or creates one under the
// selection and takes it at once. The caller reads m_chosenPath after DoModal.

#include "Dialog.h"
#include "FolderTreeCtrl.h"

class CSelectFolderDlg : public CDialog {
public:
    explicit CSelectFolderDlg(CWnd* parent = nullptr);

    CString m_chosenPath;
    CString m_selPath;
    // The framework's object for control 1010, which it owns until the control goes.
    CFolderTreeCtrl* m_pTree = nullptr;

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    // Control 1010 is stood for by a folder tree.
    std::unique_ptr<CWnd> CreateControlObject(int id, const char* className) override;

private:
    void OnItemExpandingTree(NMHDR* notification, LRESULT* result);
    void OnSelChangedTree(NMHDR* notification, LRESULT* result);
    void OnDeleteItemTree(NMHDR* notification, LRESULT* result);
    void OnCreateFolder();
    void OnOkButton();
    void OnRightClickTree(NMHDR* notification, LRESULT* result);
};
