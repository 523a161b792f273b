#include "ShellExecute.h"

#include <QProcess>
#include <QStringList>
#include <cstring>

namespace {
constexpr INT_PTR kStarted = 42;
constexpr INT_PTR kFileNotFound = 2;
constexpr INT_PTR kNoAssociation = 31;

HINSTANCE Result(INT_PTR code) {
    return reinterpret_cast<HINSTANCE>(code);
}
} // namespace

HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR, LPCSTR directory, int) {
    if (!file || !*file) {
        return Result(kFileNotFound);
    }
    if (verb && std::strcmp(verb, "open") != 0) {
        return Result(kNoAssociation);
    }
    bool started = QProcess::startDetached(QStringLiteral("xdg-open"), {QString::fromUtf8(file)},
                                           directory ? QString::fromUtf8(directory) : QString());
    return Result(started ? kStarted : kFileNotFound);
}
