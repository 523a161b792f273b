#include "ImageList.h"

#include "WidgetHandle.h"

#include <QApplication>
#include <QStyle>
#include <vector>

namespace {
struct ImageListData {
    QSize size;
    std::vector<QIcon> icons;
};

ImageListData* DataOf(HIMAGELIST list) {
    return reinterpret_cast<ImageListData*>(list);
}

// Where the desktop has no icon theme, Qt's own icons stand in.
QIcon FallbackIcon(const QString& name) {
    struct Fallback {
        const char* name;
        QStyle::StandardPixmap pixmap;
    };
    static constexpr Fallback kFallbacks[] = {
        {"folder", QStyle::SP_DirClosedIcon},
        {"folder-open", QStyle::SP_DirOpenIcon},
        {"user-home", QStyle::SP_DirHomeIcon},
        {"computer", QStyle::SP_ComputerIcon},
        {"drive-harddisk", QStyle::SP_DriveHDIcon},
        {"drive-removable-media", QStyle::SP_DriveFDIcon},
        {"user-desktop", QStyle::SP_DesktopIcon},
        {"folder-remote", QStyle::SP_DriveNetIcon},
    };
    for (const Fallback& fallback : kFallbacks) {
        if (name == QLatin1String(fallback.name)) {
            return QApplication::style()->standardIcon(fallback.pixmap);
        }
    }
    return QApplication::style()->standardIcon(QStyle::SP_FileIcon);
}
} // namespace

HIMAGELIST ImageList_Create(int width, int height) {
    return reinterpret_cast<HIMAGELIST>(new ImageListData{QSize(width, height), {}});
}

int ImageList_GetImageCount(HIMAGELIST list) {
    return list ? static_cast<int>(DataOf(list)->icons.size()) : 0;
}

int ImageList_AddThemeIcon(HIMAGELIST list, LPCSTR themeIconName) {
    ImageListData* data = DataOf(list);
    if (!data || !themeIconName) {
        return -1;
    }
    QString name = QString::fromUtf8(themeIconName);
    data->icons.push_back(QIcon::fromTheme(name, FallbackIcon(name)));
    return static_cast<int>(data->icons.size()) - 1;
}

QIcon ImageListIcon(HIMAGELIST list, int index) {
    ImageListData* data = DataOf(list);
    if (!data || index < 0 || index >= static_cast<int>(data->icons.size())) {
        return {};
    }
    return data->icons[static_cast<std::size_t>(index)];
}
