#include "FolderReader.h"
#include "Menu.h"
#include "NamespaceTree.h"

#include <QClipboard>
#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <thread>

namespace {

// The namespace over a temporary home, with an xdg-open in PATH that writes down what it was
// asked to open.
class ContextMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        tree.MakeFolder("Documents/Sub");
        tree.MakeFolder("bin");
        m_record = tree.Path("opened.txt");
        const std::string script = tree.Path("bin/xdg-open");
        std::ofstream(script) << "#!/bin/sh\nprintf '%s' \"$1\" > '" << m_record << ".part'\nmv '"
                              << m_record << ".part' '" << m_record << "'\n";
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
        m_savedPath = std::getenv("PATH");
        setenv("PATH", (tree.Path("bin") + ":" + m_savedPath).c_str(), 1);
        home = FolderReader::Bind(FolderReader::Desktop().get(), "Home");
        ASSERT_TRUE(home);
    }
    void TearDown() override { setenv("PATH", m_savedPath.c_str(), 1); }

    IContextMenu* MenuOf(IShellFolder* folder, const std::string& name) {
        const ItemList item = FolderReader::Find(folder, name);
        LPCITEMIDLIST items[] = {item.get()};
        void* menu = nullptr;
        EXPECT_EQ(folder->GetUIObjectOf(nullptr, 1, items, IID_IContextMenu, nullptr, &menu), S_OK);
        return static_cast<IContextMenu*>(menu);
    }

    static HRESULT Invoke(IContextMenu* menu, LPCSTR verb) {
        CMINVOKECOMMANDINFO info{};
        info.cbSize = sizeof(info);
        info.lpVerb = verb;
        info.nShow = SW_SHOWNORMAL;
        return menu->InvokeCommand(&info);
    }

    // What the stand-in xdg-open was given; it runs detached, so it may take a moment.
    std::string WaitForOpened() const {
        for (int attempt = 0; attempt < 200; ++attempt) {
            std::ifstream file(m_record);
            if (file) {
                std::stringstream text;
                text << file.rdbuf();
                return text.str();
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return "(nothing opened)";
    }

    NamespaceTree tree;
    Folder home;
    std::string m_record;
    std::string m_savedPath;
};

struct MenuCommand {
    UINT id;
    std::string text;
    bool operator==(const MenuCommand&) const = default;
};

std::vector<MenuCommand> Commands(HMENU menu) {
    std::vector<MenuCommand> commands;
    for (int position = 0; position < GetMenuItemCount(menu); ++position) {
        commands.push_back({GetMenuItemID(menu, position),
                            GetMenuString(menu, position, MF_BYPOSITION).GetString()});
    }
    return commands;
}

} // namespace

TEST_F(ContextMenuTest, FoldersOfferOpenAndCopyLocationWithinTheIdRange) {
    IContextMenu* menu = MenuOf(home.get(), "Documents");
    const struct {
        UINT firstId;
        UINT lastId;
        std::vector<MenuCommand> commands;
    } cases[] = {
        {1, 0x7FFF, {{1, "Open"}, {2, "Copy Location"}}},
        {100, 100, {{100, "Open"}}},
    };
    for (const auto& c : cases) {
        HMENU popup = CreatePopupMenu();
        const HRESULT result = menu->QueryContextMenu(popup, 0, c.firstId, c.lastId, CMF_EXPLORE);
        EXPECT_TRUE(SUCCEEDED(result));
        EXPECT_EQ(HRESULT_CODE(result), c.commands.size());
        EXPECT_EQ(Commands(popup), c.commands);
        DestroyMenu(popup);
    }
    menu->Release();
}

TEST_F(ContextMenuTest, ComputerOffersOpenOnly) {
    const Folder desktop = FolderReader::Desktop();
    IContextMenu* menu = MenuOf(desktop.get(), "Computer");
    HMENU popup = CreatePopupMenu();
    EXPECT_EQ(menu->QueryContextMenu(popup, 0, 1, 0x7FFF, CMF_EXPLORE), MAKE_HRESULT(0, 0, 1));
    EXPECT_EQ(Commands(popup), (std::vector<MenuCommand>{{1, "Open"}}));
    EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(1)), E_INVALIDARG);
    DestroyMenu(popup);
    menu->Release();
}

TEST_F(ContextMenuTest, CopyLocationPutsThePathOnTheClipboard) {
    IContextMenu* menu = MenuOf(home.get(), "Documents");
    EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(1)), S_OK);
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), tree.Path("Documents"));
    menu->Release();
}

TEST_F(ContextMenuTest, OpenHandsThePathToXdgOpen) {
    IContextMenu* menu = MenuOf(home.get(), "Documents");
    EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(0)), S_OK);
    EXPECT_EQ(WaitForOpened(), tree.Path("Documents"));
    menu->Release();
}

TEST_F(ContextMenuTest, OpenFailsWhenXdgOpenCannotBeFound) {
    IContextMenu* menu = MenuOf(home.get(), "Documents");
    setenv("PATH", tree.Path("Documents").c_str(), 1);
    EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(0)), E_FAIL);
    menu->Release();
}

TEST_F(ContextMenuTest, UnknownCommandsAreRefused) {
    IContextMenu* menu = MenuOf(home.get(), "Documents");
    EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(2)), E_INVALIDARG);
    EXPECT_EQ(Invoke(menu, "open"), E_INVALIDARG);
    EXPECT_EQ(menu->InvokeCommand(nullptr), E_INVALIDARG);
    menu->Release();
}
