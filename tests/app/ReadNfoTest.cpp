#include "Automation.h"
#include "InstallerDlg.h"
#include "ResourceIds.h"
#include "WorkingDirectory.h"

#include <QThread>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {
// A stand-in for the desktop's viewer, first on PATH: it records its arguments and folder.
class StandInViewer {
public:
    StandInViewer() : m_folder(std::filesystem::temp_directory_path() / "plovrin-viewer") {
        std::filesystem::create_directories(m_folder);
        m_record = m_folder / "record.txt";
        std::filesystem::remove(m_record);
        std::filesystem::path script = m_folder / "xdg-open";
        std::ofstream(script) << "#!/bin/sh\n{ pwd; for a in \"$@\"; do echo \"$a\"; done; } > "
                              << m_record << ".part && mv " << m_record << ".part " << m_record
                              << "\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        m_oldPath = std::getenv("PATH");
        setenv("PATH", (m_folder.string() + ":" + m_oldPath).c_str(), 1);
    }
    ~StandInViewer() { setenv("PATH", m_oldPath.c_str(), 1); }

    // What the viewer recorded, once it has run.
    std::string WaitForRecord() const {
        for (int i = 0; i < 200 && !std::filesystem::exists(m_record); ++i) {
            QThread::msleep(25);
        }
        std::ifstream file(m_record);
        std::stringstream text;
        text << file.rdbuf();
        return text.str();
    }

private:
    std::filesystem::path m_folder;
    std::filesystem::path m_record;
    std::string m_oldPath;
};

TEST(ReadNfo, StartsTheViewerWithTheNfoInTheWorkingDirectory) {
    StandInViewer viewer;
    WorkingDirectory folder;
    AutomationScript script;
    bool stillOpen = false;
    script.OnDialog([&](CDialog& dialog) {
        Automation::Click(dialog, IDC_READ_NFO);
        stillOpen = dialog.IsRunning() && dialog.IsWindowEnabled();
        Automation::Click(dialog, IDCANCEL);
    });
    CInstallerDlg dialog(nullptr);
    dialog.DoModal();
    EXPECT_TRUE(stillOpen);
    EXPECT_EQ(viewer.WaitForRecord(), folder.Path().string() + "\nplovrin.nfo\n");
    EXPECT_TRUE(script.boxes.empty()) << "a missing NFO is not reported";
}
} // namespace
