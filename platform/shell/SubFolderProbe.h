#pragma once

// Answers "does this folder have a sub-folder?" cheaply: a folder whose link count shows no
// sub-directory is not read at all, reading stops at the first visible sub-folder, and folders
// on network or FUSE mounts are assumed to have one without a look.

#include <string>
#include <string_view>
#include <vector>

class SubFolderProbe {
public:
    // For the folder itself and for its children.
    explicit SubFolderProbe(const std::string& folder);

    bool FolderHasSubFolder() const;
    bool ChildHasSubFolder(std::string_view childName) const;

private:
    static bool HasSubFolder(const std::string& directory);
    // Reads the directory up to its first visible sub-folder.
    static bool Look(const std::string& directory);

    std::string m_folder;
    bool m_folderIsRemote = false;
    // Children that are themselves network or FUSE mount points.
    std::vector<std::string> m_remoteChildren;
};
