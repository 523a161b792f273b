// Object lifetimes as painting code relies on them: an object selected into a context cannot be
// deleted, a deleted memory context lets go of its bitmap, and the live count shows any leak.

#include "Bitmap.h"
#include "DC.h"
#include "Gdi.h"
#include "GdiTesting.h"
#include "PackedDib.h"
#include "Palette.h"

#include <gtest/gtest.h>

namespace {

constexpr UINT testId = 901;

class GdiObjectLifetimeTest : public testing::Test {
protected:
    void SetUp() override {
        GdiSetBitmapResourceForTesting(testId, MakePackedDib({}));
        liveBefore = GdiLiveObjectCount();
    }
    void TearDown() override { GdiClearBitmapResourcesForTesting(); }

    static HANDLE LoadTestBitmap() {
        return LoadImage(nullptr, MAKEINTRESOURCE(testId), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION);
    }
    static HPALETTE MakePalette() {
        LOGPALETTE logPalette{PALVERSION, 1, {{1, 2, 3, 0}}};
        return CreatePalette(&logPalette);
    }

    int liveBefore = 0;
};

TEST_F(GdiObjectLifetimeTest, SelectedObjectsCannotBeDeletedUntilSelectedOut) {
    HDC memory = CreateCompatibleDC(nullptr);
    HANDLE bitmap = LoadTestBitmap();
    HGDIOBJ original = SelectObject(memory, bitmap);
    ASSERT_NE(original, nullptr);
    EXPECT_FALSE(DeleteObject(bitmap));

    HPALETTE palette = MakePalette();
    HPALETTE originalPalette = SelectPalette(memory, palette, FALSE);
    EXPECT_FALSE(DeleteObject(palette));

    EXPECT_EQ(SelectObject(memory, original), bitmap);
    EXPECT_EQ(SelectPalette(memory, originalPalette, FALSE), palette);
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_TRUE(DeleteObject(palette));
    EXPECT_FALSE(DeleteObject(bitmap)) << "already gone";
    DeleteDC(memory);
    EXPECT_EQ(GdiLiveObjectCount(), liveBefore);
}

TEST_F(GdiObjectLifetimeTest, DeletingAMemoryContextReleasesItsBitmapWithoutDeletingIt) {
    HDC memory = CreateCompatibleDC(nullptr);
    HANDLE bitmap = LoadTestBitmap();
    SelectObject(memory, bitmap);
    EXPECT_EQ(GdiLiveObjectCount(), liveBefore + 2);
    EXPECT_TRUE(DeleteDC(memory));
    EXPECT_EQ(GdiLiveObjectCount(), liveBefore + 1);
    DIBSECTION section{};
    EXPECT_GT(GetObject(bitmap, sizeof section, &section), 0) << "the bitmap lives on";
    EXPECT_TRUE(DeleteObject(bitmap));
    EXPECT_EQ(GdiLiveObjectCount(), liveBefore);
}

TEST_F(GdiObjectLifetimeTest, ABitmapGoesIntoOneMemoryContextAtATime) {
    HDC first = CreateCompatibleDC(nullptr);
    HDC second = CreateCompatibleDC(first);
    HDC screen = GetDC(nullptr);
    HANDLE bitmap = LoadTestBitmap();
    EXPECT_NE(SelectObject(first, bitmap), nullptr);
    EXPECT_EQ(SelectObject(second, bitmap), nullptr);
    EXPECT_EQ(SelectObject(screen, bitmap), nullptr) << "screen contexts take no bitmap";
    EXPECT_EQ(SelectObject(first, MakePalette()), nullptr) << "palettes take SelectPalette";
    EXPECT_FALSE(DeleteDC(screen)) << "released, not deleted";
    EXPECT_EQ(ReleaseDC(nullptr, screen), 1);
    DeleteDC(second);
    DeleteDC(first);
    DeleteObject(bitmap);
}

TEST_F(GdiObjectLifetimeTest, WrapperObjectsRestoreSelectionsAndCleanUpAfterThemselves) {
    {
        CDC memory;
        ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
        CBitmap bitmap;
        ASSERT_TRUE(bitmap.Attach(LoadTestBitmap()));
        CBitmap* original = memory.SelectObject(&bitmap);
        ASSERT_NE(original, nullptr);
        EXPECT_FALSE(bitmap.DeleteObject()) << "still selected, so not deleted";
        EXPECT_EQ(bitmap.m_hObject, nullptr) << "the handle is let go of all the same";

        CBitmap again;
        again.Attach(LoadTestBitmap());
        memory.SelectObject(&again);
        CBitmap* replaced = memory.SelectObject(original);
        ASSERT_NE(replaced, nullptr);
        EXPECT_EQ(replaced->m_hObject, again.m_hObject);
    }
    // One bitmap leaked by the failed deletion above; everything else went with its wrapper.
    EXPECT_EQ(GdiLiveObjectCount(), liveBefore + 1);
}

} // namespace
