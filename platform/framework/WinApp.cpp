#include "WinApp.h"

#include "Dialog.h"
#include "InputGate.h"
#include "ModalStack.h"

#include <QApplication>
#include <filesystem>
#include <memory>
#include <string>

namespace {
CWinApp* g_app = nullptr;
std::string g_appName = "plovrin";
std::unique_ptr<QApplication> g_qtApplication;
int g_argc = 0;
} // namespace

BEGIN_MESSAGE_MAP(CWinApp, CCmdTarget)
ON_COMMAND(ID_HELP, &CWinApp::OnHelp)
END_MESSAGE_MAP()

CWinApp::CWinApp(LPCTSTR appName) : m_pszAppName(appName) {
    g_app = this;
}

CWinApp::~CWinApp() {
    if (g_app == this) {
        g_app = nullptr;
    }
}

BOOL CWinApp::InitInstance() {
    return TRUE;
}

int CWinApp::Run() {
    int code = QApplication::exec();
    ExitInstance();
    return code;
}

int CWinApp::ExitInstance() {
    return 0;
}

CWinApp* AfxGetApp() {
    return g_app;
}

LPCTSTR AfxGetAppName() {
    return g_app && g_app->m_pszAppName ? g_app->m_pszAppName : g_appName.c_str();
}

HINSTANCE AfxGetInstanceHandle() {
    // One module: the program itself. The handle only has to be the same for every caller.
    static char module;
    return reinterpret_cast<HINSTANCE>(&module);
}

CWnd* AfxGetActiveWindow() {
    if (CDialog* innermost = ModalStack::Innermost()) {
        return innermost;
    }
    return g_app ? g_app->m_pMainWnd : nullptr;
}

BOOL AfxWinInit(int argc, char** argv) {
    if (argc > 0 && argv[0]) {
        g_appName = std::filesystem::path(argv[0]).stem().string();
    }
    if (!g_qtApplication) {
        g_argc = argc;
        g_qtApplication = std::make_unique<QApplication>(g_argc, argv);
        g_qtApplication->installEventFilter(new InputGate(g_qtApplication.get()));
    }
    return TRUE;
}

void AfxWinTerm() {
    g_qtApplication.reset();
}

int AfxWinMain(int argc, char** argv) {
    AfxWinInit(argc, argv);
    CWinApp* app = AfxGetApp();
    int code = 0;
    if (app && app->InitInstance()) {
        code = app->Run();
    } else if (app) {
        code = app->ExitInstance();
    }
    AfxWinTerm();
    return code;
}
