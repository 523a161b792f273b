#pragma once

#include "Dialog.h"
#include "ProgressCtrl.h"

#include <functional>

// The Install dialog: the destination folder, and the Install command that extracts the whole
// release archive there in two passes, counting the entries first.
class CInstallDlg : public CDialog {
public:
    explicit CInstallDlg(CWnd* parent = nullptr);

    CProgressCtrl m_progress;
    CString m_destFolder;

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;

    void OnSetFolder();
    void OnInstall();

    DECLARE_MESSAGE_MAP()

private:
    struct PassOutcome {
        bool reachedEnd = false; // every entry was visited: the last header read said so
        bool entryFailed = false;
    };

    // Opens the archive in the mode; false (after its box) when there is no archive to read.
    bool OpenArchive(unsigned mode);
    // Visits every entry, calling beforeProcess ahead of each one.
    PassOutcome VisitEntries(const std::function<void()>& beforeProcess);
    void ShowEntry();
    void ShowError(const char* text);
};
