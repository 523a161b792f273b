#include "Icon.h"

#include "WidgetHandle.h"

#include <QApplication>
#include <QStyle>

HICON LoadIcon(HINSTANCE module, LPCSTR name) {
    if (module || name != IDI_APPLICATION) {
        return nullptr;
    }
    static QIcon application =
        QIcon::fromTheme(QStringLiteral("application-x-executable"),
                         QApplication::style()->standardIcon(QStyle::SP_DesktopIcon));
    return HandleFromIcon(&application);
}
