#include "SubFolderProbe.h"

#include "MountTable.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
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
    return HasSubFolder(child);
}

bool SubFolderProbe::HasSubFolder(const std::string& directory) {
    // A directory's link count is 2 plus its sub-directories on the file systems that keep it
    // (those that do not report 1). A leaf is thus known from one stat, which matters in
    // folders of thousands of leaves: reading a directory costs several system calls.
    struct stat info {};
    if (stat(directory.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) {
        return false;
    }
    return info.st_nlink != 2 && Look(directory);
}

bool SubFolderProbe::Look(const std::string& directory) {
    // Read with getdents64 into a buffer on the stack: opendir would also stat the folder and
    // allocate a buffer, which doubles the cost of looking into thousands of small folders.
    const int folder = open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder < 0) {
        return false;
    }
    alignas(dirent64) char buffer[8192];
    bool found = false;
    long size = 0;
    while (!found && (size = syscall(SYS_getdents64, folder, buffer, sizeof(buffer))) > 0) {
        for (long at = 0; at < size && !found;) {
            const auto* entry = reinterpret_cast<const dirent64*>(buffer + at);
            at += entry->d_reclen;
            // Hidden entries (and "." and "..") are never listed, so they do not count.
            if (entry->d_name[0] == '.') {
                continue;
            }
            if (entry->d_type == DT_DIR) {
                found = true;
            } else if (entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN) {
                struct stat target {};
                found = fstatat(folder, entry->d_name, &target, 0) == 0 && S_ISDIR(target.st_mode);
            }
        }
    }
    close(folder);
    return found;
}
