#include "SystemImageList.h"

#include <iterator>

namespace {

// Theme names in the order of ShellIcon. The plain folder comes first, so index 0, which
// callers see when a lookup fails, still shows a folder.
constexpr const char* ThemeNames[] = {"folder",         "folder-open",  "user-home",     "computer",
                                      "drive-harddisk", "user-desktop", "text-x-generic"};

static_assert(std::size(ThemeNames) == SystemImageList::IconCount);

constexpr int SmallIconSize = 16;

} // namespace

SystemImageList& SystemImageList::Instance() {
    static SystemImageList list;
    return list;
}

SystemImageList::SystemImageList() : m_list(ImageList_Create(SmallIconSize, SmallIconSize)) {
    if (!m_list) {
        return;
    }
    for (int icon = 0; icon < static_cast<int>(std::size(ThemeNames)); ++icon) {
        const int index = ImageList_AddThemeIcon(m_list, ThemeNames[icon]);
        m_indexes[icon] = index < 0 ? 0 : index;
    }
}

int SystemImageList::IndexOf(ShellIcon icon) const {
    return m_indexes[static_cast<int>(icon)];
}
