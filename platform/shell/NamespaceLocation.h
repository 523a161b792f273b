#pragma once

// What an absolute item identifier list names: its file-system path and its icon.

#include "ShellTypes.h"
#include "SystemImageList.h"

#include <optional>
#include <string>

class NamespaceLocation {
public:
    // Nothing for Computer, for a malformed list, and for the desktop or its entries when the
    // user has no desktop folder.
    static std::optional<std::string> PathOf(LPCITEMIDLIST absolute);
    // The icon of the list's last item; nothing for a malformed list.
    static std::optional<ShellIcon> IconOf(LPCITEMIDLIST absolute, bool open);
};
