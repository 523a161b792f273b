#pragma once

// A dialog that holds a folder tree as control 1010 the way the Select Folder dialog does: the
// framework's object for the control is a CFolderTreeCtrl, and the dialog forwards the four
// notifications to it. It can start with the desktop filled, or empty for stand-in folders.

#include "Dialog.h"
#include "FolderTreeCtrl.h"

#include <functional>

constexpr UINT IDD_TREE_HOST = 900;
constexpr int IDC_TREE = 1010;

class CTreeHostDlg : public CDialog {
public:
    explicit CTreeHostDlg(bool fillFromDesktop = true);

    CFolderTreeCtrl* Tree() const { return m_pTree; }

    CString m_selPath;
    int expandingCount = 0;
    int selChangedCount = 0;

    DECLARE_MESSAGE_MAP()

protected:
    BOOL OnInitDialog() override;
    std::unique_ptr<CWnd> CreateControlObject(int id, const char* className) override;

private:
    void OnItemExpandingTree(NMHDR* notification, LRESULT* result);
    void OnSelChangedTree(NMHDR* notification, LRESULT* result);
    void OnDeleteItemTree(NMHDR* notification, LRESULT* result);
    void OnRightClickTree(NMHDR* notification, LRESULT* result);

    bool m_fillFromDesktop;
    CFolderTreeCtrl* m_pTree = nullptr;
};
