#pragma once

// The system's small-icon image list: one per process, made on first use, never destroyed,
// holding one icon per kind of namespace item.

#include "ImageList.h"

enum class ShellIcon { Folder, FolderOpen, Home, Computer, Drive, Desktop, File };

class SystemImageList {
public:
    static constexpr int IconCount = 7;

    static SystemImageList& Instance();

    // Null when the list could not be made.
    HIMAGELIST Handle() const { return m_list; }
    int IndexOf(ShellIcon icon) const;

private:
    SystemImageList();

    HIMAGELIST m_list = nullptr;
    int m_indexes[IconCount] = {};
};
