#include "Automation.h"
#include "IdListUtil.h"
#include "NamespaceTree.h"
#include "ShellAllocator.h"
#include "StandInContextMenu.h"
#include "StandInFolder.h"
#include "WidgetHandle.h"
#include "WinApp.h"

#include <QClipboard>
#include <QGuiApplication>
#include <gtest/gtest.h>

namespace {

// A stand-in folder whose item menu is answered by an automation script.
class ItemMenuTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder.menu = &menu;
        AfxSetAutomationListener(&script);
    }
    void TearDown() override {
        AfxSetAutomationListener(nullptr);
        EXPECT_EQ(menu.references, 0u) << "the context menu is released on every path";
    }

    BOOL Show() { return CIdListUtil::ShowItemMenu(owner, &folder, AsList(), &point); }
    LPCITEMIDLIST AsList() const { return reinterpret_cast<LPCITEMIDLIST>(item); }

    AutomationScript script;
    StandInContextMenu menu;
    StandInFolder folder;
    QWidget ownerWindow;
    HWND owner = HandleFromWidget(&ownerWindow);
    POINT point{40, 60};
    const BYTE item[6] = {4, 0, 1, 2, 0, 0};
};

} // namespace

TEST_F(ItemMenuTest, DismissedMenuInvokesNothing) {
    EXPECT_EQ(Show(), TRUE);
    ASSERT_EQ(script.menus.size(), 1u);
    ASSERT_EQ(script.menus[0].size(), 2u);
    EXPECT_EQ(script.menus[0][0].id, 1u);
    EXPECT_EQ(script.menus[0][0].text, "First");
    EXPECT_TRUE(menu.invocations.empty());
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(folder.menuOwner, owner);
    EXPECT_EQ(folder.menuItem, AsList());
    EXPECT_EQ(menu.queriedFirstId, 1u);
    EXPECT_EQ(menu.queriedLastId, 0x7FFFu);
    EXPECT_EQ(menu.queriedFlags, CMF_EXPLORE);
}

TEST_F(ItemMenuTest, ChosenCommandIsInvokedByItsOffset) {
    const struct {
        UINT picked;
        WORD verb;
    } cases[] = {{1, 0}, {2, 1}};
    for (const auto& c : cases) {
        menu.invocations.clear();
        script.PickMenuCommand(c.picked);
        EXPECT_EQ(Show(), TRUE);
        ASSERT_EQ(menu.invocations.size(), 1u);
        const CMINVOKECOMMANDINFO& info = menu.invocations[0];
        EXPECT_TRUE(IS_INTRESOURCE(info.lpVerb));
        EXPECT_EQ(LOWORD(reinterpret_cast<std::uintptr_t>(info.lpVerb)), c.verb);
        EXPECT_EQ(info.cbSize, sizeof(CMINVOKECOMMANDINFO));
        EXPECT_EQ(info.fMask, 0u);
        EXPECT_EQ(info.hwnd, owner);
        EXPECT_EQ(info.lpParameters, nullptr);
        EXPECT_EQ(info.lpDirectory, nullptr);
        EXPECT_EQ(info.nShow, SW_SHOWNORMAL);
    }
    EXPECT_TRUE(script.boxes.empty());
}

TEST_F(ItemMenuTest, FailuresAreReportedInTheirOwnWords) {
    const struct {
        const char* what;
        HRESULT menuResult;
        HRESULT invokeResult;
        BOOL shown;
        const char* box;
    } cases[] = {
        {"no context menu", E_FAIL, S_OK, FALSE, "GetUIObjectOf failed! hr=80004005"},
        {"command fails", S_OK, static_cast<HRESULT>(0x80070005), TRUE,
         "InvokeCommand failed. hr=80070005"},
    };
    for (const auto& c : cases) {
        script.boxes.clear();
        script.menus.clear();
        folder.menuResult = c.menuResult;
        menu.invokeResult = c.invokeResult;
        script.PickMenuCommand(1);
        EXPECT_EQ(Show(), c.shown) << c.what;
        ASSERT_EQ(script.boxes.size(), 1u) << c.what;
        EXPECT_EQ(script.boxes[0].text, c.box);
        EXPECT_EQ(script.boxes[0].type, MB_OK | MB_ICONEXCLAMATION);
        EXPECT_EQ(script.boxes[0].caption, AfxGetAppName());
        EXPECT_EQ(script.menus.size(), c.shown ? 1u : 0u) << c.what;
    }
}

TEST_F(ItemMenuTest, AMenuThatCannotBeFilledIsNotShown) {
    menu.queryResult = E_FAIL;
    EXPECT_EQ(Show(), FALSE);
    EXPECT_TRUE(script.menus.empty());
    EXPECT_TRUE(script.boxes.empty());
}

TEST(ItemMenuNamespaceTest, HomeMenuCopiesItsLocationWithoutAnyBox) {
    NamespaceTree tree;
    AutomationScript script;
    AfxSetAutomationListener(&script);
    IShellFolder* desktop = nullptr;
    ASSERT_EQ(SHGetDesktopFolder(&desktop), S_OK);
    IEnumIDList* enumerator = nullptr;
    ASSERT_EQ(desktop->EnumObjects(nullptr, SHCONTF_FOLDERS, &enumerator), S_OK);
    LPITEMIDLIST home = nullptr;
    ASSERT_EQ(enumerator->Next(1, &home, nullptr), S_OK);
    enumerator->Release();

    script.PickMenuCommand(2);
    POINT point{0, 0};
    EXPECT_EQ(CIdListUtil::ShowItemMenu(nullptr, desktop, home, &point), TRUE);
    ASSERT_EQ(script.menus.size(), 1u);
    ASSERT_EQ(script.menus[0].size(), 2u);
    EXPECT_EQ(script.menus[0][0].text, "Open");
    EXPECT_EQ(script.menus[0][1].text, "Copy Location");
    EXPECT_TRUE(script.boxes.empty());
    EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), tree.Home());

    AfxSetAutomationListener(nullptr);
    ShellAllocator::Instance().Free(home);
    desktop->Release();
}
