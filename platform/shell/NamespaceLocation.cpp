#include "NamespaceLocation.h"

#include "ShellItem.h"
#include "UserDirectories.h"

#include <vector>

namespace {

// The items of a well-formed list, or nothing.
std::optional<std::vector<ShellItem>> ItemsOf(LPCITEMIDLIST list) {
    if (!list) {
        return std::nullopt;
    }
    std::vector<ShellItem> items;
    for (; !ShellItem::IsEnd(list); list = ShellItem::Next(list)) {
        const auto item = ShellItem::Read(list);
        if (!item) {
            return std::nullopt;
        }
        items.push_back(*item);
    }
    return items;
}

std::string Joined(std::string path, std::string_view name) {
    if (path.back() != '/') {
        path += '/';
    }
    path += name;
    return path;
}

} // namespace

std::optional<std::string> NamespaceLocation::PathOf(LPCITEMIDLIST absolute) {
    const auto items = ItemsOf(absolute);
    if (!items) {
        return std::nullopt;
    }
    std::optional<std::string> path;
    std::size_t next = 0;
    if (items->empty() || items->front().IsFileSystemEntry()) {
        path = UserDirectories::Desktop();
    } else if (items->front().Kind() == ItemKind::Home) {
        path = UserDirectories::Home();
        next = 1;
    } else if (items->front().Kind() == ItemKind::Computer && items->size() > 1 &&
               (*items)[1].Kind() == ItemKind::Volume) {
        path = std::string((*items)[1].Text());
        next = 2;
    }
    for (; path && next < items->size(); ++next) {
        const ShellItem& item = (*items)[next];
        const bool afterFile = next > 0 && (*items)[next - 1].Kind() == ItemKind::File;
        if (!item.IsFileSystemEntry() || afterFile) {
            return std::nullopt;
        }
        path = Joined(std::move(*path), item.Text());
    }
    return path;
}

std::optional<ShellIcon> NamespaceLocation::IconOf(LPCITEMIDLIST absolute, bool open) {
    const auto items = ItemsOf(absolute);
    if (!items) {
        return std::nullopt;
    }
    if (items->empty()) {
        return ShellIcon::Desktop;
    }
    switch (items->back().Kind()) {
    case ItemKind::Home:
        return ShellIcon::Home;
    case ItemKind::Computer:
        return ShellIcon::Computer;
    case ItemKind::Volume:
        return ShellIcon::Drive;
    case ItemKind::Folder:
        return open ? ShellIcon::FolderOpen : ShellIcon::Folder;
    case ItemKind::File:
        return ShellIcon::File;
    }
    return std::nullopt;
}
