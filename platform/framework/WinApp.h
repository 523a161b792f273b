#pragma once

// The application object and the program's entry routine.

#include "CmdTarget.h"
#include "WinTypes.h"

class CWnd;

constexpr UINT ID_HELP = 57670;

class CWinApp : public CCmdTarget {
public:
    // The one application object registers itself; a null name takes the program file's name.
    explicit CWinApp(LPCTSTR appName = nullptr);
    ~CWinApp() override;

    virtual BOOL InitInstance();
    virtual int Run();
    virtual int ExitInstance();

    // Dialog controls are always drawn three-dimensional here; kept for the program's start-up.
    BOOL Enable3dControlsStatic() { return TRUE; }
    // No help file is shipped: the help command has nothing to show.
    void OnHelp() {}

    CWnd* m_pMainWnd = nullptr;
    LPCTSTR m_pszAppName = nullptr;

    DECLARE_MESSAGE_MAP()
};

CWinApp* AfxGetApp();
LPCTSTR AfxGetAppName();
HINSTANCE AfxGetInstanceHandle();
// The window that owns a new dialog or box: the innermost running dialog, else the main window.
CWnd* AfxGetActiveWindow();

// Sets up the windowing system and the application's name from the program's path.
BOOL AfxWinInit(int argc, char** argv);
// Closes the windowing system before the program's static objects go.
void AfxWinTerm();
// The entry routine: initialise, run InitInstance, then the message loop only if it returned TRUE.
int AfxWinMain(int argc, char** argv);
