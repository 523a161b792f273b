// Logical palettes and the display's palette capability.

#include "Palette.h"

#include "ClientDC.h"
#include "Gdi.h"
#include "GdiTesting.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

TEST(PaletteTest, CreatePaletteCopiesEveryEntry) {
    std::vector<unsigned char> storage(sizeof(LOGPALETTE) + 2 * sizeof(PALETTEENTRY));
    auto* logPalette = reinterpret_cast<LOGPALETTE*>(storage.data());
    logPalette->palVersion = PALVERSION;
    logPalette->palNumEntries = 3;
    PALETTEENTRY* entries = logPalette->palPalEntry;
    entries[0] = {10, 20, 30, 0};
    entries[1] = {40, 50, 60, 0};
    entries[2] = {70, 80, 90, 0};

    CPalette palette;
    ASSERT_TRUE(palette.Attach(CreatePalette(logPalette)));
    EXPECT_EQ(palette.GetEntryCount(), 3);
    PALETTEENTRY read[3]{};
    EXPECT_EQ(palette.GetPaletteEntries(0, 5, read), 3u);
    EXPECT_EQ(read[2].peRed, 70);
    EXPECT_EQ(read[2].peGreen, 80);
    EXPECT_EQ(read[2].peBlue, 90);
}

TEST(PaletteTest, RefusesMalformedLogicalPalettes) {
    LOGPALETTE wrongVersion{0x200, 1, {{0, 0, 0, 0}}};
    LOGPALETTE empty{PALVERSION, 0, {{0, 0, 0, 0}}};
    EXPECT_EQ(CreatePalette(&wrongVersion), nullptr);
    EXPECT_EQ(CreatePalette(&empty), nullptr);
    EXPECT_EQ(CreatePalette(nullptr), nullptr);
}

TEST(PaletteTest, HalftonePaletteHasAColourCubeAndGreys) {
    CClientDC screen(nullptr);
    CPalette halftone;
    ASSERT_TRUE(halftone.Attach(CreateHalftonePalette(screen)));
    ASSERT_EQ(halftone.GetEntryCount(), 256);
    std::vector<PALETTEENTRY> entries(256);
    halftone.GetPaletteEntries(0, 256, entries.data());
    EXPECT_EQ(entries[0].peRed + entries[0].peGreen + entries[0].peBlue, 0);
    EXPECT_EQ(entries[215].peRed, 255);
    EXPECT_EQ(entries[215].peBlue, 255);
    for (int i = 216; i < 256; ++i) {
        EXPECT_EQ(entries[i].peRed, entries[i].peBlue) << i;
        EXPECT_EQ(entries[i].peFlags, 0) << i;
    }
}

TEST(PaletteTest, OnlyAPaletteDisplayReportsAndRealisesPalettes) {
    CClientDC screen(nullptr);
    CPalette halftone;
    halftone.Attach(CreateHalftonePalette(screen));

    EXPECT_EQ(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, 0);
    CPalette* original = screen.SelectPalette(&halftone, FALSE);
    EXPECT_EQ(screen.RealizePalette(), 0u);

    GdiSetPaletteDisplayForTesting(true);
    EXPECT_EQ(screen.GetDeviceCaps(RASTERCAPS) & RC_PALETTE, RC_PALETTE);
    EXPECT_EQ(screen.RealizePalette(), 256u);
    GdiSetPaletteDisplayForTesting(false);
    screen.SelectPalette(original, FALSE);
}

} // namespace
