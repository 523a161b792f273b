#include "DialogUnits.h"

#include <QFontMetrics>

DialogUnits::DialogUnits(const QFont& font) {
    QFontMetrics metrics(font);
    int letters = metrics.horizontalAdvance(
        QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    m_baseX = (letters / 26 + 1) / 2;
    m_baseY = metrics.height();
}

QRect DialogUnits::ToPixels(int x, int y, int cx, int cy) const {
    auto horizontal = [this](int units) {
        return (units * m_baseX + 2) / 4;
    };
    auto vertical = [this](int units) {
        return (units * m_baseY + 4) / 8;
    };
    return QRect(horizontal(x), vertical(y), horizontal(cx), vertical(cy));
}
