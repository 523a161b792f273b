#pragma once

// Asks for the name of a new folder and creates it in the parent folder before closing, so that
// IDOK always means the folder at m_newPath has just been made.

#include "Dialog.h"

class CFolderNameDlg : public CDialog {
public:
    explicit CFolderNameDlg(CWnd* parent = nullptr);

    CString m_newPath;
    CString m_parentPath;
    CString m_folderName;

    // The parent path and the name joined with one separator.
    static CString JoinPath(const CString& parentPath, const CString& folderName);

    DECLARE_MESSAGE_MAP()

protected:
    void DoDataExchange(CDataExchange* dx) override;
    void OnOK() override;

private:
    void OnChangeFolderName();
};
