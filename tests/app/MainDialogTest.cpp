#include "AboutBoxDlg.h"
#include "Automation.h"
#include "InstallerApp.h"
#include "InstallerDlg.h"
#include "ResourceIds.h"
#include "WidgetHandle.h"
#include "WorkingDirectory.h"

#include <QFontMetrics>
#include <QWidget>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {
struct Shown {
    std::string title;
    std::string info;
};

// Runs the main dialog in the current directory and reads what it shows, then quits.
Shown RunMainDialog() {
    Shown shown;
    AutomationScript script;
    script.OnDialog([&](CDialog& dialog) {
        shown.title = dialog.GetWindowText().str();
        shown.info = dialog.GetDlgItemText(IDC_APP_INFO).str();
        Automation::Click(dialog, IDCANCEL);
    });
    CInstallerDlg dialog(nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    return shown;
}

TEST(MainDialog, ComposesTitleAndInformationLinesFromInstallIni) {
    WorkingDirectory folder;
    folder.Write("Install.ini", "[Config]\r\nAppName=Example Tool 2.1\r\nInfoLine1=Released 15 "
                                "March 1999\r\nInfoLine2=\r\nInfoLine3=Three volumes\r\n");
    Shown shown = RunMainDialog();
    EXPECT_EQ(shown.title, "PLOVRIN Installer v1.0 - Example Tool 2.1");
    EXPECT_EQ(shown.info, "Released 15 March 1999\n\nThree volumes");
}

TEST(MainDialog, WithoutInstallIniTheTitleSaysSoAndTheLinesAreBlank) {
    WorkingDirectory folder;
    Shown shown = RunMainDialog();
    EXPECT_EQ(shown.title, "PLOVRIN Installer v1.0 - INI MISSING");
    EXPECT_EQ(shown.info, "\n\n");
}

TEST(MainDialog, EmptyAppNameEndsTheTitleWithTheSeparator) {
    WorkingDirectory folder;
    folder.Write("Install.ini", "[Config]\nAppName=\n");
    EXPECT_EQ(RunMainDialog().title, "PLOVRIN Installer v1.0 - ");
}

TEST(MainDialog, ReadsTheWorkingDirectoryNotTheProgramFolder) {
    std::filesystem::path programFolder =
        std::filesystem::canonical("/proc/self/exe").parent_path();
    std::ofstream(programFolder / "Install.ini") << "[Config]\nAppName=From program folder\n";
    WorkingDirectory folder;
    folder.Write("Install.ini", "[Config]\nAppName=From working folder\n");
    std::string title = RunMainDialog().title;
    std::filesystem::remove(programFolder / "Install.ini");
    EXPECT_EQ(title, "PLOVRIN Installer v1.0 - From working folder");
}

TEST(MainDialog, FocusStartsOnInstallAndEveryEndIsTheCancelCommand) {
    WorkingDirectory folder;
    using Ending = std::function<void(CDialog&)>;
    const Ending endings[] = {
        [](CDialog& d) { Automation::Click(d, IDCANCEL); },
        [](CDialog& d) { Automation::PressKey(d, Automation::Key::Escape); },
        [](CDialog& d) { Automation::CloseBox(d); },
    };
    for (const Ending& ending : endings) {
        AutomationScript script;
        int focused = 0;
        script.OnDialog([&](CDialog& dialog) {
            focused = Automation::FocusedControlId(dialog);
            ending(dialog);
        });
        CInstallerDlg dialog(nullptr);
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        EXPECT_EQ(focused, IDC_INSTALL);
        EXPECT_EQ(script.dialogsLeftRunning, 0);
    }
}

TEST(MainDialog, WindowMenuEndsWithSeparatorAndAboutEntry) {
    WorkingDirectory folder;
    AutomationScript script;
    script.OnDialog([](CDialog& dialog) {
        Automation::RightClickBackground(dialog);
        Automation::Click(dialog, IDCANCEL);
    });
    CInstallerDlg dialog(nullptr);
    dialog.DoModal();
    ASSERT_EQ(script.menus.size(), 1u);
    const auto& items = script.menus[0];
    ASSERT_GE(items.size(), 3u);
    EXPECT_EQ(items[0].id, SC_CLOSE);
    EXPECT_EQ(items[items.size() - 2].flags & MF_SEPARATOR, MF_SEPARATOR);
    EXPECT_EQ(items.back().id, IDM_ABOUTBOX);
    EXPECT_EQ(items.back().text, "&About PLOVRIN Installer...");
}

// Sends each system command to the main dialog and reports which dialogs it opened.
std::vector<UINT> DialogsOpenedBySystemCommand(UINT command) {
    AutomationScript script;
    script.OnDialog([command](CDialog& dialog) {
        dialog.SendMessage(WM_SYSCOMMAND, command, 0);
        if (dialog.IsRunning()) {
            Automation::Click(dialog, IDCANCEL);
        }
    });
    script.OnDialog([](CDialog& about) { Automation::Click(about, IDOK); });
    CInstallerDlg dialog(nullptr);
    dialog.DoModal();
    return script.dialogsShown;
}

TEST(MainDialog, SystemCommandsSixteenToThirtyOneOpenTheAboutBox) {
    WorkingDirectory folder;
    const std::vector<UINT> mainThenAbout = {IDD_INSTALLER_DIALOG, IDD_ABOUTBOX};
    const std::vector<UINT> mainOnly = {IDD_INSTALLER_DIALOG};
    for (UINT command : {16u, 17u, 31u}) {
        EXPECT_EQ(DialogsOpenedBySystemCommand(command), mainThenAbout) << command;
    }
    for (UINT command : {15u, 32u, SC_MOVE}) {
        EXPECT_EQ(DialogsOpenedBySystemCommand(command), mainOnly) << command;
    }
}

TEST(MainDialog, CloseSystemCommandGoesToDefaultProcessingAndEndsTheDialog) {
    WorkingDirectory folder;
    AutomationScript script;
    bool ended = false;
    script.OnDialog([&](CDialog& dialog) {
        dialog.SendMessage(WM_SYSCOMMAND, SC_CLOSE, 0);
        ended = !dialog.IsRunning();
    });
    CInstallerDlg dialog(nullptr);
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_TRUE(ended);
}

TEST(MainDialog, AboutBoxFromTheWindowMenuClosesEveryWayAndLeavesTheMainDialogAsItWas) {
    WorkingDirectory folder;
    folder.Write("Install.ini", "[Config]\nAppName=Same\n");
    using Ending = std::function<void(CDialog&)>;
    const Ending endings[] = {
        [](CDialog& d) { Automation::Click(d, IDOK); },
        [](CDialog& d) { Automation::PressKey(d, Automation::Key::Escape); },
        [](CDialog& d) { Automation::CloseBox(d); },
    };
    AutomationScript script;
    std::vector<std::string> aboutTexts;
    std::string titleAfter;
    script.OnDialog([&](CDialog& main) {
        for (std::size_t i = 0; i < std::size(endings); ++i) {
            script.PickMenuCommand(IDM_ABOUTBOX);
            Automation::RightClickBackground(main);
        }
        titleAfter = main.GetWindowText().str();
        Automation::Click(main, IDCANCEL);
    });
    for (const Ending& ending : endings) {
        script.OnDialog([&](CDialog& about) {
            aboutTexts.push_back(about.GetDlgItemText(IDC_APP_INFO).str());
            ending(about);
        });
    }
    CInstallerDlg dialog(nullptr);
    dialog.DoModal();
    ASSERT_EQ(aboutTexts.size(), std::size(endings));
    for (const std::string& text : aboutTexts) {
        EXPECT_EQ(text, std::string("PLOVRIN Installer v1.0") + CAboutBoxDlg::kCredits);
    }
    EXPECT_EQ(titleAfter, "PLOVRIN Installer v1.0 - Same");
    EXPECT_EQ(script.dialogsLeftRunning, 0);
}

TEST(MainDialog, OwnerIsDisabledWhileTheAboutBoxRuns) {
    WorkingDirectory folder;
    AutomationScript script;
    CInstallerDlg dialog(nullptr);
    BOOL enabledDuring = TRUE;
    BOOL enabledAfter = FALSE;
    script.OnDialog([&](CDialog& main) {
        main.SendMessage(WM_SYSCOMMAND, IDM_ABOUTBOX, 0);
        enabledAfter = main.IsWindowEnabled();
        Automation::Click(main, IDCANCEL);
    });
    script.OnDialog([&](CDialog& about) {
        enabledDuring = dialog.IsWindowEnabled();
        Automation::Click(about, IDOK);
    });
    dialog.DoModal();
    EXPECT_FALSE(enabledDuring);
    EXPECT_TRUE(enabledAfter);
}
} // namespace

namespace {
TEST(InstallerApp, RunsTheMainDialogAsMainWindowThatTakesInputAndEndsWithIt) {
    WorkingDirectory folder;
    CInstallerApp app;
    AutomationScript script;
    CWnd* mainWindowDuringRun = nullptr;
    script.OnDialog([&](CDialog& dialog) {
        mainWindowDuringRun = app.m_pMainWnd;
        EXPECT_TRUE(dialog.IsWindowEnabled());
        Automation::Click(dialog, IDCANCEL);
    });
    EXPECT_FALSE(app.InitInstance());
    EXPECT_NE(mainWindowDuringRun, nullptr);
    EXPECT_EQ(script.dialogsShown, std::vector<UINT>{IDD_INSTALLER_DIALOG});
    EXPECT_EQ(script.dialogsLeftRunning, 0);
}
} // namespace
