#include "Automation.h"
#include "NamespaceTree.h"
#include "ShellAllocator.h"
#include "StandInTreeFolder.h"
#include "SystemImageList.h"
#include "TreeAutomation.h"
#include "TreeHostDlg.h"

#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {
constexpr SFGAOF kFolder = SFGAO_FOLDER;
constexpr SFGAOF kParentFolder = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;

using Step = std::function<void(CTreeHostDlg&, CFolderTreeCtrl&)>;

long LiveBlocks() {
    return ShellAllocator::Instance().LiveBlockCount();
}

std::vector<std::string> Children(const CFolderTreeCtrl& tree, HTREEITEM parent) {
    std::vector<std::string> names;
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        names.push_back(tree.GetItemText(item).str());
    }
    return names;
}

HTREEITEM Find(const CFolderTreeCtrl& tree, HTREEITEM parent, const std::string& name) {
    for (HTREEITEM item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
        if (tree.GetItemText(item) == name.c_str()) {
            return item;
        }
    }
    return nullptr;
}

bool HasState(const CFolderTreeCtrl& tree, HTREEITEM item, UINT state) {
    return tree.GetItemState(item, state) == state;
}

class FolderTree : public testing::Test {
protected:
    // Runs the host dialog, with `step` while it is shown; the path the dialog ended with.
    std::string Run(const Step& step, bool fillFromDesktop = true) {
        script.OnDialog([&](CDialog& dialog) {
            auto& host = static_cast<CTreeHostDlg&>(dialog);
            step(host, *host.Tree());
            host.EndDialog(IDCANCEL);
        });
        CTreeHostDlg dialog(fillFromDesktop);
        dialog.DoModal();
        return dialog.m_selPath.str();
    }

    AutomationScript script;
};

class DesktopTree : public FolderTree {
protected:
    void SetUp() override {
        home.MakeFolder("beta");
        home.MakeFolder("alpha");
        home.MakeFolder("gamma/inner");
        home.MakeFile("afile");
    }
    NamespaceTree home;
};

TEST_F(DesktopTree, FillExpandsSortsAndSelectsTheFirstFolder) {
    const std::string path = Run([&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
        HTREEITEM first = tree.GetRootItem();
        EXPECT_EQ(tree.GetItemText(first), "Home");
        EXPECT_TRUE(HasState(tree, first, TVIS_EXPANDED | TVIS_EXPANDEDONCE));
        EXPECT_EQ(tree.GetSelectedItem(), first);
        EXPECT_EQ(Children(tree, first), (std::vector<std::string>{"alpha", "beta", "gamma"}));
        EXPECT_EQ(host.m_selPath, home.Home().c_str());

        TV_ITEM query{};
        query.mask = TVIF_CHILDREN | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        query.hItem = Find(tree, first, "gamma");
        ASSERT_TRUE(tree.GetItem(&query));
        EXPECT_EQ(query.cChildren, 1);
        const SystemImageList& icons = SystemImageList::Instance();
        EXPECT_EQ(query.iImage, icons.IndexOf(ShellIcon::Folder));
        EXPECT_EQ(query.iSelectedImage, icons.IndexOf(ShellIcon::FolderOpen));
        query.hItem = Find(tree, first, "alpha");
        ASSERT_TRUE(tree.GetItem(&query));
        EXPECT_EQ(query.cChildren, 0);
    });
    EXPECT_EQ(path, home.Home());
}

TEST_F(DesktopTree, SelectionWithoutAFileSystemPathKeepsTheLastPath) {
    Run([&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
        tree.SelectItem(Find(tree, tree.GetRootItem(), "beta"));
        EXPECT_EQ(host.m_selPath, home.Path("beta").c_str());
        tree.SelectItem(Find(tree, nullptr, "Computer"));
        EXPECT_EQ(host.m_selPath, home.Path("beta").c_str());
    });
}

TEST_F(DesktopTree, KeysAndDoubleClicksTakeTheProgramsPaths) {
    Run([&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
        using Automation::TreeKey;
        HTREEITEM homeItem = tree.GetRootItem();
        HTREEITEM gamma = Find(tree, homeItem, "gamma");
        for (TreeKey key : {TreeKey::Down, TreeKey::Down, TreeKey::Down}) {
            Automation::PressTreeKey(host, IDC_TREE, key);
        }
        EXPECT_EQ(tree.GetSelectedItem(), gamma);
        EXPECT_EQ(host.m_selPath, home.Path("gamma").c_str());
        EXPECT_EQ(Children(tree, gamma), std::vector<std::string>{"inner"});
        Automation::PressTreeKey(host, IDC_TREE, TreeKey::Right);
        EXPECT_TRUE(HasState(tree, gamma, TVIS_EXPANDED));
        Automation::PressTreeKey(host, IDC_TREE, TreeKey::Minus);
        EXPECT_FALSE(HasState(tree, gamma, TVIS_EXPANDED));
        auto label = Automation::TreeItemPoint(host, IDC_TREE, gamma, TVHT_ONITEMLABEL);
        ASSERT_TRUE(label);
        Automation::DoubleClickTree(host, IDC_TREE, *label);
        EXPECT_TRUE(HasState(tree, gamma, TVIS_EXPANDED));
        Automation::PressTreeKey(host, IDC_TREE, TreeKey::Left);
        Automation::PressTreeKey(host, IDC_TREE, TreeKey::Left);
        EXPECT_EQ(tree.GetSelectedItem(), homeItem);
        EXPECT_EQ(Children(tree, gamma), std::vector<std::string>{"inner"});
    });
}

TEST_F(DesktopTree, RightClicksSelectAndOfferTheMenuOnlyOnIconOrLabel) {
    struct Case {
        UINT part;
        bool menu;
    };
    const Case cases[] = {{TVHT_ONITEMICON, true},
                          {TVHT_ONITEMLABEL, true},
                          {TVHT_ONITEMINDENT, false},
                          {TVHT_ONITEMBUTTON, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.part);
        std::string path = Run([&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
            HTREEITEM gamma = Find(tree, tree.GetRootItem(), "gamma");
            auto point = Automation::TreeItemPoint(host, IDC_TREE, gamma, c.part);
            ASSERT_TRUE(point);
            Automation::RightClickTree(host, IDC_TREE, *point);
            EXPECT_EQ(tree.GetSelectedItem(), gamma);
        });
        EXPECT_EQ(path, home.Path("gamma"));
        EXPECT_EQ(script.menus.size(), c.menu ? 1u : 0u);
        script.menus.clear();
    }
}

TEST_F(DesktopTree, RightClickOnEmptySpaceLeavesNoSelectionAndNoMenu) {
    const std::string path = Run([&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
        auto point = Automation::TreeItemPoint(host, IDC_TREE, nullptr, TVHT_NOWHERE);
        ASSERT_TRUE(point);
        Automation::RightClickTree(host, IDC_TREE, *point);
        EXPECT_EQ(tree.GetSelectedItem(), nullptr);
    });
    EXPECT_EQ(path, home.Home());
    EXPECT_TRUE(script.menus.empty());
}

TEST_F(DesktopTree, FillingTwiceAndDestroyingReleaseEveryRecord) {
    const long before = LiveBlocks();
    Run([&](CTreeHostDlg&, CFolderTreeCtrl& tree) {
        const long afterFirst = LiveBlocks();
        EXPECT_GT(afterFirst, before);
        tree.FillFromDesktop();
        EXPECT_EQ(LiveBlocks(), afterFirst);
    });
    EXPECT_EQ(LiveBlocks(), before);
}

TEST_F(FolderTree, BrowsesThisMachinesFoldersWithIcons) {
    Run([&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
        HTREEITEM computer = Find(tree, nullptr, "Computer");
        ASSERT_NE(computer, nullptr);
        tree.Expand(computer, TVE_EXPAND);
        HTREEITEM root = tree.GetChildItem(computer);
        ASSERT_NE(root, nullptr);
        tree.Expand(root, TVE_EXPAND);
        tree.SelectItem(root);
        EXPECT_EQ(host.m_selPath, "/");
        EXPECT_NE(tree.GetChildItem(root), nullptr);
        const std::string shot = testing::TempDir() + "plovrin-folder-tree.png";
        EXPECT_TRUE(Automation::SaveScreenshot(host.GetSafeHwnd(), shot));
        std::printf("screenshot: %s\n", shot.c_str());
    });
}

class StandInTree : public FolderTree {
protected:
    void SetUp() override {
        docs.Add("b", kFolder);
        docs.Add("a", kFolder);
        root.Add("docs", kParentFolder, &docs);
    }
    void TearDown() override {
        EXPECT_EQ(root.references, 1u);
        EXPECT_EQ(docs.references, 1u);
        EXPECT_EQ(LiveBlocks(), m_blocksBefore);
    }
    // Shows the stand-in root's folders at the top level, sorted.
    static HTREEITEM ShowRoot(CFolderTreeCtrl& tree, StandInTreeFolder& folder) {
        tree.AddChildren(&folder, nullptr, TVI_ROOT);
        TVSORTCB sort{TVI_ROOT, &CFolderTreeCtrl::CompareNodes, 0};
        tree.SortChildrenCB(&sort);
        return tree.GetRootItem();
    }

    StandInTreeFolder root;
    StandInTreeFolder docs;

private:
    long m_blocksBefore = LiveBlocks();
};

TEST_F(StandInTree, ExpandingAFilledFolderAgainOrCollapsingItEnumeratesNothing) {
    Run(
        [&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
            HTREEITEM item = ShowRoot(tree, root);
            tree.Expand(item, TVE_EXPAND);
            EXPECT_EQ(docs.enumerations, 1);
            EXPECT_EQ(Children(tree, item), (std::vector<std::string>{"a", "b"}));
            auto button = Automation::TreeItemPoint(host, IDC_TREE, item, TVHT_ONITEMBUTTON);
            ASSERT_TRUE(button);
            const int announced = host.expandingCount;
            Automation::ClickTree(host, IDC_TREE, *button);
            EXPECT_FALSE(HasState(tree, item, TVIS_EXPANDED));
            Automation::ClickTree(host, IDC_TREE, *button);
            EXPECT_TRUE(HasState(tree, item, TVIS_EXPANDED));
            EXPECT_EQ(host.expandingCount, announced + 2);
            EXPECT_EQ(docs.enumerations, 1);
            EXPECT_EQ(tree.GetCount(), 3u);
        },
        false);
}

TEST_F(StandInTree, SelectingAnUnfilledParentFillsItWithoutExpanding) {
    Run(
        [&](CTreeHostDlg&, CFolderTreeCtrl& tree) {
            HTREEITEM item = ShowRoot(tree, root);
            tree.SelectItem(item);
            EXPECT_EQ(docs.enumerations, 1);
            EXPECT_EQ(Children(tree, item), (std::vector<std::string>{"a", "b"}));
            EXPECT_TRUE(HasState(tree, item, TVIS_EXPANDEDONCE));
            EXPECT_FALSE(HasState(tree, item, TVIS_EXPANDED));
            tree.Expand(item, TVE_EXPAND);
            EXPECT_TRUE(HasState(tree, item, TVIS_EXPANDED));
            EXPECT_EQ(docs.enumerations, 1);
            EXPECT_EQ(tree.GetCount(), 3u);
        },
        false);
}

TEST_F(StandInTree, AFolderThatCannotBeBoundOpensEmptyOnceAndKeepsThePath) {
    StandInTreeFolder top;
    top.Add("locked", kParentFolder);
    Run(
        [&](CTreeHostDlg& host, CFolderTreeCtrl& tree) {
            HTREEITEM item = ShowRoot(tree, top);
            auto button = Automation::TreeItemPoint(host, IDC_TREE, item, TVHT_ONITEMBUTTON);
            ASSERT_TRUE(button);
            Automation::ClickTree(host, IDC_TREE, *button);
            EXPECT_EQ(top.bindings, 1);
            EXPECT_EQ(tree.GetChildItem(item), nullptr);
            EXPECT_TRUE(HasState(tree, item, TVIS_EXPANDEDONCE));
            Automation::ClickTree(host, IDC_TREE, *button);
            tree.Expand(item, TVE_EXPAND);
            EXPECT_EQ(top.bindings, 1);
            host.m_selPath = "/earlier";
            tree.SelectItem(item);
            EXPECT_EQ(host.m_selPath, "/earlier");
        },
        false);
    EXPECT_EQ(top.references, 1u);
}

TEST_F(StandInTree, AttributesDecideWhichItemsAreShownAndWhichCanOpen) {
    StandInTreeFolder top;
    top.Add("plain", kFolder);
    top.Add("odd", SFGAO_HASSUBFOLDER);
    top.Add("file", 0);
    top.Add("parent", kParentFolder);
    Run(
        [&](CTreeHostDlg&, CFolderTreeCtrl& tree) {
            ShowRoot(tree, top);
            EXPECT_EQ(Children(tree, TVI_ROOT), (std::vector<std::string>{"parent", "plain"}));
            TV_ITEM query{};
            query.mask = TVIF_CHILDREN;
            query.hItem = Find(tree, TVI_ROOT, "parent");
            tree.GetItem(&query);
            EXPECT_EQ(query.cChildren, 1);
            query.hItem = Find(tree, TVI_ROOT, "plain");
            tree.GetItem(&query);
            EXPECT_EQ(query.cChildren, 0);
        },
        false);
    EXPECT_EQ(top.references, 1u);
}

TEST_F(StandInTree, FailingComparisonsSortAsEqual) {
    StandInTreeFolder top;
    top.compareFails = true;
    for (const char* name : {"c", "a", "b"}) {
        top.Add(name, kFolder);
    }
    Run(
        [&](CTreeHostDlg&, CFolderTreeCtrl& tree) {
            ShowRoot(tree, top);
            EXPECT_EQ(Children(tree, TVI_ROOT), (std::vector<std::string>{"c", "a", "b"}));
        },
        false);
    EXPECT_EQ(top.references, 1u);
}

TEST_F(StandInTree, ARecordWhoseInsertionIsRefusedIsReleasedAtOnce) {
    Run(
        [&](CTreeHostDlg&, CFolderTreeCtrl& tree) {
            HTREEITEM gone = tree.InsertItem("gone");
            tree.DeleteItem(gone);
            const long before = LiveBlocks();
            tree.AddChildren(&root, nullptr, gone);
            EXPECT_EQ(LiveBlocks(), before);
            EXPECT_EQ(root.references, 1u);
            EXPECT_EQ(tree.GetCount(), 0u);
        },
        false);
}
} // namespace
