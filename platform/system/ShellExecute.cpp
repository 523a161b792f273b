#include "ShellExecute.h"

#include "DetachedLauncher.h"

#include <cstring>
#include <strings.h>

namespace {
constexpr INT_PTR kStarted = 42;
constexpr INT_PTR kFileNotFound = 2;
constexpr INT_PTR kNoAssociation = 31;

HINSTANCE Result(INT_PTR code) {
    return reinterpret_cast<HINSTANCE>(code);
}
} // namespace

HINSTANCE ShellExecuteA(HWND, LPCSTR verb, LPCSTR file, LPCSTR parameters, LPCSTR directory, int) {
    if (!file || !*file) {
        return Result(kFileNotFound);
    }
    if (verb && std::strcmp(verb, "open") != 0) {
        return Result(kNoAssociation);
    }
    // Notepad stands for the desktop's viewer, which is given Notepad's file.
    bool notepad = strcasecmp(file, "notepad.exe") == 0;
    const char* target = notepad ? parameters : file;
    if (!target || !*target) {
        return Result(kFileNotFound);
    }
    bool started = DetachedLauncher::Launch("xdg-open", {target}, directory ? directory : "");
    return Result(started ? kStarted : kFileNotFound);
}
