#pragma once

// Platform-internal: dialog units measured from the dialog font, as the classic dialog manager
// measures them, so layouts keep their proportions with any font and screen scale.

#include <QFont>
#include <QRect>

class DialogUnits {
public:
    explicit DialogUnits(const QFont& font);

    QRect ToPixels(int x, int y, int cx, int cy) const;

private:
    int m_baseX;
    int m_baseY;
};
