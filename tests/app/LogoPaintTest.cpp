// The main dialog's logo: the palette built from the bitmap's colour table, the order of the
// paint on palette and true-colour displays, the minimised icon, and no GDI object left behind.

#include "Automation.h"
#include "Bitmap.h"
#include "ClientDC.h"
#include "Gdi.h"
#include "GdiTesting.h"
#include "InstallerDlg.h"
#include "PackedDib.h"
#include "Palette.h"
#include "ResourceIds.h"
#include "Resources.h"
#include "WidgetHandle.h"

#include <QImage>
#include <QWidget>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Log = std::vector<std::string>;

const std::string logoBlit = "BitBlt paint 13 13 150 276 memory 0 0 SRCCOPY";

// A palette entry as 0xRRGGBBFF (red, green, blue, flags), easy to compare and to read.
unsigned Packed(BYTE red, BYTE green, BYTE blue, BYTE flags) {
    return static_cast<unsigned>(red << 24 | green << 16 | blue << 8 | flags);
}

std::vector<unsigned> EntriesOf(const CPalette& palette) {
    std::vector<PALETTEENTRY> entries(static_cast<std::size_t>(palette.GetEntryCount()));
    palette.GetPaletteEntries(0, static_cast<UINT>(entries.size()), entries.data());
    std::vector<unsigned> packed;
    for (const PALETTEENTRY& entry : entries)
        packed.push_back(Packed(entry.peRed, entry.peGreen, entry.peBlue, entry.peFlags));
    return packed;
}

std::vector<unsigned> HalftoneEntries() {
    CClientDC screen(nullptr);
    CPalette halftone;
    halftone.Attach(CreateHalftonePalette(screen));
    return EntriesOf(halftone);
}

// Runs the main dialog, calls `step` while it is shown, then quits.
template <typename Step> void WithMainDialog(Step step) {
    AutomationScript script;
    script.OnDialog([&](CDialog& dialog) {
        step(dialog);
        Automation::Click(dialog, IDCANCEL);
    });
    CInstallerDlg dialog(nullptr);
    dialog.DoModal();
}

// Paints the dialog once and returns what the paint did.
Log PaintOnce(CDialog& dialog) {
    GdiStartCallLog();
    WidgetFromHandle(dialog.m_hWnd)->grab();
    return GdiTakeCallLog();
}

class LogoPaintTest : public testing::Test {
protected:
    void TearDown() override {
        GdiSetPaletteDisplayForTesting(false);
        GdiClearBitmapResourcesForTesting();
    }
};

TEST_F(LogoPaintTest, ShippedLogoIsAnEightBitDibWithAFullColourTable) {
    const BitmapResource* logo = AfxFindBitmap(IDB_LOGO);
    ASSERT_NE(logo, nullptr);
    ASSERT_EQ(logo->bytes.size(), 43016u);
    BITMAPINFOHEADER header;
    std::memcpy(&header, logo->bytes.data(), sizeof header);
    EXPECT_EQ(header.biSize, 40u);
    EXPECT_EQ(header.biWidth, 150);
    EXPECT_EQ(header.biHeight, 276);
    EXPECT_EQ(header.biPlanes, 1);
    EXPECT_EQ(header.biBitCount, 8);
    EXPECT_EQ(header.biCompression, BI_RGB);
    EXPECT_EQ(header.biSizeImage, 41952u);
    EXPECT_EQ(header.biClrUsed, 0u);
    EXPECT_EQ(header.biClrImportant, 0u);
}

TEST_F(LogoPaintTest, ShippedLogoGetsAPaletteOfItsOwnColours) {
    CInstallerDlg dialog(nullptr);
    CBitmap bitmap;
    CPalette palette;
    ASSERT_TRUE(dialog.LoadBitmapWithPalette(IDB_LOGO, bitmap, palette));
    std::vector<unsigned> entries = EntriesOf(palette);
    ASSERT_EQ(entries.size(), 256u);
    const unsigned char* table = AfxFindBitmap(IDB_LOGO)->bytes.data() + 40;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        // The table stores blue, green, red; the palette red, green, blue.
        EXPECT_EQ(entries[i], Packed(table[4 * i + 2], table[4 * i + 1], table[4 * i], 0))
            << "entry " << i;
    }
}

struct ColourCountCase {
    const char* name;
    PackedDibLayout layout;
    std::size_t tableEntries; // 0: the halftone palette
};

const ColourCountCase colourCountCases[] = {
    {"8 bits, count 16", {.colourCount = 16, .tableEntries = 16}, 16},
    {"8 bits, count 256", {.colourCount = 256}, 256},
    {"1 bit, count 0", {.bitCount = 1, .tableEntries = 2}, 2},
    {"4 bits, count 0", {.bitCount = 4, .tableEntries = 16}, 16},
    {"24 bits, count 257", {.bitCount = 24, .colourCount = 257, .tableEntries = 257}, 0},
    {"16 bits, count 0", {.bitCount = 16, .tableEntries = 0}, 0},
    {"24 bits, count 0", {.bitCount = 24, .tableEntries = 0}, 0},
    {"32 bits, count 0", {.bitCount = 32, .tableEntries = 0}, 0},
};

TEST_F(LogoPaintTest, ColourCountChoosesBetweenTheColourTableAndTheHalftonePalette) {
    CInstallerDlg dialog(nullptr);
    for (const ColourCountCase& c : colourCountCases) {
        GdiSetBitmapResourceForTesting(IDB_LOGO, MakePackedDib(c.layout));
        CBitmap bitmap;
        CPalette palette;
        ASSERT_TRUE(dialog.LoadBitmapWithPalette(IDB_LOGO, bitmap, palette)) << c.name;
        std::vector<unsigned> entries = EntriesOf(palette);
        if (c.tableEntries == 0) {
            EXPECT_EQ(entries, HalftoneEntries()) << c.name;
            continue;
        }
        ASSERT_EQ(entries.size(), c.tableEntries) << c.name;
        for (std::size_t i = 0; i < entries.size(); ++i) {
            RGBQUAD colour = TestTableColour(static_cast<unsigned>(i));
            EXPECT_EQ(entries[i], Packed(colour.rgbRed, colour.rgbGreen, colour.rgbBlue, 0))
                << c.name << ", entry " << i;
        }
    }
}

TEST_F(LogoPaintTest, ColourCountWithoutATableInTheSectionGivesBlackNotStrayBytes) {
    GdiSetBitmapResourceForTesting(
        IDB_LOGO, MakePackedDib({.bitCount = 24, .colourCount = 4, .tableEntries = 4}));
    CInstallerDlg dialog(nullptr);
    CBitmap bitmap;
    CPalette palette;
    ASSERT_TRUE(dialog.LoadBitmapWithPalette(IDB_LOGO, bitmap, palette));
    EXPECT_EQ(EntriesOf(palette), std::vector<unsigned>(4, 0u));
}

TEST_F(LogoPaintTest, MissingBitmapLeavesBothObjectsEmpty) {
    GdiSetBitmapResourceForTesting(IDB_LOGO, {});
    CInstallerDlg dialog(nullptr);
    CBitmap bitmap;
    CPalette palette;
    EXPECT_FALSE(dialog.LoadBitmapWithPalette(IDB_LOGO, bitmap, palette));
    EXPECT_EQ(bitmap.m_hObject, nullptr);
    EXPECT_EQ(palette.m_hObject, nullptr);
}

TEST_F(LogoPaintTest, PaletteDisplaySelectsAndRealisesThePaletteBeforeTheBlit) {
    GdiSetPaletteDisplayForTesting(true);
    Log log;
    WithMainDialog([&](CDialog& dialog) { log = PaintOnce(dialog); });
    EXPECT_EQ(log, (Log{"CreatePalette 256", "SelectPalette paint foreground",
                        "RealizePalette paint", logoBlit, "SelectPalette paint foreground"}));
}

TEST_F(LogoPaintTest, TrueColourDisplayBuildsThePaletteButSelectsNone) {
    Log log;
    WithMainDialog([&](CDialog& dialog) { log = PaintOnce(dialog); });
    EXPECT_EQ(log, (Log{"CreatePalette 256", logoBlit}));
}

TEST_F(LogoPaintTest, RepeatedPaintsLeaveNoGdiObjectBehind) {
    for (bool paletteDisplay : {false, true}) {
        GdiSetPaletteDisplayForTesting(paletteDisplay);
        WithMainDialog([&](CDialog& dialog) {
            int before = GdiLiveObjectCount();
            for (int paint = 0; paint < 100; ++paint)
                WidgetFromHandle(dialog.m_hWnd)->grab();
            EXPECT_EQ(GdiLiveObjectCount(), before) << "palette display " << paletteDisplay;
        });
    }
}

TEST_F(LogoPaintTest, MinimisedTheLogoIsBlittedFirstThenTheIconIsCentred) {
    Log log;
    RECT client{};
    WithMainDialog([&](CDialog& dialog) {
        WidgetFromHandle(dialog.m_hWnd)->showMinimized();
        log = PaintOnce(dialog);
        dialog.GetClientRect(&client);
    });
    int x = (client.right - GetSystemMetrics(SM_CXICON) + 1) / 2;
    int y = (client.bottom - GetSystemMetrics(SM_CYICON) + 1) / 2;
    EXPECT_EQ(log, (Log{"CreatePalette 256", logoBlit,
                        "DrawIcon paint " + std::to_string(x) + " " + std::to_string(y)}));
}

TEST_F(LogoPaintTest, MissingBitmapPaintsTheDialogsBackground) {
    QImage withLogo;
    QImage without;
    WithMainDialog(
        [&](CDialog& dialog) { withLogo = WidgetFromHandle(dialog.m_hWnd)->grab().toImage(); });
    GdiSetBitmapResourceForTesting(IDB_LOGO, {});
    WithMainDialog(
        [&](CDialog& dialog) { without = WidgetFromHandle(dialog.m_hWnd)->grab().toImage(); });
    // Sampled inside the logo's frame, clear of its etched edge.
    QColor background = without.pixelColor(2, 2);
    for (int y = 20; y < 13 + 276; y += 25)
        for (int x = 20; x < 13 + 150; x += 25)
            EXPECT_EQ(without.pixelColor(x, y), background) << x << "," << y;
    EXPECT_NE(withLogo.pixelColor(13 + 75, 13 + 138), background);
}

// The logo's colour at (x, y) from the top-left, straight from the resource.
QColor LogoPixel(int x, int y) {
    const unsigned char* bytes = AfxFindBitmap(IDB_LOGO)->bytes.data();
    unsigned index = bytes[40 + 1024 + (275 - y) * 152 + x];
    const unsigned char* colour = bytes + 40 + 4 * index;
    return QColor(colour[2], colour[1], colour[0]);
}

TEST_F(LogoPaintTest, ScreenshotShowsTheLogoInsideItsEtchedFrame) {
    QImage shot;
    QRect frame;
    WithMainDialog([&](CDialog& dialog) {
        std::string path = testing::TempDir() + "main-dialog-logo.png";
        ASSERT_TRUE(Automation::SaveScreenshot(dialog.m_hWnd, path));
        ASSERT_TRUE(shot.load(QString::fromStdString(path)));
        for (QWidget* child : WidgetFromHandle(dialog.m_hWnd)->findChildren<QWidget*>()) {
            bool logoFrame = ControlIdOf(child) == -1 &&
                             std::strcmp(ControlClassOf(child), "static") == 0 &&
                             (frame.isNull() || child->y() < frame.y());
            if (logoFrame)
                frame = child->geometry();
        }
    });
    ASSERT_FALSE(frame.isNull());
    QRect logo(13, 13, 150, 276);
    EXPECT_TRUE(frame.contains(logo)) << "frame " << frame.x() << "," << frame.y() << " "
                                      << frame.width() << "x" << frame.height();
    // The frame's etched edge, two pixels wide, is drawn over whatever lies beneath it.
    QRect visible = logo & frame.adjusted(2, 2, -2, -2);
    ASSERT_GT(visible.width() * visible.height(), 140 * 270);
    int wrong = 0;
    for (int y = visible.top(); y <= visible.bottom(); ++y)
        for (int x = visible.left(); x <= visible.right(); ++x)
            wrong += shot.pixelColor(x, y) != LogoPixel(x - 13, y - 13);
    EXPECT_EQ(wrong, 0);
}

} // namespace
