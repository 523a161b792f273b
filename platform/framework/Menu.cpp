#include "Menu.h"

#include "Automation.h"
#include "WidgetHandle.h"
#include "Wnd.h"

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <vector>

namespace {
// The items are kept in the form the automation seam reports them.
struct MenuData {
    std::vector<MenuItemRecord> items;
};

MenuData* DataOf(HMENU menu) {
    return reinterpret_cast<MenuData*>(menu);
}

const MenuItemRecord* ItemAt(HMENU menu, UINT position, UINT flags) {
    MenuData* data = DataOf(menu);
    if (!data) {
        return nullptr;
    }
    if (flags & MF_BYPOSITION) {
        return position < data->items.size() ? &data->items[position] : nullptr;
    }
    for (const MenuItemRecord& item : data->items) {
        if (!(item.flags & MF_SEPARATOR) && item.id == position) {
            return &item;
        }
    }
    return nullptr;
}

// A menu item's text keeps the classic form: "&" before the mnemonic, a tab before the shortcut.
QString ActionText(const std::string& text) {
    return ToQString(text.c_str()).section(u'\t', 0, 0);
}

UINT ChooseCommand(MenuData& data, int x, int y, HWND owner) {
    QMenu menu(WidgetFromHandle(owner));
    std::vector<std::pair<QAction*, UINT>> actions;
    for (const MenuItemRecord& item : data.items) {
        if (item.flags & MF_SEPARATOR) {
            menu.addSeparator();
            continue;
        }
        QAction* action = menu.addAction(ActionText(item.text));
        action->setEnabled(!(item.flags & (MF_GRAYED | MF_DISABLED)));
        actions.emplace_back(action, item.id);
    }

    QAction* chosen = nullptr;
    if (AutomationListener* listener = AfxGetAutomationListener()) {
        QTimer::singleShot(0, &menu, [&] {
            UINT pick = listener->MenuShown(data.items);
            for (auto& [action, id] : actions) {
                if (id == pick && pick != 0 && action->isEnabled()) {
                    chosen = action;
                }
            }
            menu.close();
        });
        menu.exec(QPoint(x, y));
    } else {
        chosen = menu.exec(QPoint(x, y));
    }
    for (auto& [action, id] : actions) {
        if (action == chosen) {
            return id;
        }
    }
    return 0;
}
} // namespace

HMENU CreatePopupMenu() {
    return reinterpret_cast<HMENU>(new MenuData);
}

BOOL DestroyMenu(HMENU menu) {
    delete DataOf(menu);
    return menu != nullptr;
}

BOOL AppendMenuA(HMENU menu, UINT flags, UINT_PTR id, LPCSTR text) {
    MenuData* data = DataOf(menu);
    if (!data) {
        return FALSE;
    }
    data->items.push_back({flags, static_cast<UINT>(id), text ? text : ""});
    return TRUE;
}

BOOL InsertMenuA(HMENU menu, UINT position, UINT flags, UINT_PTR id, LPCSTR text) {
    MenuData* data = DataOf(menu);
    if (!data) {
        return FALSE;
    }
    // Insertion is by position here; a position past the end appends.
    auto at = data->items.begin() + std::min<std::size_t>(position, data->items.size());
    data->items.insert(at, {flags & ~MF_BYPOSITION, static_cast<UINT>(id), text ? text : ""});
    return TRUE;
}

int GetMenuItemCount(HMENU menu) {
    MenuData* data = DataOf(menu);
    return data ? static_cast<int>(data->items.size()) : -1;
}

UINT GetMenuItemID(HMENU menu, int position) {
    const MenuItemRecord* item = ItemAt(menu, static_cast<UINT>(position), MF_BYPOSITION);
    return item && !(item->flags & MF_SEPARATOR) ? item->id : 0xFFFFFFFF;
}

CString GetMenuString(HMENU menu, UINT position, UINT flags) {
    const MenuItemRecord* item = ItemAt(menu, position, flags);
    return item ? CString(item->text) : CString();
}

BOOL TrackPopupMenu(HMENU menu, UINT flags, int x, int y, int, HWND owner, const RECT*) {
    MenuData* data = DataOf(menu);
    if (!data) {
        return FALSE;
    }
    UINT command = ChooseCommand(*data, x, y, owner);
    if (flags & TPM_RETURNCMD) {
        return static_cast<BOOL>(command);
    }
    if (command != 0) {
        if (CWnd* target = CWnd::FromHandlePermanent(owner)) {
            target->SendMessage(WM_COMMAND, command, 0);
        }
    }
    return command != 0;
}

CMenu::~CMenu() {
    DestroyMenu();
}

BOOL CMenu::CreatePopupMenu() {
    m_hMenu = ::CreatePopupMenu();
    return m_hMenu != nullptr;
}

BOOL CMenu::DestroyMenu() {
    BOOL destroyed = ::DestroyMenu(m_hMenu);
    m_hMenu = nullptr;
    return destroyed;
}

BOOL CMenu::AppendMenu(UINT flags, UINT_PTR id, LPCTSTR text) {
    return AppendMenuA(m_hMenu, flags, id, text);
}

BOOL CMenu::TrackPopupMenu(UINT flags, int x, int y, CWnd* owner, const RECT* rect) {
    return ::TrackPopupMenu(m_hMenu, flags, x, y, 0, owner ? owner->GetSafeHwnd() : nullptr, rect);
}
