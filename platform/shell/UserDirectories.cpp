#include "UserDirectories.h"

#include <QFile>
#include <QStandardPaths>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

std::string UserDirectories::Home() {
    if (const char* home = std::getenv("HOME"); home && *home) {
        return home;
    }
    if (const passwd* user = getpwuid(getuid()); user && user->pw_dir) {
        return user->pw_dir;
    }
    return "/";
}

std::optional<std::string> UserDirectories::Desktop() {
    const QString location = QStandardPaths::writableLocation(QStandardPaths::DesktopLocation);
    std::string desktop = QFile::encodeName(location).toStdString();
    while (desktop.size() > 1 && desktop.back() == '/') {
        desktop.pop_back();
    }
    struct stat desktopInfo {};
    struct stat homeInfo {};
    if (desktop.empty() || stat(desktop.c_str(), &desktopInfo) != 0 ||
        !S_ISDIR(desktopInfo.st_mode)) {
        return std::nullopt;
    }
    if (stat(Home().c_str(), &homeInfo) == 0 && homeInfo.st_dev == desktopInfo.st_dev &&
        homeInfo.st_ino == desktopInfo.st_ino) {
        return std::nullopt;
    }
    return desktop;
}
