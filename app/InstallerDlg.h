#pragma once

#include "Dialog.h"

class CBitmap;
class CPalette;

// The main dialog: the release's logo, title and information lines, and its three buttons.
class CInstallerDlg : public CDialog {
public:
    explicit CInstallerDlg(CWnd* parent = nullptr);

    // Loads a bitmap resource as a DIB section into `bitmap` and builds a palette from its
    // colour table into `palette`; FALSE, with both left empty, when it cannot be loaded.
    BOOL LoadBitmapWithPalette(UINT resourceId, CBitmap& bitmap, CPalette& palette);

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;

    void OnSysCommand(UINT id, LPARAM lParam);
    void OnPaint();
    HCURSOR OnQueryDragIcon();
    void OnReadNfo();
    void OnOpenInstallDialog();

    HICON m_hIcon;

    DECLARE_MESSAGE_MAP()
};
