#include "InstallRun.h"

#include "InstallDlg.h"
#include "ResourceIds.h"

#include <cstdlib>
#include <fstream>

namespace {
std::vector<std::string> ReadLines(const std::filesystem::path& file) {
    std::vector<std::string> lines;
    std::ifstream in(file);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}
} // namespace

InstallRun::InstallRun(const std::string& standInScript) {
    m_folder.Write("Install.ini", "[Config]\nArchiveFirstFile=data.rar\n");
    m_folder.Write("standin.script", standInScript);
    setenv("PLOVRIN_STANDIN_SCRIPT", (m_folder.Path() / "standin.script").c_str(), 1);
    setenv("PLOVRIN_STANDIN_LOG", (m_folder.Path() / "standin.log").c_str(), 1);
}

InstallRunResult InstallRun::Run() {
    InstallRunResult result;
    AutomationScript script;
    CInstallDlg* running = nullptr;
    script.WatchBoxes([&](const MessageBoxRecord&, HWND) {
        if (running) {
            result.statusAtBox.push_back(running->GetDlgItemText(IDC_STATUS_ARCHIVE).str() + " | " +
                                         running->GetDlgItemText(IDC_STATUS_ENTRY).str());
        }
    });
    CInstallDlg dialog(nullptr);
    script.OnDialog([&](CDialog&) {
        running = &dialog;
        result.dialog = dialog.GetSafeHwnd();
        if (m_before) {
            m_before(dialog);
        }
        if (dialog.IsRunning()) {
            Automation::Click(dialog, IDC_INSTALL);
        }
        if (dialog.IsRunning()) {
            result.statusArchive = dialog.GetDlgItemText(IDC_STATUS_ARCHIVE).str();
            result.statusEntry = dialog.GetDlgItemText(IDC_STATUS_ENTRY).str();
            dialog.m_progress.GetRange(result.rangeLower, result.rangeUpper);
            result.position = dialog.m_progress.GetPos();
            Automation::PressKey(dialog, Automation::Key::Escape);
        }
    });
    result.endedWithOk = dialog.DoModal() == IDOK;
    result.boxes = script.boxes;
    result.calls = ReadLines(m_folder.Path() / "standin.log");
    return result;
}
