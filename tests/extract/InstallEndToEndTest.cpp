#include "Automation.h"
#include "InstallDlg.h"
#include "RarArchiveWriter.h"
#include "ResourceIds.h"
#include "WorkingDirectory.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <string>

namespace {
std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct VolumeSet {
    const char* name;
    RarArchiveOptions::Format format;
    RarArchiveOptions::VolumeNaming naming;
    const char* firstVolume;
};

const VolumeSet kSets[] = {
    {"Rar5Parts", RarArchiveOptions::Format::Rar5, RarArchiveOptions::VolumeNaming::Parts,
     "release.part1.rar"},
    {"Rar4OldStyle", RarArchiveOptions::Format::Rar4, RarArchiveOptions::VolumeNaming::OldStyle,
     "release.rar"},
};

class InstallEndToEnd : public testing::TestWithParam<VolumeSet> {};

// The real library, found beside this test program, installs a volume set where the user chose.
TEST_P(InstallEndToEnd, ExtractsEveryVolumeIntoTheTypedDestination) {
    const VolumeSet& set = GetParam();
    WorkingDirectory folder;
    std::string big(150000, '\0');
    for (std::size_t i = 0; i < big.size(); ++i) {
        big[i] = static_cast<char>(i * 31 % 251);
    }
    RarArchiveOptions options;
    options.format = set.format;
    options.naming = set.naming;
    options.volumeDataSize = 60000;
    std::vector<std::string> volumes = RarArchiveWriter(options).write(
        (folder.Path() / "release.rar").string(),
        {RarWriterEntry::directory("docs"), RarWriterEntry::file("docs/readme.txt", "Read me.\n"),
         RarWriterEntry::file("data/big.bin", big)});
    ASSERT_GE(volumes.size(), 3u);
    ASSERT_EQ(std::filesystem::path(volumes[0]).filename(), set.firstVolume);
    folder.Write("Install.ini",
                 std::string("[Config]\nArchiveFirstFile=") + set.firstVolume + "\n");
    std::filesystem::path destination = folder.Path() / "Games" / "Release";

    AutomationScript script;
    script.OnDialog([&](CDialog& dialog) {
        Automation::TypeText(dialog, IDC_DEST_FOLDER, destination.c_str());
        Automation::Click(dialog, IDC_INSTALL);
    });
    CInstallDlg dialog(nullptr);
    EXPECT_EQ(dialog.DoModal(), IDOK);
    ASSERT_EQ(script.boxes.size(), 1u);
    EXPECT_EQ(script.boxes[0].caption, "PLOVRIN Installer");
    EXPECT_EQ(ReadFile(destination / "docs" / "readme.txt"), "Read me.\n");
    EXPECT_EQ(ReadFile(destination / "data" / "big.bin"), big);
}

INSTANTIATE_TEST_SUITE_P(VolumeSets, InstallEndToEnd, testing::ValuesIn(kSets),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
