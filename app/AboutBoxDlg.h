#pragma once

#include "Dialog.h"

// Names the installer and its version and credits its authors.
class CAboutBoxDlg : public CDialog {
public:
    explicit CAboutBoxDlg(CWnd* parent = nullptr);

    // The lines under the version line: code and design, art, an empty line, the notice.
    static constexpr const char* kCredits = "\nCode and design: the PLOVRIN team\n"
                                            "Art: the PLOVRIN team\n"
                                            "\n"
                                            "Copyright (c) 2026 the PLOVRIN team";

protected:
    void DoDataExchange(CDataExchange* dx) override;
    BOOL OnInitDialog() override;
};
