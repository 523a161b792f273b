#pragma once

#include "WinApp.h"

// The installer: one main dialog, run modally; the program ends when it closes.
class CInstallerApp : public CWinApp {
public:
    BOOL InitInstance() override;

    DECLARE_MESSAGE_MAP()
};
