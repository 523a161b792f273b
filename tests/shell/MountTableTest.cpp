#include "MountTable.h"

#include "ComputerFolder.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace {

class MountTableTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_file =
            std::filesystem::temp_directory_path() / ("plovrin-mounts-" + std::to_string(getpid()));
        std::ofstream(m_file) << "proc /proc proc rw 0 0\n"
                                 "tmpfs /run tmpfs rw 0 0\n"
                                 "/dev/vda / ext4 rw 0 0\n"
                                 "/dev/sdb1 /media/user/USB\\040STICK vfat rw 0 0\n"
                                 "/dev/sdc1 /run/media/user/DATA ext4 rw 0 0\n"
                                 "server:/export /mnt/nfs nfs4 rw 0 0\n"
                                 "host: /home/user/remote fuse.sshfs rw 0 0\n"
                                 "/dev/sdb1 /media/user/USB\\040STICK vfat rw 0 0\n"
                                 "cgroup2 /sys/fs/cgroup cgroup2 rw 0 0\n"
                                 "/dev/loop0 /snap/core/1 squashfs ro 0 0\n"
                                 "/dev/sda2 /boot/efi vfat rw 0 0\n"
                                 "overlay /var/lib/docker/merged overlay rw 0 0\n"
                                 "/dev/sdd1 /mnt/nfs/local ext4 rw 0 0\n";
    }
    void TearDown() override { std::filesystem::remove(m_file); }

    std::filesystem::path m_file;
};

} // namespace

TEST_F(MountTableTest, VolumesAreTheRootThenUserMountsOnceEach) {
    std::vector<std::string> directories;
    for (const MountEntry& volume : MountTable::Read(m_file.c_str()).Volumes()) {
        directories.push_back(volume.directory);
    }
    EXPECT_EQ(directories,
              (std::vector<std::string>{"/", "/media/user/USB STICK", "/run/media/user/DATA",
                                        "/mnt/nfs", "/home/user/remote", "/mnt/nfs/local"}));
}

TEST_F(MountTableTest, TellsNetworkAndFuseMountsByTheMountAPathLiesOn) {
    const MountTable table = MountTable::Read(m_file.c_str());
    const struct {
        const char* path;
        bool remote;
    } cases[] = {
        {"/mnt/nfs", true},
        {"/mnt/nfs/a/b", true},
        {"/mnt/nfsx", false},
        {"/home/user/remote/x", true},
        {"/home/user", false},
        {"/mnt/nfs/local/x", false},
        {"/media/user/USB STICK", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(table.IsOnRemoteMount(c.path), c.remote) << c.path;
    }
    EXPECT_EQ(table.RemoteMountPoints(),
              (std::vector<std::string>{"/mnt/nfs", "/home/user/remote"}));
}

TEST(MountTableReadTest, AnUnreadableTableStillHasTheRoot) {
    const auto volumes = MountTable::Read("/nonexistent/mounts").Volumes();
    ASSERT_EQ(volumes.size(), 1u);
    EXPECT_EQ(volumes[0].directory, "/");
}

TEST(MountTableReadTest, VolumesAreNamedAfterTheirMountPoint) {
    EXPECT_EQ(ComputerFolder::VolumeName("/"), "File System");
    EXPECT_EQ(ComputerFolder::VolumeName("/media/user/USB STICK"), "USB STICK");
    EXPECT_EQ(ComputerFolder::VolumeName("/mnt/data/"), "data");
}
