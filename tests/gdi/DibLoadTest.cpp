// Loading bitmap resources as DIB sections: what loads, what is refused, and what the section
// reports about itself.

#include "Gdi.h"
#include "GdiTesting.h"
#include "PackedDib.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT testId = 900;

HANDLE LoadTestBitmap(std::vector<unsigned char> bytes) {
    GdiSetBitmapResourceForTesting(testId, std::move(bytes));
    return LoadImage(nullptr, MAKEINTRESOURCE(testId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
}

class DibLoadTest : public testing::Test {
protected:
    void TearDown() override { GdiClearBitmapResourcesForTesting(); }
};

struct LoadCase {
    const char* name;
    PackedDibLayout layout;
    int trimBytes; // cut from the end of the packed bitmap
    bool loads;
};

const LoadCase loadCases[] = {
    {"full 8-bit table", {}, 0, true},
    {"8-bit with 16 colours", {.colourCount = 16, .tableEntries = 16}, 0, true},
    {"top-down rows", {.height = -2}, 0, true},
    {"24-bit without table", {.bitCount = 24, .tableEntries = 0}, 0, true},
    {"24-bit with 257-entry table",
     {.bitCount = 24, .colourCount = 257, .tableEntries = 257},
     0,
     true},
    {"4-bit", {.bitCount = 4, .tableEntries = 16}, 0, true},
    {"pixels cut short", {}, 1, false},
    {"colour table cut short", {.tableEntries = 255}, 0, false},
    {"more colours than 8 bits index", {.colourCount = 257, .tableEntries = 257}, 0, false},
    {"run-length compressed", {.compression = 1}, 0, false},
    {"no width", {.width = 0}, 0, false},
    {"no height", {.height = 0}, 0, false},
    {"unknown depth", {.bitCount = 7}, 0, false},
};

TEST_F(DibLoadTest, LoadsCompleteUncompressedBitmapsOnly) {
    for (const LoadCase& c : loadCases) {
        std::vector<unsigned char> bytes = MakePackedDib(c.layout);
        bytes.resize(bytes.size() - static_cast<std::size_t>(c.trimBytes));
        HANDLE bitmap = LoadTestBitmap(bytes);
        EXPECT_EQ(bitmap != nullptr, c.loads) << c.name;
        DeleteObject(bitmap);
    }
}

TEST_F(DibLoadTest, RefusesWhatItCannotLoadAsDibSection) {
    GdiSetBitmapResourceForTesting(testId, MakePackedDib({}));
    LPCSTR name = MAKEINTRESOURCE(testId);
    EXPECT_EQ(LoadImage(nullptr, name, IMAGE_BITMAP, 0, 0, 0), nullptr);
    EXPECT_EQ(LoadImage(nullptr, name, IMAGE_BITMAP, 10, 10, LR_CREATEDIBSECTION), nullptr);
    EXPECT_EQ(LoadImage(nullptr, name, 1, 0, 0, LR_CREATEDIBSECTION), nullptr);
    EXPECT_EQ(
        LoadImage(nullptr, MAKEINTRESOURCE(testId + 1), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION),
        nullptr);
    GdiSetBitmapResourceForTesting(testId, {});
    EXPECT_EQ(LoadImage(nullptr, name, IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION), nullptr);
}

TEST_F(DibLoadTest, SectionReportsItsHeaderAsStored) {
    HANDLE bitmap = LoadTestBitmap(MakePackedDib({.width = 150, .height = 276, .colourCount = 0}));
    ASSERT_NE(bitmap, nullptr);
    DIBSECTION section{};
    ASSERT_EQ(GetObject(bitmap, sizeof section, &section), static_cast<int>(sizeof section));
    EXPECT_EQ(section.dsBm.bmWidth, 150);
    EXPECT_EQ(section.dsBm.bmHeight, 276);
    EXPECT_EQ(section.dsBm.bmWidthBytes, 152);
    EXPECT_EQ(section.dsBm.bmBitsPixel, 8);
    EXPECT_NE(section.dsBm.bmBits, nullptr);
    EXPECT_EQ(section.dsBmih.biSize, 40u);
    EXPECT_EQ(section.dsBmih.biHeight, 276);
    EXPECT_EQ(section.dsBmih.biBitCount, 8);
    EXPECT_EQ(section.dsBmih.biClrUsed, 0u);
    EXPECT_EQ(section.dsBmih.biSizeImage, 41952u);

    BITMAP only{};
    EXPECT_EQ(GetObject(bitmap, sizeof only, &only), static_cast<int>(sizeof only));
    EXPECT_EQ(only.bmWidth, 150);
    EXPECT_EQ(GetObject(bitmap, 4, &only), 0);
    DeleteObject(bitmap);
}

TEST_F(DibLoadTest, ColourTableIsReadThroughAContextHoldingTheSection) {
    HANDLE bitmap = LoadTestBitmap(MakePackedDib({.colourCount = 16, .tableEntries = 16}));
    HDC memory = CreateCompatibleDC(nullptr);
    RGBQUAD table[20]{};
    EXPECT_EQ(GetDIBColorTable(memory, 0, 20, table), 0u) << "no section selected yet";

    SelectObject(memory, bitmap);
    EXPECT_EQ(GetDIBColorTable(memory, 0, 20, table), 16u) << "only the stored entries";
    for (unsigned i = 0; i < 16; ++i) {
        EXPECT_EQ(table[i].rgbRed, TestTableColour(i).rgbRed);
        EXPECT_EQ(table[i].rgbGreen, TestTableColour(i).rgbGreen);
        EXPECT_EQ(table[i].rgbBlue, TestTableColour(i).rgbBlue);
    }
    EXPECT_EQ(GetDIBColorTable(memory, 10, 20, table), 6u);
    EXPECT_EQ(table[0].rgbGreen, TestTableColour(10).rgbGreen);
    EXPECT_EQ(GetDIBColorTable(memory, 16, 1, table), 0u);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

TEST_F(DibLoadTest, SectionsAboveEightBitsKeepNoColourTable) {
    HANDLE bitmap = LoadTestBitmap(MakePackedDib({.bitCount = 24, .colourCount = 256}));
    HDC memory = CreateCompatibleDC(nullptr);
    SelectObject(memory, bitmap);
    RGBQUAD table[256];
    EXPECT_EQ(GetDIBColorTable(memory, 0, 256, table), 0u);
    DeleteDC(memory);
    DeleteObject(bitmap);
}

} // namespace
