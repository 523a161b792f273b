#include "SubFolderProbe.h"

#include "MountTable.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

SubFolderProbe::SubFolderProbe(const std::string& folder) : m_folder(folder) {
    std::string realFolder = folder;
    if (char* real = realpath(folder.c_str(), nullptr)) {
        realFolder = real;
        std::free(real);
    }
    const MountTable mounts = MountTable::Read();
    m_folderIsRemote = mounts.IsOnRemoteMount(realFolder);
    const std::string prefix = realFolder == "/" ? realFolder : realFolder + '/';
    for (const std::string& mountPoint : mounts.RemoteMountPoints()) {
        if (mountPoint.size() > prefix.size() && mountPoint.starts_with(prefix) &&
            mountPoint.find('/', prefix.size()) == std::string::npos) {
            m_remoteChildren.push_back(mountPoint.substr(prefix.size()));
        }
    }
}

bool SubFolderProbe::FolderHasSubFolder() const {
    return m_folderIsRemote || Look(m_folder);
}

bool SubFolderProbe::ChildHasSubFolder(std::string_view childName) const {
    if (m_folderIsRemote ||
        std::ranges::find(m_remoteChildren, childName) != m_remoteChildren.end()) {
        return true;
    }
    std::string child = m_folder;
    if (child.back() != '/') {
        child += '/';
    }
    child += childName;
    return Look(child);
}

bool SubFolderProbe::Look(const std::string& directory) {
    DIR* stream = opendir(directory.c_str());
    if (!stream) {
        return false;
    }
    bool found = false;
    while (!found) {
        const dirent* entry = readdir(stream);
        if (!entry) {
            break;
        }
        // Hidden entries (and "." and "..") are never listed, so they do not count.
        if (entry->d_name[0] == '.') {
            continue;
        }
        if (entry->d_type == DT_DIR) {
            found = true;
        } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
            struct stat target {};
            found =
                fstatat(dirfd(stream), entry->d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
        }
    }
    closedir(stream);
    return found;
}
