#pragma once

// The numbers of the program's resources and of the controls its code addresses.

// Dialog templates.
constexpr unsigned IDD_ABOUTBOX = 100;
constexpr unsigned IDD_INSTALLER_DIALOG = 102;
constexpr unsigned IDD_INSTALL = 132;
constexpr unsigned IDD_SELECT_FOLDER = 133;
constexpr unsigned IDD_FOLDER_NAME = 134;

// Strings.
constexpr unsigned IDS_ABOUTBOX = 101;
constexpr unsigned IDS_VERSION = 102;

// Bitmaps.
constexpr unsigned IDB_LOGO = 137;

// Controls.
constexpr int IDC_INSTALL = 1004;
constexpr int IDC_READ_NFO = 1005;
constexpr int IDC_DEST_FOLDER = 1006;
constexpr int IDC_SET_FOLDER = 1007;
constexpr int IDC_STATUS_ENTRY = 1009;
constexpr int IDC_STATUS_ARCHIVE = 1010;
constexpr int IDC_FOLDER_TREE = 1010;
constexpr int IDC_SELECT_OK = 1012;
constexpr int IDC_FOLDER_NAME = 1013;
constexpr int IDC_CREATE_FOLDER = 1014;
constexpr int IDC_APP_INFO = 1015;
constexpr int IDC_PROGRESS = 1016;

// The window-menu command that opens the about box.
constexpr unsigned IDM_ABOUTBOX = 0x0010;
