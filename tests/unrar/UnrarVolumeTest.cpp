// Volume sets in both naming styles, found from the first volume, and damaged sets.
#include "FileBytes.h"
#include "RarArchiveWriter.h"
#include "TemporaryFolder.h"
#include "UnrarLibrary.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

struct VolumeCase {
    const char* label;
    RarArchiveOptions::Format format;
    RarArchiveOptions::VolumeNaming naming;
    int digits;
    const char* secondVolume;
};

std::string volumeData(char fill, std::size_t size) {
    return std::string(size, fill);
}

} // namespace

class UnrarVolumes : public ::testing::TestWithParam<VolumeCase> {
protected:
    // Three files over four volumes: the first spans volumes 1 to 3, the last stands alone.
    std::vector<std::string> writeSet() {
        RarArchiveOptions options;
        options.format = GetParam().format;
        options.naming = GetParam().naming;
        options.partDigits = GetParam().digits;
        options.volumeDataSize = 1000;
        return RarArchiveWriter(options).write(
            m_folder / "set.rar", {RarWriterEntry::file("a.bin", volumeData('a', 2500)),
                                   RarWriterEntry::file("b.bin", volumeData('b', 500)),
                                   RarWriterEntry::file("c.bin", volumeData('c', 100))});
    }

    TemporaryFolder m_folder;
};

TEST_P(UnrarVolumes, FindsLaterVolumesByNameAndNamesTheVolumeOfEachHeader) {
    const auto volumes = writeSet();
    ASSERT_EQ(volumes.size(), 4U);
    EXPECT_EQ(fs::path(volumes[1]).filename(), GetParam().secondVolume);
    const auto listed =
        UnrarLibrary::instance().runPass(volumes[0], RAR_OM_LIST, RAR_EXTRACT, m_folder / "out");
    ASSERT_EQ(listed.entries.size(), 3U);
    EXPECT_EQ(listed.entries[0].volume, volumes[0]);
    EXPECT_EQ(listed.entries[0].unpackedSize, 2500U);
    EXPECT_EQ(listed.entries[1].volume, volumes[2]);
    EXPECT_EQ(listed.entries[2].volume, volumes[3]);
    EXPECT_FALSE(fs::exists(m_folder / "out"));

    const auto extracted =
        UnrarLibrary::instance().runPass(volumes[0], RAR_OM_EXTRACT, RAR_EXTRACT, m_folder / "out");
    ASSERT_EQ(extracted.entries.size(), 3U);
    for (const auto& entry : extracted.entries) {
        EXPECT_EQ(entry.processResult, ERAR_SUCCESS) << entry.fileName;
    }
    EXPECT_EQ(readFileBytes(m_folder / "out/a.bin"), volumeData('a', 2500));
    EXPECT_EQ(readFileBytes(m_folder / "out/b.bin"), volumeData('b', 500));
    EXPECT_EQ(readFileBytes(m_folder / "out/c.bin"), volumeData('c', 100));
}

// A file needs a volume that is gone or cut short: that file fails with 15, the pass ends.
TEST_P(UnrarVolumes, MissingOrTruncatedVolumeFailsTheEntryThatNeedsItAndEndsThePass) {
    for (const bool truncate : {false, true}) {
        SCOPED_TRACE(truncate ? "truncated" : "missing");
        const auto volumes = writeSet();
        if (truncate) {
            fs::resize_file(volumes[1], fs::file_size(volumes[1]) / 2);
        } else {
            fs::remove(volumes[1]);
        }
        for (const unsigned mode : {RAR_OM_LIST, RAR_OM_EXTRACT}) {
            const auto pass = UnrarLibrary::instance().runPass(volumes[0], mode, RAR_EXTRACT,
                                                               m_folder / "out", 10);
            ASSERT_EQ(pass.entries.size(), 1U);
            EXPECT_EQ(pass.entries[0].fileName, "a.bin");
            EXPECT_EQ(pass.entries[0].processResult, ERAR_EOPEN);
            EXPECT_EQ(pass.finalHeaderResult, ERAR_END_ARCHIVE);
            EXPECT_EQ(pass.closeResult, ERAR_SUCCESS);
        }
        EXPECT_FALSE(fs::exists(m_folder / "out/a.bin"));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Naming, UnrarVolumes,
    ::testing::Values(VolumeCase{"Rar5Part1", RarArchiveOptions::Format::Rar5,
                                 RarArchiveOptions::VolumeNaming::Parts, 1, "set.part2.rar"},
                      VolumeCase{"Rar5Part01", RarArchiveOptions::Format::Rar5,
                                 RarArchiveOptions::VolumeNaming::Parts, 2, "set.part02.rar"},
                      VolumeCase{"Rar4Part0001", RarArchiveOptions::Format::Rar4,
                                 RarArchiveOptions::VolumeNaming::Parts, 4, "set.part0002.rar"},
                      VolumeCase{"Rar4OldStyle", RarArchiveOptions::Format::Rar4,
                                 RarArchiveOptions::VolumeNaming::OldStyle, 1, "set.r00"},
                      VolumeCase{"Rar5OldStyle", RarArchiveOptions::Format::Rar5,
                                 RarArchiveOptions::VolumeNaming::OldStyle, 1, "set.r00"}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(UnrarVolumeSet, NextVolumeWhoseHeaderIsMissingEndsThePassWithAnOpenError) {
    TemporaryFolder folder;
    RarArchiveOptions options;
    options.volumeDataSize = 100;
    const auto volumes = RarArchiveWriter(options).write(
        folder / "set.rar", {RarWriterEntry::file("a.bin", std::string(100, 'a')),
                             RarWriterEntry::file("b.bin", std::string(100, 'b'))});
    ASSERT_EQ(volumes.size(), 2U);
    fs::remove(volumes[1]);
    const auto pass = UnrarLibrary::instance().runPass(volumes[0], RAR_OM_EXTRACT, RAR_EXTRACT,
                                                       folder / "out", 10);
    ASSERT_EQ(pass.entries.size(), 2U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(pass.entries[1].headerResult, ERAR_EOPEN);
    EXPECT_EQ(pass.entries[1].processResult, ERAR_EOPEN);
    EXPECT_EQ(pass.finalHeaderResult, ERAR_END_ARCHIVE);
}

TEST(UnrarVolumeSet, SingleArchiveIgnoresFilesNamedLikeVolumes) {
    TemporaryFolder folder;
    RarArchiveWriter({}).write(folder / "one.rar", {RarWriterEntry::file("a.txt", "a")});
    RarArchiveWriter({}).write(folder / "one.r00", {RarWriterEntry::file("stray.txt", "s")});
    const auto pass = UnrarLibrary::instance().runPass(folder / "one.rar", RAR_OM_LIST, RAR_EXTRACT,
                                                       folder / "out");
    ASSERT_EQ(pass.entries.size(), 1U);
    EXPECT_EQ(pass.entries[0].fileName, "a.txt");
}

TEST(UnrarVolumeSet, SelfExtractingStubIsSkipped) {
    TemporaryFolder folder;
    RarArchiveOptions options;
    // Program stubs end on a 512-byte boundary, which is where the archive then begins.
    options.stub = "MZ" + std::string(65534, '\x90');
    // libarchive looks for the archive in blocks, so it needs a few kilobytes after the stub.
    const auto path =
        RarArchiveWriter(options)
            .write(folder / "setup.exe", {RarWriterEntry::file("a.txt", "inside"),
                                          RarWriterEntry::file("b.bin", std::string(16384, 'b'))})
            .front();
    const auto pass =
        UnrarLibrary::instance().runPass(path, RAR_OM_EXTRACT, RAR_EXTRACT, folder / "out");
    ASSERT_EQ(pass.openResult, ERAR_SUCCESS);
    ASSERT_EQ(pass.entries.size(), 2U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(readFileBytes(folder / "out/a.txt"), "inside");
}
