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

constexpr ControlTemplate kInstallControls[] = {
    {IDC_SET_FOLDER, "button", "Set Folder", 133, 20, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
    {IDC_DEST_FOLDER, "edit", "", 15, 20, 112, 14,
     kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDC_INSTALL, "button", "Install", 75, 118, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
    {-1, "button", "Installation Folder", 7, 7, 186, 37, kChild | BS_GROUPBOX},
    {-1, "button", "Status", 7, 47, 186, 63, kChild | BS_GROUPBOX},
    {IDC_STATUS_ENTRY, "static", "Static", 23, 72, 159, 8, kChild | WS_GROUP | SS_LEFT},
    {IDC_STATUS_ARCHIVE, "static", "Static", 23, 62, 159, 8, kChild | WS_GROUP | SS_LEFT},
    {IDC_PROGRESS, "msctls_progress32", "Progress1", 23, 88, 153, 8, kChild},
};

constexpr ControlTemplate kSelectFolderControls[] = {
    {IDC_FOLDER_TREE, "SysTreeView32", "Tree1", 7, 7, 194, 140,
     kChild | WS_BORDER | WS_TABSTOP | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT},
    {IDC_SELECT_OK, "button", "OK", 108, 154, 57, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {IDC_CREATE_FOLDER, "button", "Create Folder...", 42, 154, 57, 14,
     kChild | WS_TABSTOP | BS_PUSHBUTTON},
};

constexpr ControlTemplate kFolderNameControls[] = {
    {IDC_FOLDER_NAME, "edit", "", 7, 7, 140, 14, kChild | WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL},
    {IDOK, "button", "OK", 23, 29, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON},
    {IDCANCEL, "button", "Cancel", 81, 29, 50, 14, kChild | WS_TABSTOP | BS_PUSHBUTTON},
};

constexpr DialogTemplate kDialogTemplates[] = {
    {IDD_ABOUTBOX, "About PLOVRIN Installer", "MS Sans Serif", 8, 0, 0, 217, 54, kModalDialog, 0,
     kAboutBoxControls},
    {IDD_INSTALLER_DIALOG, "PLOVRIN Installer v0.2", "MS Sans Serif", 8, 0, 0, 184, 229,
     kModalDialog | WS_VISIBLE, WS_EX_APPWINDOW, kInstallerControls},
    {IDD_INSTALL, "Install", "MS Sans Serif", 8, 0, 0, 200, 140, kModalDialog, 0, kInstallControls},
    {IDD_SELECT_FOLDER, "Select Folder", "MS Sans Serif", 8, 0, 0, 208, 175, kModalDialog, 0,
     kSelectFolderControls},
    {IDD_FOLDER_NAME, "Enter Folder Name", "MS Sans Serif", 8, 0, 0, 154, 50, kModalDialog, 0,
     kFolderNameControls},
};
} // namespace

std::span<const DialogTemplate> DialogTemplates() {
    return kDialogTemplates;
}
