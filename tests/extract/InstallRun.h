#pragma once

// Runs the Install dialog against the stand-in library: writes Install.ini and the stand-in's
// script in a fresh working folder, presses Install and records what the user would have seen.

#include "Automation.h"
#include "WorkingDirectory.h"

#include <functional>
#include <string>
#include <vector>

class CDialog;

struct InstallRunResult {
    std::vector<MessageBoxRecord> boxes;
    std::vector<std::string> statusAtBox; // "archive line | entry line" when each box showed
    std::vector<std::string> calls;       // the stand-in's log
    HWND dialog = nullptr;
    bool endedWithOk = false;
    std::string statusArchive; // after the run
    std::string statusEntry;
    int rangeLower = 0;
    int rangeUpper = 0;
    int position = 0;
};

class InstallRun {
public:
    explicit InstallRun(const std::string& standInScript);

    WorkingDirectory& Folder() { return m_folder; }
    // Runs before Install is pressed, inside the dialog (e.g. to type a destination).
    void BeforeInstall(std::function<void(CDialog&)> action) { m_before = std::move(action); }
    InstallRunResult Run();

private:
    WorkingDirectory m_folder;
    std::function<void(CDialog&)> m_before;
};
