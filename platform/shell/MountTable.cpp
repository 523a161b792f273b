#include "MountTable.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <mntent.h>

namespace {

constexpr std::string_view PseudoTypes[] = {
    "autofs",          "binfmt_misc", "bpf",        "cgroup",       "cgroup2",  "configfs",
    "debugfs",         "devpts",      "devtmpfs",   "efivarfs",     "fusectl",  "hugetlbfs",
    "mqueue",          "nsfs",        "overlay",    "proc",         "pstore",   "ramfs",
    "rpc_pipefs",      "securityfs",  "selinuxfs",  "squashfs",     "sysfs",    "tmpfs",
    "tracefs",         "devfs",       "usbfs",      "nfsd",         "ecryptfs", "rootfs",
    "fuse.gvfsd-fuse", "fuse.portal", "fuse.lxcfs", "fuse.snapfuse"};

// Mounts below these hold the system's own state, not the user's data.
constexpr std::string_view SystemPrefixes[] = {"/proc", "/sys", "/dev", "/run", "/boot", "/snap"};

constexpr std::string_view RemoteTypes[] = {"nfs",   "nfs4", "cifs", "smb3", "smbfs",
                                            "sshfs", "9p",   "afs",  "ceph"};

bool IsUnder(std::string_view path, std::string_view directory) {
    if (directory == "/") {
        return true;
    }
    return path.starts_with(directory) &&
           (path.size() == directory.size() || path[directory.size()] == '/');
}

bool IsSystemDirectory(std::string_view directory) {
    if (IsUnder(directory, "/run/media")) {
        return false;
    }
    return std::ranges::any_of(SystemPrefixes,
                               [&](std::string_view prefix) { return IsUnder(directory, prefix); });
}

bool IsPseudoType(std::string_view type) {
    return std::ranges::find(PseudoTypes, type) != std::end(PseudoTypes);
}

bool IsUserVolume(const MountEntry& entry) {
    return entry.directory.starts_with('/') && !IsPseudoType(entry.type) &&
           !IsSystemDirectory(entry.directory);
}

} // namespace

MountTable MountTable::Read(const char* mountsFile) {
    MountTable table;
    FILE* file = setmntent(mountsFile, "r");
    if (!file) {
        return table;
    }
    mntent entry{};
    std::array<char, 4096> buffer{};
    while (getmntent_r(file, &entry, buffer.data(), static_cast<int>(buffer.size()))) {
        table.m_entries.push_back({entry.mnt_dir, entry.mnt_type});
    }
    endmntent(file);
    return table;
}

std::vector<MountEntry> MountTable::Volumes() const {
    // The root is always there, whatever the table says about it.
    std::vector<MountEntry> volumes{{"/", ""}};
    auto listed = [&](const std::string& directory) {
        return std::ranges::any_of(volumes,
                                   [&](const MountEntry& v) { return v.directory == directory; });
    };
    for (const MountEntry& entry : m_entries) {
        if (IsUserVolume(entry) && !listed(entry.directory)) {
            volumes.push_back(entry);
        }
    }
    return volumes;
}

bool MountTable::IsOnRemoteMount(std::string_view directory) const {
    // The last mount whose directory holds the path is the one the path lies on.
    const MountEntry* governing = nullptr;
    for (const MountEntry& entry : m_entries) {
        if (IsUnder(directory, entry.directory)) {
            governing = &entry;
        }
    }
    return governing && IsRemoteType(governing->type);
}

std::vector<std::string> MountTable::RemoteMountPoints() const {
    std::vector<std::string> directories;
    for (const MountEntry& entry : m_entries) {
        if (IsRemoteType(entry.type)) {
            directories.push_back(entry.directory);
        }
    }
    return directories;
}

bool MountTable::IsRemoteType(std::string_view type) {
    return type.starts_with("fuse.") || type == "fuse" ||
           std::ranges::find(RemoteTypes, type) != std::end(RemoteTypes);
}
