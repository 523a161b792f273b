#pragma once

#include "Dialog.h"

// The main dialog: the release's logo, title and information lines, and its three buttons.
class CInstallerDlg : public CDialog {
public:
    explicit CInstallerDlg(CWnd* parent = nullptr);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    HCURSOR OnQueryDragIcon();
    void OnReadNfo();

    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
