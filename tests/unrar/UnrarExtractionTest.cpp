// Listing and extracting through the four calls: header records, what lands on disk, and the
// result code of every entry-level failure.
#include "FileBytes.h"
#include "RarArchiveWriter.h"
#include "TemporaryFolder.h"
#include "UnrarLibrary.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

std::vector<std::string> treeOf(const fs::path& root) {
    std::vector<std::string> names;
    if (!fs::exists(root)) {
        return names;
    }
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        names.push_back(item.path().lexically_relative(root).generic_string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

RarArchiveOptions formatOptions(RarArchiveOptions::Format format) {
    RarArchiveOptions options;
    options.format = format;
    return options;
}

} // namespace

class UnrarExtraction : public ::testing::TestWithParam<RarArchiveOptions::Format> {
protected:
    std::string archive(const std::vector<RarWriterEntry>& entries) {
        return RarArchiveWriter(formatOptions(GetParam()))
            .write(m_folder / "test.rar", entries)
            .front();
    }
    std::string destination() const { return m_folder / "out"; }
    UnrarLibrary& library() { return UnrarLibrary::instance(); }

    TemporaryFolder m_folder;
};

TEST_P(UnrarExtraction, ListFillsTheHeaderRecordAndWritesNothing) {
    RarWriterEntry file = RarWriterEntry::file("docs/readme.txt", "hello", 0640);
    const std::string path = archive({RarWriterEntry::directory("docs"), file});
    std::string name = path;
    RAROpenArchiveData open{};
    open.ArcName = name.data();
    open.OpenMode = RAR_OM_LIST;
    HANDLE handle = library().openArchive(&open);
    ASSERT_NE(handle, nullptr);
    RARHeaderData header{};
    ASSERT_EQ(library().readHeader(handle, &header), ERAR_SUCCESS);
    EXPECT_STREQ(header.FileName, "docs");
    EXPECT_EQ(header.Flags & RHDF_DIRECTORY, static_cast<unsigned>(RHDF_DIRECTORY));
    std::string folder = destination();
    EXPECT_EQ(library().processFile(handle, RAR_EXTRACT, folder.data(), nullptr), ERAR_SUCCESS);
    ASSERT_EQ(library().readHeader(handle, &header), ERAR_SUCCESS);
    EXPECT_STREQ(header.ArcName, path.c_str());
    EXPECT_STREQ(header.FileName, "docs/readme.txt");
    EXPECT_EQ(header.Flags, 0U);
    EXPECT_EQ(header.UnpSize, 5U);
    EXPECT_EQ(header.PackSize, 5U);
    EXPECT_EQ(header.FileCRC, 0x3610A686U); // CRC32 of "hello"
    EXPECT_EQ(header.HostOS, 3U);           // Unix
    EXPECT_EQ(header.Method, 0x30U);        // stored
    EXPECT_EQ(header.FileAttr & 0777, 0640U);
    const std::time_t time = static_cast<std::time_t>(file.modificationTime);
    std::tm local{};
    localtime_r(&time, &local);
    EXPECT_EQ(header.FileTime >> 25, static_cast<unsigned>(local.tm_year - 80));
    EXPECT_EQ((header.FileTime >> 11) & 0x1F, static_cast<unsigned>(local.tm_hour));
    EXPECT_EQ(library().processFile(handle, RAR_EXTRACT, folder.data(), nullptr), ERAR_SUCCESS);
    EXPECT_EQ(library().readHeader(handle, &header), ERAR_END_ARCHIVE);
    EXPECT_EQ(library().readHeader(handle, &header), ERAR_END_ARCHIVE);
    EXPECT_EQ(library().closeArchive(handle), ERAR_SUCCESS);
    EXPECT_FALSE(fs::exists(destination()));
}

TEST_P(UnrarExtraction, ExtractRestoresContentTimesAndPermissionBitsButNoSpecialBits) {
    RarWriterEntry tool = RarWriterEntry::file("bin/tool", "#!/bin/sh\n", 06755);
    RarWriterEntry folder = RarWriterEntry::directory("shared", 01777);
    folder.modificationTime = 1'500'000'000;
    const auto pass = library().runPass(archive({RarWriterEntry::directory("bin"), tool, folder,
                                                 RarWriterEntry::file("shared/note.txt", "n", 0600),
                                                 RarWriterEntry::file("empty", "")}),
                                        RAR_OM_EXTRACT, RAR_EXTRACT, destination());
    ASSERT_EQ(pass.openResult, ERAR_SUCCESS);
    ASSERT_EQ(pass.entries.size(), 5U);
    for (const auto& entry : pass.entries) {
        EXPECT_EQ(entry.processResult, ERAR_SUCCESS) << entry.fileName;
    }
    EXPECT_EQ(pass.closeResult, ERAR_SUCCESS);
    const fs::path out = destination();
    EXPECT_EQ(readFileBytes(out / "bin/tool"), "#!/bin/sh\n");
    EXPECT_EQ(readFileBytes(out / "empty"), "");
    struct stat st {};
    ASSERT_EQ(::stat((out / "bin/tool").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0755U);
    EXPECT_EQ(st.st_mtime, tool.modificationTime);
    ASSERT_EQ(::stat((out / "shared").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0777U);
    EXPECT_EQ(st.st_mtime, folder.modificationTime); // kept although a file was created inside
    ASSERT_EQ(::stat((out / "shared/note.txt").c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0600U);
}

TEST_P(UnrarExtraction, ExtractOverwritesAnExistingFileAndLeavesNoTemporaryFiles) {
    fs::create_directories(destination());
    std::ofstream(destination() + "/a.txt") << "an older and much longer content";
    const auto pass = library().runPass(archive({RarWriterEntry::file("a.txt", "new")}),
                                        RAR_OM_EXTRACT, RAR_EXTRACT, destination());
    ASSERT_EQ(pass.entries.size(), 1U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(readFileBytes(destination() + "/a.txt"), "new");
    EXPECT_EQ(treeOf(destination()), std::vector<std::string>{"a.txt"});
}

TEST_P(UnrarExtraction, MissingDestinationIsCreatedWithItsParents) {
    const std::string deep = m_folder / "one/two/three";
    const auto pass = library().runPass(archive({RarWriterEntry::file("a.txt", "x")}),
                                        RAR_OM_EXTRACT, RAR_EXTRACT, deep);
    ASSERT_EQ(pass.entries.size(), 1U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(readFileBytes(deep + "/a.txt"), "x");
}

TEST_P(UnrarExtraction, EmptyDestinationIsTheCurrentDirectory) {
    const std::string path = archive({RarWriterEntry::file("here.txt", "x")});
    const fs::path previous = fs::current_path();
    fs::create_directories(destination());
    fs::current_path(destination());
    const auto pass = library().runPass(path, RAR_OM_EXTRACT, RAR_EXTRACT, "");
    fs::current_path(previous);
    ASSERT_EQ(pass.entries.size(), 1U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(readFileBytes(destination() + "/here.txt"), "x");
}

TEST_P(UnrarExtraction, SkipAndTestWriteNothing) {
    RarWriterEntry bad = RarWriterEntry::file("bad.txt", "payload");
    bad.wrongCrc = true;
    const std::string path = archive({RarWriterEntry::file("a.txt", "x"), bad});
    const auto skipped = library().runPass(path, RAR_OM_EXTRACT, RAR_SKIP, destination());
    ASSERT_EQ(skipped.entries.size(), 2U);
    EXPECT_EQ(skipped.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(skipped.entries[1].processResult, ERAR_SUCCESS);
    const auto tested = library().runPass(path, RAR_OM_EXTRACT, RAR_TEST, destination());
    ASSERT_EQ(tested.entries.size(), 2U);
    EXPECT_EQ(tested.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(tested.entries[1].processResult, ERAR_BAD_DATA);
    EXPECT_FALSE(fs::exists(destination()));
}

// A caller may read the next header without processing the current entry; the entry it then
// extracts gets its own data, not the passed-over one's.
TEST_P(UnrarExtraction, EntryPassedOverWithoutProcessingLendsNoData) {
    const std::string path = archive(
        {RarWriterEntry::file("first.txt", "first"), RarWriterEntry::file("second.txt", "2")});
    UnrarLibrary& unrar = library();
    std::string name = path;
    RAROpenArchiveData open{};
    open.ArcName = name.data();
    open.OpenMode = RAR_OM_EXTRACT;
    HANDLE handle = unrar.openArchive(&open);
    ASSERT_NE(handle, nullptr);
    RARHeaderData header{};
    ASSERT_EQ(unrar.readHeader(handle, &header), ERAR_SUCCESS);
    ASSERT_EQ(unrar.readHeader(handle, &header), ERAR_SUCCESS);
    std::string folder = destination();
    EXPECT_EQ(unrar.processFile(handle, RAR_EXTRACT, folder.data(), nullptr), ERAR_SUCCESS);
    EXPECT_EQ(unrar.closeArchive(handle), ERAR_SUCCESS);
    EXPECT_EQ(readFileBytes(fs::path(destination()) / "second.txt"), "2");
    EXPECT_FALSE(fs::exists(fs::path(destination()) / "first.txt"));
}

TEST_P(UnrarExtraction, UnicodeNamesArriveAsUtf8) {
    const std::string name = "r\xC3\xA9sum\xC3\xA9/\xE6\x97\xA5\xE6\x9C\xAC.txt";
    const auto pass = library().runPass(archive({RarWriterEntry::file(name, "x")}), RAR_OM_EXTRACT,
                                        RAR_EXTRACT, destination());
    ASSERT_EQ(pass.entries.size(), 1U);
    EXPECT_EQ(pass.entries[0].fileName, name);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(readFileBytes(fs::path(destination()) / name), "x");
}

TEST_P(UnrarExtraction, LongNamesAreCutWithoutSplittingACharacter) {
    std::string name(257, 'a');
    name += "\xC3\xA9\xC3\xA9"; // bytes 258 to 261: the cut falls inside the second character
    const auto pass = library().runPass(archive({RarWriterEntry::file(name, "x")}), RAR_OM_LIST,
                                        RAR_EXTRACT, destination());
    ASSERT_EQ(pass.entries.size(), 1U);
    EXPECT_EQ(pass.entries[0].fileName, name.substr(0, 259));
}

struct EntryFailureCase {
    const char* label;
    RarWriterEntry entry;
    int expected;
};

class UnrarEntryFailure
    : public ::testing::TestWithParam<std::tuple<RarArchiveOptions::Format, EntryFailureCase>> {};

// Every failing entry leaves nothing behind and the entry after it is still extracted.
TEST_P(UnrarEntryFailure, FailsTheEntryOnlyAndWritesNothingForIt) {
    const auto& [format, failure] = GetParam();
    TemporaryFolder folder;
    const std::string path =
        RarArchiveWriter(formatOptions(format))
            .write(folder / "t.rar", {failure.entry, RarWriterEntry::file("after.txt", "ok")})
            .front();
    const auto pass =
        UnrarLibrary::instance().runPass(path, RAR_OM_EXTRACT, RAR_EXTRACT, folder / "out");
    ASSERT_EQ(pass.entries.size(), 2U);
    EXPECT_EQ(pass.entries[0].processResult, failure.expected);
    EXPECT_EQ(pass.entries[1].processResult, ERAR_SUCCESS);
    EXPECT_EQ(treeOf(folder / "out"), std::vector<std::string>{"after.txt"});
    const auto listed =
        UnrarLibrary::instance().runPass(path, RAR_OM_LIST, RAR_EXTRACT, folder / "out");
    ASSERT_EQ(listed.entries.size(), 2U);
    EXPECT_EQ(listed.entries[0].processResult, ERAR_SUCCESS);
}

EntryFailureCase crcCase() {
    RarWriterEntry entry = RarWriterEntry::file("damaged.txt", "some payload");
    entry.wrongCrc = true;
    return {"WrongCrc", entry, ERAR_BAD_DATA};
}

EntryFailureCase encryptedCase() {
    RarWriterEntry entry = RarWriterEntry::file("secret.txt", "0123456789abcdef");
    entry.markedEncrypted = true;
    return {"Encrypted", entry, ERAR_MISSING_PASSWORD};
}

EntryFailureCase oldCompressionCase() {
    RarWriterEntry entry = RarWriterEntry::file("old.txt", "packed by RAR 2.0");
    entry.oldCompression = true;
    return {"OldCompression", entry, ERAR_UNKNOWN_FORMAT};
}

EntryFailureCase longNameCase() {
    return {"NameTooLong", RarWriterEntry::file(std::string(300, 'n'), "x"), ERAR_ECREATE};
}

// Every case in both formats, except old compression, which RAR 5 has no way to mark.
std::vector<std::tuple<RarArchiveOptions::Format, EntryFailureCase>> entryFailures() {
    std::vector<std::tuple<RarArchiveOptions::Format, EntryFailureCase>> failures;
    for (const auto format : {RarArchiveOptions::Format::Rar4, RarArchiveOptions::Format::Rar5}) {
        for (const auto& failure :
             {crcCase(), encryptedCase(), oldCompressionCase(), longNameCase()}) {
            if (format == RarArchiveOptions::Format::Rar4 || !failure.entry.oldCompression) {
                failures.emplace_back(format, failure);
            }
        }
    }
    return failures;
}

INSTANTIATE_TEST_SUITE_P(
    Codes, UnrarEntryFailure, ::testing::ValuesIn(entryFailures()), [](const auto& info) {
        return std::string(std::get<0>(info.param) == RarArchiveOptions::Format::Rar4 ? "Rar4_"
                                                                                      : "Rar5_") +
               std::get<1>(info.param).label;
    });

TEST_P(UnrarExtraction, DestinationThatCannotBeCreatedIsACreateError) {
    std::ofstream(m_folder / "plain-file") << "x";
    const auto pass = library().runPass(archive({RarWriterEntry::file("a.txt", "x")}),
                                        RAR_OM_EXTRACT, RAR_EXTRACT, m_folder / "plain-file/out");
    ASSERT_EQ(pass.entries.size(), 1U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_ECREATE);
}

TEST_P(UnrarExtraction, FileOverTheSizeLimitIsAWriteErrorAndIsNotKept) {
    const std::string path = archive({RarWriterEntry::file("big.bin", std::string(64 * 1024, 'b')),
                                      RarWriterEntry::file("small.txt", "s")});
    rlimit saved{};
    ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit limited = saved;
    limited.rlim_cur = 16 * 1024;
    ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    const auto pass = library().runPass(path, RAR_OM_EXTRACT, RAR_EXTRACT, destination());
    ::setrlimit(RLIMIT_FSIZE, &saved);
    ASSERT_EQ(pass.entries.size(), 2U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_EWRITE);
    EXPECT_EQ(pass.entries[1].processResult, ERAR_SUCCESS);
    EXPECT_EQ(treeOf(destination()), std::vector<std::string>{"small.txt"});
}

TEST_P(UnrarExtraction, EmptyArchiveEndsAtOnce) {
    const auto pass = library().runPass(archive({}), RAR_OM_EXTRACT, RAR_EXTRACT, destination());
    EXPECT_EQ(pass.openResult, ERAR_SUCCESS);
    EXPECT_TRUE(pass.entries.empty());
    EXPECT_EQ(pass.closeResult, ERAR_SUCCESS);
}

INSTANTIATE_TEST_SUITE_P(Formats, UnrarExtraction,
                         ::testing::Values(RarArchiveOptions::Format::Rar4,
                                           RarArchiveOptions::Format::Rar5),
                         [](const auto& info) {
                             return std::string(
                                 info.param == RarArchiveOptions::Format::Rar4 ? "Rar4" : "Rar5");
                         });
