// The dialog templates, control by control, in template (and tab) order; positions and sizes
// in dialog units.

#include "Dialogs.h"

#include "ResourceIds.h"
#include "Styles.h"

namespace {
constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kModalDialog = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT;

constexpr ControlTemplate kAboutBoxControls[] = {
    {IDC_APP_INFO, "static", "App Info", 7, 7, 144, 40, kChild | SS_LEFT | SS_NOPREFIX | WS_GROUP},
    {IDOK, "button", "OK", 156, 19, 54, 14, kChild | BS_DEFPUSHBUTTON | WS_GROUP | WS_TABSTOP},
};

constexpr ControlTemplate kInstallerControls[] = {
    {IDC_INSTALL, "button", "Install...", 117, 7, 60, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {IDC_READ_NFO, "button", "Read .NFO", 117, 22, 60, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {IDCANCEL, "button", "Quit", 117, 165, 60, 14, kChild | BS_PUSHBUTTON | WS_TABSTOP},
    {-1, "static", "", 7, 7, 103, 173, kChild | SS_ETCHEDFRAME},
    {-1, "static", "", 7, 186, 170, 36, kChild | SS_ETCHEDFRAME},
    {IDC_APP_INFO, "static", "App Info", 12, 192, 159, 24, kChild | SS_CENTER | WS_GROUP},
};

constexpr DialogTemplate kDialogTemplates[] = {
    {IDD_ABOUTBOX, "About PLOVRIN Installer", "MS Sans Serif", 8, 0, 0, 217, 54, kModalDialog, 0,
     kAboutBoxControls},
    {IDD_INSTALLER_DIALOG, "PLOVRIN Installer v0.2", "MS Sans Serif", 8, 0, 0, 184, 229,
     kModalDialog | WS_VISIBLE, WS_EX_APPWINDOW, kInstallerControls},
};
} // namespace

std::span<const DialogTemplate> DialogTemplates() {
    return kDialogTemplates;
}
