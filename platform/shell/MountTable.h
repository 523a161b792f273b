#pragma once

// The mounted file systems, as the kernel lists them. Tells the volumes a user would recognise
// from the kernel's pseudo file systems, and network or FUSE mounts, which must not be looked
// into lightly: any access may wait on a server.

#include <string>
#include <string_view>
#include <vector>

struct MountEntry {
    std::string directory;
    std::string type;
};

class MountTable {
public:
    // An unreadable table lists nothing.
    static MountTable Read(const char* mountsFile = "/proc/self/mounts");

    // The root first, then every other mount that holds user data, once each, in table order.
    std::vector<MountEntry> Volumes() const;
    // Whether the directory, given without symbolic links, lies on a network or FUSE mount.
    bool IsOnRemoteMount(std::string_view directory) const;
    // The directories of the network and FUSE mounts.
    std::vector<std::string> RemoteMountPoints() const;

    static bool IsRemoteType(std::string_view type);

private:
    std::vector<MountEntry> m_entries;
};
