#include "FolderNameDlg.h"

#include "Automation.h"
#include "ResourceIds.h"
#include "WinApp.h"
#include "WorkingDirectory.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
const char* const kFailureText =
    "Could not create folder.\n\nMake sure the folder you specified does not\nalready exist.";

TEST(FolderNameJoin, JoinsWithOneSeparator) {
    struct Case {
        const char* parent;
        const char* name;
        const char* joined;
    };
    const Case cases[] = {
        {"/srv/", "Games", "/srv/Games"},
        {"/srv/Program Files", "Games", "/srv/Program Files/Games"},
        {"", "Games", "/Games"},
        {"/srv", "", "/srv/"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CFolderNameDlg::JoinPath(c.parent, c.name), c.joined) << c.parent;
    }
}

class FolderNameDialog : public testing::Test {
protected:
    // Types each name in turn and presses OK; the last step may press Cancel instead.
    INT_PTR Run(const std::vector<std::string>& names, bool cancelAtEnd = false) {
        script.OnDialog([&](CDialog& dialog) {
            dialogWindow = dialog.GetSafeHwnd();
            for (const std::string& name : names) {
                Automation::TypeText(dialog, IDC_FOLDER_NAME, name.c_str());
                Automation::Click(dialog, IDOK);
                if (!dialog.IsRunning()) {
                    return;
                }
                stayedOpen = true;
            }
            if (cancelAtEnd) {
                Automation::Click(dialog, IDCANCEL);
            }
        });
        dialogObject.m_parentPath = folder.Path().c_str();
        return dialogObject.DoModal();
    }

    void ExpectFailureBoxes(std::size_t first) {
        ASSERT_GE(script.boxes.size(), first + 2);
        const MessageBoxRecord& error = script.boxes[first];
        EXPECT_EQ(error.text, kFailureText);
        EXPECT_EQ(error.caption, "PLOVRIN Installer");
        EXPECT_EQ(error.type, MB_OK | MB_ICONERROR);
        EXPECT_EQ(error.owner, dialogWindow);
        const MessageBoxRecord& parent = script.boxes[first + 1];
        EXPECT_EQ(parent.text, folder.Path().string());
        EXPECT_EQ(parent.caption, AfxGetAppName());
        EXPECT_EQ(parent.type, MB_OK);
        EXPECT_EQ(parent.owner, dialogWindow);
    }
    WorkingDirectory folder;
    AutomationScript script;
    CFolderNameDlg dialogObject;
    bool stayedOpen = false;
    HWND dialogWindow = nullptr;
};

TEST_F(FolderNameDialog, CreatesTheFolderAndEndsWithOk) {
    EXPECT_EQ(Run({"Games"}), IDOK);
    EXPECT_EQ(dialogObject.m_newPath, (folder.Path() / "Games").c_str());
    EXPECT_TRUE(std::filesystem::is_directory(folder.Path() / "Games"));
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(FolderNameDialog, AnExistingNameShowsBothBoxesAndASecondNameSucceeds) {
    std::filesystem::create_directory(folder.Path() / "Taken");
    EXPECT_EQ(Run({"Taken", "Fresh"}), IDOK);
    EXPECT_TRUE(stayedOpen);
    ASSERT_EQ(script.boxes.size(), 2u);
    ExpectFailureBoxes(0);
    EXPECT_EQ(dialogObject.m_newPath, (folder.Path() / "Fresh").c_str());
}

TEST_F(FolderNameDialog, AnEmptyNameOrAMissingIntermediateFolderFails) {
    for (const char* name : {"", "missing/child"}) {
        SCOPED_TRACE(name);
        AutomationScript attempt;
        CFolderNameDlg dialog;
        dialog.m_parentPath = folder.Path().c_str();
        attempt.OnDialog([&](CDialog& d) {
            Automation::TypeText(d, IDC_FOLDER_NAME, name);
            Automation::Click(d, IDOK);
            EXPECT_TRUE(d.IsRunning());
            Automation::Click(d, IDCANCEL);
        });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
        ASSERT_EQ(attempt.boxes.size(), 2u);
        EXPECT_EQ(attempt.boxes[0].text, kFailureText);
        EXPECT_EQ(attempt.boxes[1].text, folder.Path().string());
    }
    EXPECT_FALSE(std::filesystem::exists(folder.Path() / "missing"));
}

TEST_F(FolderNameDialog, CancelAfterFailuresCreatesNothing) {
    std::filesystem::create_directory(folder.Path() / "Taken");
    EXPECT_EQ(Run({"Taken", "Taken"}, true), IDCANCEL);
    EXPECT_EQ(script.boxes.size(), 4u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.Path()),
                            std::filesystem::directory_iterator()),
              1);
}
} // namespace
