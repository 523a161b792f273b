#include "WindowSurface.h"

#include "WidgetHandle.h"

#include <QImage>
#include <QPainter>
#include <map>
#include <memory>

namespace {

struct OpenPainter {
    std::unique_ptr<QPainter> painter;
    int users = 0;
};

std::map<QWidget*, OpenPainter>& OpenPainters() {
    static std::map<QWidget*, OpenPainter> painters;
    return painters;
}

QPainter* PainterFor(HWND window) {
    auto found = OpenPainters().find(WidgetFromHandle(window));
    return found == OpenPainters().end() ? nullptr : found->second.painter.get();
}

} // namespace

bool BeginWindowPainting(HWND window) {
    QWidget* widget = WidgetFromHandle(window);
    if (!widget)
        return false;
    OpenPainter& open = OpenPainters()[widget];
    if (open.users == 0) {
        if (!widget->testAttribute(Qt::WA_WState_InPaintEvent)) {
            OpenPainters().erase(widget);
            return false;
        }
        open.painter = std::make_unique<QPainter>(widget);
    }
    ++open.users;
    return true;
}

void EndWindowPainting(HWND window) {
    auto found = OpenPainters().find(WidgetFromHandle(window));
    if (found != OpenPainters().end() && --found->second.users == 0)
        OpenPainters().erase(found);
}

void PaintDibSection(HWND window, int x, int y, const DibSection& dib, int sourceX, int sourceY,
                     int width, int height) {
    QPainter* painter = PainterFor(window);
    if (!painter || width <= 0 || height <= 0)
        return;
    QImage image(width, height, QImage::Format_RGB32);
    for (int row = 0; row < height; ++row) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(row));
        for (int column = 0; column < width; ++column) {
            RGBQUAD colour = dib.PixelAt(sourceX + column, sourceY + row);
            line[column] = qRgb(colour.rgbRed, colour.rgbGreen, colour.rgbBlue);
        }
    }
    painter->drawImage(QPoint(x, y), image);
}

void PaintIcon(HWND window, int x, int y, HICON icon, int size) {
    QPainter* painter = PainterFor(window);
    if (painter && icon)
        painter->drawPixmap(x, y, IconFromHandle(icon)->pixmap(size, size));
}
