#include "SelectFolderDlg.h"

#include "Automation.h"
#include "InstallDlg.h"
#include "NamespaceTree.h"
#include "RarArchiveWriter.h"
#include "ResourceIds.h"
#include "ShellAllocator.h"
#include "TreeAutomation.h"
#include "WorkingDirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {
using Step = std::function<void(CSelectFolderDlg&)>;

HTREEITEM Find(const CTreeCtrl& tree, HTREEITEM parent, const char* name) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == name) {
            return item;
        }
    }
    return nullptr;
}

class SelectFolder : public testing::Test {
protected:
    void SetUp() override {
        home.MakeFolder("games");
        home.MakeFolder("tools");
    }
    // Runs the dialog with `step` while it is shown, and `nested` in the first dialog that the
    // step opens; then checks that every record went.
    INT_PTR Run(const Step& step, const AutomationScript::DialogStep& nested = {}) {
        const long blocks = ShellAllocator::Instance().LiveBlockCount();
        script.OnDialog([&](CDialog& dialog) { step(static_cast<CSelectFolderDlg&>(dialog)); });
        if (nested) {
            script.OnDialog(nested);
        }
        const INT_PTR result = dialog.DoModal();
        EXPECT_EQ(ShellAllocator::Instance().LiveBlockCount(), blocks);
        return result;
    }

    NamespaceTree home;
    AutomationScript script;
    CSelectFolderDlg dialog;
};

TEST_F(SelectFolder, OkAtOnceTakesTheFirstTopLevelFolder) {
    EXPECT_EQ(Run([](CSelectFolderDlg& d) { Automation::Click(d, IDC_SELECT_OK); }), IDOK);
    EXPECT_EQ(dialog.m_chosenPath, home.Home().c_str());
}

TEST_F(SelectFolder, EnterOnTheTreeActsAsOk) {
    EXPECT_EQ(Run([](CSelectFolderDlg& d) {
                  EXPECT_EQ(Automation::FocusedControlId(d), IDC_FOLDER_TREE);
                  Automation::PressKey(d, Automation::Key::Enter);
              }),
              IDOK);
    EXPECT_EQ(dialog.m_chosenPath, home.Home().c_str());
}

TEST_F(SelectFolder, ASelectionWithoutAPathKeepsTheEarlierFolder) {
    EXPECT_EQ(Run([](CSelectFolderDlg& d) {
                  CFolderTreeCtrl& tree = *d.m_pTree;
                  tree.SelectItem(Find(tree, tree.GetRootItem(), "tools"));
                  tree.SelectItem(Find(tree, nullptr, "Computer"));
                  Automation::Click(d, IDC_SELECT_OK);
              }),
              IDOK);
    EXPECT_EQ(dialog.m_chosenPath, home.Path("tools").c_str());
}

TEST_F(SelectFolder, EscapeAndTheCloseBoxLeaveNoChoice) {
    for (bool closeBox : {false, true}) {
        CSelectFolderDlg fresh;
        AutomationScript each;
        each.OnDialog([&](CDialog& d) {
            closeBox ? Automation::CloseBox(d) : Automation::PressKey(d, Automation::Key::Escape);
        });
        EXPECT_EQ(fresh.DoModal(), IDCANCEL);
        EXPECT_TRUE(fresh.m_chosenPath.IsEmpty());
    }
}

TEST_F(SelectFolder, CreateFolderTakesTheNewFolderAtOnce) {
    EXPECT_EQ(Run(
                  [](CSelectFolderDlg& d) {
                      CFolderTreeCtrl& tree = *d.m_pTree;
                      tree.SelectItem(Find(tree, tree.GetRootItem(), "games"));
                      Automation::Click(d, IDC_CREATE_FOLDER);
                  },
                  [](CDialog& name) {
                      Automation::TypeText(name, IDC_FOLDER_NAME, "Release");
                      Automation::Click(name, IDOK);
                  }),
              IDOK);
    EXPECT_EQ(dialog.m_chosenPath, home.Path("games/Release").c_str());
    EXPECT_TRUE(std::filesystem::is_directory(home.Path("games/Release")));
}

TEST_F(SelectFolder, CancelledCreationLeavesTheDialogOpen) {
    EXPECT_EQ(Run(
                  [](CSelectFolderDlg& d) {
                      Automation::Click(d, IDC_CREATE_FOLDER);
                      EXPECT_TRUE(d.IsRunning());
                      Automation::PressKey(d, Automation::Key::Escape);
                  },
                  [](CDialog& name) {
                      Automation::TypeText(name, IDC_FOLDER_NAME, "Unwanted");
                      Automation::Click(name, IDCANCEL);
                  }),
              IDCANCEL);
    EXPECT_EQ(script.dialogsShown, (std::vector<UINT>{IDD_SELECT_FOLDER, IDD_FOLDER_NAME}));
    EXPECT_TRUE(dialog.m_chosenPath.IsEmpty());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(home.Home()),
                            std::filesystem::directory_iterator()),
              3);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

// The Install dialog's Set Folder: the choice fills the folder field, Install extracts there, and
// a Select Folder dialog left without a choice empties the field.
TEST_F(SelectFolder, SetFolderChoosesWhereInstallExtracts) {
    WorkingDirectory release;
    RarArchiveWriter(RarArchiveOptions{})
        .write((release.Path() / "release.rar").string(),
               {RarWriterEntry::file("docs/readme.txt", "Read me.\n")});
    release.Write("Install.ini", "[Config]\nArchiveFirstFile=release.rar\n");
    const std::string games = home.Path("games");
    script.OnDialog([&](CDialog& install) {
        Automation::TypeText(install, IDC_DEST_FOLDER, "/typed/before");
        Automation::Click(install, IDC_SET_FOLDER);
        EXPECT_EQ(install.GetDlgItemText(IDC_DEST_FOLDER), "");
        Automation::Click(install, IDC_SET_FOLDER);
        EXPECT_EQ(install.GetDlgItemText(IDC_DEST_FOLDER), games.c_str());
        Automation::Click(install, IDC_INSTALL);
    });
    script.OnDialog([](CDialog& select) { Automation::PressKey(select, Automation::Key::Escape); });
    script.OnDialog([](CDialog& select) {
        CFolderTreeCtrl& tree = *static_cast<CSelectFolderDlg&>(select).m_pTree;
        tree.SelectItem(Find(tree, tree.GetRootItem(), "games"));
        Automation::Click(select, IDC_SELECT_OK);
    });
    CInstallDlg install(nullptr);
    EXPECT_EQ(install.DoModal(), IDOK);
    EXPECT_EQ(install.m_destFolder, home.Path("games").c_str());
    EXPECT_EQ(ReadFile(home.Path("games/docs/readme.txt")), "Read me.\n");
}
} // namespace
