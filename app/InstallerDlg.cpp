#include "InstallerDlg.h"

#include "AboutBoxDlg.h"
#include "AppTexts.h"
#include "Bitmap.h"
#include "ClientDC.h"
#include "CurrentDirectory.h"
#include "Gdi.h"
#include "Icon.h"
#include "InstallDlg.h"
#include "InstallSettings.h"
#include "PaintDC.h"
#include "Palette.h"
#include "ResourceIds.h"
#include "ShellExecute.h"
#include "WinApp.h"

#include <cstdint>
#include <memory>

BEGIN_MESSAGE_MAP(CInstallerDlg, CDialog)
ON_WM_SYSCOMMAND()
ON_WM_PAINT()
ON_WM_QUERYDRAGICON()
ON_BN_CLICKED(IDC_READ_NFO, &CInstallerDlg::OnReadNfo)
ON_BN_CLICKED(IDC_INSTALL, &CInstallerDlg::OnOpenInstallDialog)
END_MESSAGE_MAP()

CInstallerDlg::CInstallerDlg(CWnd* parent)
    : CDialog(IDD_INSTALLER_DIALOG, parent), m_hIcon(LoadIcon(nullptr, IDI_APPLICATION)) {}

void CInstallerDlg::DoDataExchange(CDataExchange*) {}

BOOL CInstallerDlg::OnInitDialog() {
    CDialog::OnInitDialog();

    if (CMenu* systemMenu = GetSystemMenu(FALSE)) {
        CString aboutMenu;
        aboutMenu.LoadString(IDS_ABOUTBOX);
        if (!aboutMenu.IsEmpty()) {
            systemMenu->AppendMenu(MF_SEPARATOR);
            systemMenu->AppendMenu(MF_STRING, IDM_ABOUTBOX, aboutMenu);
        }
    }

    SendMessage(WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(m_hIcon));
    SendMessage(WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(m_hIcon));

    CString version;
    version.LoadString(IDS_VERSION);
    CString directory = GetCurrentDirectoryPath();
    CString appName = ReadInstallSetting(directory, "AppName", "INI MISSING");
    SetWindowText(kVersionPrefix + version + " - " + appName);

    CString line1 = ReadInstallSetting(directory, "InfoLine1", "");
    CString line2 = ReadInstallSetting(directory, "InfoLine2", "");
    CString line3 = ReadInstallSetting(directory, "InfoLine3", "");
    SetDlgItemText(IDC_APP_INFO, line1 + "\n" + line2 + "\n" + line3);
    return TRUE;
}

void CInstallerDlg::OnCancel() {
    CDialog::OnCancel();
}

void CInstallerDlg::OnSysCommand(UINT id, LPARAM lParam) {
    // The low four bits are the system's own, so ids 16 to 31 all name the about entry.
    if ((id & 0xFFF0) == IDM_ABOUTBOX) {
        CAboutBoxDlg about(nullptr);
        about.DoModal();
    } else {
        CDialog::OnSysCommand(id, lParam);
    }
}

void CInstallerDlg::OnPaint() {
    CPaintDC dc(this);
    CDC memoryDC;
    memoryDC.CreateCompatibleDC(&dc);
    CBitmap bitmap;
    CPalette palette;
    LoadBitmapWithPalette(IDB_LOGO, bitmap, palette);
    CBitmap* originalBitmap = memoryDC.SelectObject(&bitmap);

    CPalette* originalPalette = nullptr;
    if ((dc.GetDeviceCaps(RASTERCAPS) & RC_PALETTE) && palette.m_hObject) {
        originalPalette = dc.SelectPalette(&palette, FALSE);
        dc.RealizePalette();
    }
    dc.BitBlt(13, 13, 150, 276, &memoryDC, 0, 0, SRCCOPY);

    if (IsIconic()) {
        CPaintDC iconDC(this);
        SendMessage(WM_ICONERASEBKGND, reinterpret_cast<WPARAM>(iconDC.GetSafeHdc()), 0);
        int iconWidth = GetSystemMetrics(SM_CXICON);
        int iconHeight = GetSystemMetrics(SM_CYICON);
        RECT client;
        GetClientRect(&client);
        int x = (client.right - client.left - iconWidth + 1) / 2;
        int y = (client.bottom - client.top - iconHeight + 1) / 2;
        iconDC.DrawIcon(x, y, m_hIcon);
    } else {
        CDialog::OnPaint();
    }

    // Each object leaves the context that holds it first: a selected object cannot be deleted.
    if (originalPalette)
        dc.SelectPalette(originalPalette, FALSE);
    palette.DeleteObject();
    if (originalBitmap)
        memoryDC.SelectObject(originalBitmap);
    bitmap.DeleteObject();
    memoryDC.DeleteDC();
}

BOOL CInstallerDlg::LoadBitmapWithPalette(UINT resourceId, CBitmap& bitmap, CPalette& palette) {
    HANDLE image = LoadImage(AfxGetInstanceHandle(), MAKEINTRESOURCE(resourceId), IMAGE_BITMAP, 0,
                             0, LR_CREATEDIBSECTION);
    if (!image)
        return FALSE;
    bitmap.Attach(image);

    DIBSECTION section{};
    bitmap.GetObject(sizeof section, &section);
    const BITMAPINFOHEADER& header = section.dsBmih;
    // Counted in 64 bits: 32 bits per pixel with no colour count makes 2^32 colours, so such a
    // bitmap takes the halftone palette like every other one with more than 256.
    std::uint64_t colourCount =
        header.biClrUsed ? header.biClrUsed : std::uint64_t{1} << header.biBitCount;

    CClientDC screenDC(nullptr);
    if (colourCount > 256) {
        palette.Attach(CreateHalftonePalette(screenDC));
    } else {
        auto count = static_cast<UINT>(colourCount);
        // Zeroed, so entries that the section does not hold come out black, not as stray bytes.
        auto colours = std::make_unique<RGBQUAD[]>(count);
        CDC memoryDC;
        memoryDC.CreateCompatibleDC(&screenDC);
        memoryDC.SelectObject(&bitmap);
        GetDIBColorTable(memoryDC, 0, count, colours.get());

        auto logPaletteBytes =
            std::make_unique<unsigned char[]>(sizeof(LOGPALETTE) + count * sizeof(PALETTEENTRY));
        auto* logPalette = reinterpret_cast<LOGPALETTE*>(logPaletteBytes.get());
        logPalette->palVersion = PALVERSION;
        logPalette->palNumEntries = static_cast<WORD>(count);
        PALETTEENTRY* entries = logPalette->palPalEntry;
        for (UINT i = 0; i < count; ++i)
            entries[i] = {colours[i].rgbRed, colours[i].rgbGreen, colours[i].rgbBlue, 0};
        palette.Attach(CreatePalette(logPalette));

        logPaletteBytes.reset();
        colours.reset();
        // The bitmap is still selected; deleting the context lets go of it without deleting it.
        memoryDC.DeleteDC();
    }
    return TRUE;
}

HCURSOR CInstallerDlg::OnQueryDragIcon() {
    return m_hIcon;
}

void CInstallerDlg::OnReadNfo() {
    CString directory = GetCurrentDirectoryPath();
    ShellExecuteA(m_hWnd, "open", "notepad.exe", "plovrin.nfo", directory, SW_SHOWNORMAL);
}

void CInstallerDlg::OnOpenInstallDialog() {
    CInstallDlg install(nullptr);
    install.DoModal();
}
