// The headless walkthrough: the installer itself, run in the current directory with a script
// that does what a user would do, saves a screenshot of every dialog it meets and prints what
// the dialogs show.

#include "Automation.h"
#include "Dialog.h"
#include "ProgressCtrl.h"
#include "ResourceIds.h"
#include "TreeCtrl.h"
#include "WinApp.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {
std::filesystem::path MakeOutputFolder() {
    std::string pattern =
        (std::filesystem::temp_directory_path() / "plovrin-walkthrough-XXXXXX").string();
    return mkdtemp(pattern.data()) ? std::filesystem::path(pattern)
                                   : std::filesystem::current_path();
}

class Walkthrough {
public:
    explicit Walkthrough(std::filesystem::path output) : m_output(std::move(output)) {
        m_script.OnDialog([this](CDialog& main) { MainDialog(main); });
        m_script.OnDialog([this](CDialog& about) { AboutBox(about); });
        m_script.OnDialog([this](CDialog& install) { InstallDialog(install); });
        m_script.OnDialog([this](CDialog& select) { SelectFolder(select); });
        m_script.OnDialog([this](CDialog& name) { FolderName(name); });
        m_script.WatchBoxes([this](const MessageBoxRecord& box, HWND window) {
            std::printf("Message box \"%s\" (type %u)\n", box.caption.c_str(), box.type);
            PrintLines(box.text);
            if (m_install && m_install->IsWindowVisible()) {
                Screenshot(m_install->GetSafeHwnd(), "07-install-after.png");
            }
            Screenshot(window, "0" + std::to_string(++m_boxes) + "-message-box.png");
        });
    }

    bool Succeeded() const { return m_script.dialogsLeftRunning == 0 && m_failures == 0; }

private:
    void Screenshot(HWND window, const std::string& name) {
        std::filesystem::path file = m_output / name;
        bool saved = Automation::SaveScreenshot(window, file.string());
        std::printf("  screenshot: %s%s\n", file.c_str(), saved ? "" : " (FAILED)");
        m_failures += saved ? 0 : 1;
    }

    void MainDialog(CDialog& main) {
        std::printf("Main dialog\n  title: %s\n  information lines:\n",
                    main.GetWindowText().GetString());
        PrintLines(main.GetDlgItemText(IDC_APP_INFO).str());
        Screenshot(main.GetSafeHwnd(), "01-main-dialog.png");

        std::printf("Window menu: About PLOVRIN Installer...\n");
        m_script.PickMenuCommand(IDM_ABOUTBOX);
        Automation::RightClickBackground(main);

        std::printf("Install...\n");
        Automation::Click(main, IDC_INSTALL);

        std::printf("Quit\n");
        Automation::Click(main, IDCANCEL);
    }

    void AboutBox(CDialog& about) {
        std::printf("About box\n");
        PrintLines(about.GetDlgItemText(IDC_APP_INFO).str());
        Screenshot(about.GetSafeHwnd(), "02-about-box.png");
        Automation::Click(about, IDOK);
    }

    void InstallDialog(CDialog& install) {
        m_install = &install;
        std::filesystem::path destination = m_output / "installed";
        std::printf("Install dialog\n");
        Screenshot(install.GetSafeHwnd(), "03-install-dialog.png");
        std::printf("Set Folder\n");
        Automation::Click(install, IDC_SET_FOLDER);
        std::printf("  destination: %s\n", install.GetDlgItemText(IDC_DEST_FOLDER).GetString());
        if (install.GetDlgItemText(IDC_DEST_FOLDER) != destination.c_str()) {
            // Never install into whatever folder an empty destination would mean.
            ++m_failures;
            Automation::CloseBox(install);
            return;
        }
        // Watch the run from outside: a screenshot once the status lines name an entry.
        WatchRun(install);
        std::printf("Install\n");
        Automation::Click(install, IDC_INSTALL);
        if (!m_runWatched) {
            std::printf("  (the run ended before the window next painted: no picture of it)\n");
        }
        if (install.IsRunning()) {
            Screenshot(install.GetSafeHwnd(), "07-install-after.png");
            ++m_failures;
            Automation::CloseBox(install);
        }
        std::size_t files = 0;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(destination)) {
            files += entry.is_regular_file() ? 1 : 0;
        }
        std::printf("  %zu files installed in %s\n", files, destination.c_str());
    }

    // Opens the output folder in the tree, from Computer down, and creates "installed" in it.
    void SelectFolder(CDialog& select) {
        std::printf("Select Folder\n");
        auto* tree = static_cast<CTreeCtrl*>(select.GetDlgItem(IDC_FOLDER_TREE));
        HTREEITEM item = ChildNamed(*tree, nullptr, "Computer");
        if (item) {
            tree->Expand(item, TVE_EXPAND);
            item = tree->GetChildItem(item);
        }
        for (const auto& part : m_output.relative_path()) {
            if (!item) {
                break;
            }
            tree->Expand(item, TVE_EXPAND);
            item = ChildNamed(*tree, item, part.c_str());
        }
        if (!item) {
            std::printf("  the output folder is not in the tree\n");
            ++m_failures;
            Automation::PressKey(select, Automation::Key::Escape);
            return;
        }
        tree->SelectItem(item);
        std::printf("  selected: %s\n", tree->GetItemText(item).GetString());
        Screenshot(select.GetSafeHwnd(), "04-select-folder.png");
        std::printf("Create Folder...\n");
        Automation::Click(select, IDC_CREATE_FOLDER);
    }

    void FolderName(CDialog& name) {
        std::printf("Enter Folder Name: installed\n");
        Automation::TypeText(name, IDC_FOLDER_NAME, "installed");
        Screenshot(name.GetSafeHwnd(), "05-folder-name.png");
        Automation::Click(name, IDOK);
    }

    static HTREEITEM ChildNamed(const CTreeCtrl& tree, HTREEITEM parent, const char* name) {
        for (HTREEITEM item = tree.GetChildItem(parent); item;
             item = tree.GetNextSiblingItem(item)) {
            if (tree.GetItemText(item) == name) {
                return item;
            }
        }
        return nullptr;
    }

    // Waits for the extraction pass, once the bar has moved, and takes a screenshot.
    void WatchRun(CDialog& install) {
        Automation::Later(0, [this, &install] {
            std::string entry = install.GetDlgItemText(IDC_STATUS_ENTRY).str();
            auto* progress = dynamic_cast<CProgressCtrl*>(install.GetDlgItem(IDC_PROGRESS));
            if (!install.IsRunning() || !progress) {
                return;
            }
            int lower = 0;
            int upper = 0;
            progress->GetRange(lower, upper);
            if (entry.empty() || progress->GetPos() <= lower) {
                WatchRun(install);
                return;
            }
            std::printf("  during the run: %s | %s\n",
                        install.GetDlgItemText(IDC_STATUS_ARCHIVE).GetString(), entry.c_str());
            Screenshot(install.GetSafeHwnd(), "06-install-running.png");
            m_runWatched = true;
        });
    }

    static void PrintLines(const std::string& text) {
        for (std::size_t start = 0, end = 0; end != std::string::npos; start = end + 1) {
            end = text.find('\n', start);
            std::printf("  | %s\n", text.substr(start, end - start).c_str());
        }
    }

    std::filesystem::path m_output;
    int m_boxes = 7;
    CDialog* m_install = nullptr;
    bool m_runWatched = false;
    AutomationScript m_script;
    int m_failures = 0;
};
} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    std::filesystem::path output = MakeOutputFolder();
    std::printf("PLOVRIN Installer walkthrough in %s\nScreenshots go to %s\n",
                std::filesystem::current_path().c_str(), output.c_str());
    AfxWinInit(argc, argv);
    Walkthrough walkthrough(output);
    AfxWinMain(argc, argv);
    std::printf("%s\n", walkthrough.Succeeded() ? "Walkthrough complete." : "Walkthrough FAILED.");
    return walkthrough.Succeeded() ? 0 : 1;
}
