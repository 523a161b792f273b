// Painting into a real widget through paint contexts: where the pixels land, nested paint
// contexts on one window, and what happens when there is nothing to paint with.

#include "Gdi.h"
#include "GdiTesting.h"
#include "PackedDib.h"
#include "WidgetHandle.h"

#include <QImage>
#include <QWidget>
#include <functional>
#include <gtest/gtest.h>

namespace {

constexpr UINT testId = 902;
const QColor background(10, 90, 30);

class PaintedWidget : public QWidget {
public:
    std::function<void(HWND)> onPaint;

    PaintedWidget() {
        resize(60, 40);
        QPalette colours = palette();
        colours.setColor(QPalette::Window, background);
        setPalette(colours);
        setAutoFillBackground(true);
    }

protected:
    void paintEvent(QPaintEvent*) override { onPaint(HandleFromWidget(this)); }
};

QtMessageHandler previousHandler;
int warnings = 0;

class WindowPaintTest : public testing::Test {
protected:
    void SetUp() override {
        // A 4 x 2 picture: the top row shows colour 2, the bottom row colour 1.
        std::vector<unsigned char> dib = MakePackedDib({.width = 4, .height = 2}, 1);
        std::fill(dib.end() - 4, dib.end(), 2);
        GdiSetBitmapResourceForTesting(testId, dib);
        warnings = 0;
        previousHandler =
            qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString&) {
                warnings += type != QtDebugMsg;
            });
    }
    void TearDown() override {
        qInstallMessageHandler(previousHandler);
        GdiClearBitmapResourcesForTesting();
    }

    static QColor TableColour(unsigned index) {
        RGBQUAD colour = TestTableColour(index);
        return QColor(colour.rgbRed, colour.rgbGreen, colour.rgbBlue);
    }

    // Blits the test picture from a memory context at (x, y) of the paint context.
    static void BlitPicture(HDC paint, int x, int y, bool withBitmap = true) {
        HDC memory = CreateCompatibleDC(paint);
        HANDLE bitmap = withBitmap ? LoadImage(nullptr, MAKEINTRESOURCE(testId), IMAGE_BITMAP, 0, 0,
                                               LR_CREATEDIBSECTION)
                                   : nullptr;
        HGDIOBJ original = bitmap ? SelectObject(memory, bitmap) : nullptr;
        BitBlt(paint, x, y, 4, 2, memory, 0, 0, SRCCOPY);
        if (original)
            SelectObject(memory, original);
        DeleteObject(bitmap);
        DeleteDC(memory);
    }

    PaintedWidget widget;
};

TEST_F(WindowPaintTest, BlitPutsThePictureAtItsPlaceTopRowFirst) {
    widget.onPaint = [](HWND window) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        BlitPicture(paint.hdc, 13, 13);
        EndPaint(window, &paint);
    };
    int liveBefore = GdiLiveObjectCount();
    QImage image = widget.grab().toImage();
    EXPECT_EQ(image.pixelColor(13, 13), TableColour(2));
    EXPECT_EQ(image.pixelColor(16, 13), TableColour(2));
    EXPECT_EQ(image.pixelColor(13, 14), TableColour(1));
    EXPECT_EQ(image.pixelColor(12, 13), background);
    EXPECT_EQ(image.pixelColor(17, 14), background);
    EXPECT_EQ(image.pixelColor(13, 15), background);
    EXPECT_EQ(GdiLiveObjectCount(), liveBefore);
    EXPECT_EQ(warnings, 0);
}

TEST_F(WindowPaintTest, NestedPaintContextsShareTheWindowsSurface) {
    widget.onPaint = [](HWND window) {
        PAINTSTRUCT outer;
        PAINTSTRUCT inner;
        BeginPaint(window, &outer);
        BeginPaint(window, &inner);
        BlitPicture(inner.hdc, 0, 0);
        EndPaint(window, &inner);
        BlitPicture(outer.hdc, 20, 0);
        EndPaint(window, &outer);
    };
    QImage image = widget.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), TableColour(2));
    EXPECT_EQ(image.pixelColor(20, 0), TableColour(2)) << "the outer context still draws";
    EXPECT_EQ(warnings, 0);
}

TEST_F(WindowPaintTest, IconIsDrawnAtItsPlace) {
    widget.resize(80, 80);
    widget.onPaint = [](HWND window) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        DrawIcon(paint.hdc, 20, 30, LoadIcon(nullptr, IDI_APPLICATION));
        EndPaint(window, &paint);
    };
    GdiStartCallLog();
    QImage image = widget.grab().toImage();
    EXPECT_EQ(GdiTakeCallLog(), std::vector<std::string>{"DrawIcon paint 20 30"});
    bool iconDrawn = false;
    for (int y = 30; y < 30 + GetSystemMetrics(SM_CYICON); ++y)
        for (int x = 20; x < 20 + GetSystemMetrics(SM_CXICON); ++x)
            iconDrawn |= image.pixelColor(x, y) != background;
    EXPECT_TRUE(iconDrawn);
    EXPECT_EQ(image.pixelColor(19, 29), background);
}

TEST_F(WindowPaintTest, BlitFromAnEmptyMemoryContextLeavesTheBackground) {
    widget.onPaint = [](HWND window) {
        PAINTSTRUCT paint;
        BeginPaint(window, &paint);
        BlitPicture(paint.hdc, 13, 13, false);
        EndPaint(window, &paint);
    };
    GdiStartCallLog();
    QImage image = widget.grab().toImage();
    EXPECT_EQ(GdiTakeCallLog(),
              std::vector<std::string>{"BitBlt paint 13 13 4 2 memory 0 0 SRCCOPY"});
    EXPECT_EQ(image.pixelColor(13, 13), background);
}

TEST_F(WindowPaintTest, PaintingOutsideThePaintEventDrawsNothingAndFailsNothing) {
    widget.onPaint = [](HWND) {
    };
    HWND window = HandleFromWidget(&widget);
    PAINTSTRUCT paint;
    ASSERT_NE(BeginPaint(window, &paint), nullptr);
    BlitPicture(paint.hdc, 13, 13);
    EXPECT_TRUE(EndPaint(window, &paint));
    EXPECT_FALSE(EndPaint(window, &paint)) << "ended once only";
    EXPECT_EQ(warnings, 0);
}

} // namespace
