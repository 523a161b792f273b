// The published interface: exports, record layout and the open's result codes.
#include "FileBytes.h"
#include "RarArchiveWriter.h"
#include "TemporaryFolder.h"
#include "UnrarLibrary.h"

#include <cstddef>
#include <fstream>
#include <gtest/gtest.h>

namespace {

void writeBytes(const std::string& path, const std::string& bytes) {
    std::ofstream(path, std::ios::binary) << bytes;
}

} // namespace

TEST(UnrarInterface, RecordsKeepThePublishedPackedLayout) {
    EXPECT_EQ(sizeof(RAROpenArchiveData), 36U);
    EXPECT_EQ(offsetof(RAROpenArchiveData, OpenResult), 12U);
    EXPECT_EQ(offsetof(RAROpenArchiveData, CmtBuf), 16U);
    EXPECT_EQ(sizeof(RARHeaderData), 576U);
    EXPECT_EQ(offsetof(RARHeaderData, FileName), 260U);
    EXPECT_EQ(offsetof(RARHeaderData, Flags), 520U);
    EXPECT_EQ(offsetof(RARHeaderData, CmtBuf), 556U);
    EXPECT_EQ(offsetof(RARHeaderData, CmtState), 572U);
}

TEST(UnrarInterface, ExportsTheCallsByName) {
    auto& library = UnrarLibrary::instance();
    EXPECT_NE(library.openArchive, nullptr);
    EXPECT_NE(library.readHeader, nullptr);
    EXPECT_NE(library.processFile, nullptr);
    EXPECT_NE(library.closeArchive, nullptr);
    ASSERT_NE(library.dllVersion, nullptr);
    EXPECT_GT(library.dllVersion(), 0);
}

struct OpenCase {
    const char* label;
    std::string (*prepare)(const TemporaryFolder& folder);
    unsigned expected;
};

class UnrarOpen : public ::testing::TestWithParam<OpenCase> {};

TEST_P(UnrarOpen, ReportsTheResultInTheRecordAndGivesNoHandleOnFailure) {
    TemporaryFolder folder;
    std::string path = GetParam().prepare(folder);
    for (unsigned mode : {RAR_OM_LIST, RAR_OM_EXTRACT}) {
        RAROpenArchiveData open{};
        open.ArcName = path.data();
        open.OpenMode = mode;
        open.OpenResult = 99;
        HANDLE handle = UnrarLibrary::instance().openArchive(&open);
        EXPECT_EQ(open.OpenResult, GetParam().expected);
        EXPECT_EQ(handle == nullptr, GetParam().expected != ERAR_SUCCESS);
        if (handle != nullptr) {
            EXPECT_EQ(UnrarLibrary::instance().closeArchive(handle), ERAR_SUCCESS);
        }
    }
}

std::string validArchive(const TemporaryFolder& folder) {
    RarArchiveWriter({}).write(folder / "ok.rar", {RarWriterEntry::file("a.txt", "alpha")});
    return folder / "ok.rar";
}

INSTANTIATE_TEST_SUITE_P(
    Results, UnrarOpen,
    ::testing::Values(
        OpenCase{"Valid", validArchive, ERAR_SUCCESS},
        OpenCase{"Missing", [](const TemporaryFolder& f) { return f / "absent.rar"; }, ERAR_EOPEN},
        OpenCase{"Folder", [](const TemporaryFolder& f) { return f.path().string(); }, ERAR_EOPEN},
        OpenCase{"NotRar",
                 [](const TemporaryFolder& f) {
                     writeBytes(f / "text.rar", "this is plain text, not an archive");
                     return f / "text.rar";
                 },
                 ERAR_BAD_ARCHIVE},
        OpenCase{"Empty",
                 [](const TemporaryFolder& f) {
                     writeBytes(f / "empty.rar", "");
                     return f / "empty.rar";
                 },
                 ERAR_BAD_ARCHIVE},
        OpenCase{"BrokenArchiveHeader",
                 [](const TemporaryFolder& f) {
                     std::string bytes = readFileBytes(validArchive(f));
                     bytes[10] = static_cast<char>(bytes[10] ^ 0x55); // inside the archive header
                     writeBytes(f / "broken.rar", bytes);
                     return f / "broken.rar";
                 },
                 ERAR_BAD_DATA},
        OpenCase{"MarkerOnly",
                 [](const TemporaryFolder& f) {
                     writeBytes(f / "marker.rar", std::string("Rar!\x1a\x07\x01\x00", 8));
                     return f / "marker.rar";
                 },
                 ERAR_BAD_DATA}),
    [](const auto& info) { return std::string(info.param.label); });

TEST(UnrarInterface, NullArchiveNameIsAnOpenError) {
    RAROpenArchiveData open{};
    EXPECT_EQ(UnrarLibrary::instance().openArchive(&open), nullptr);
    EXPECT_EQ(open.OpenResult, static_cast<unsigned>(ERAR_EOPEN));
}

TEST(UnrarInterface, ClosingNoArchiveIsACloseError) {
    EXPECT_EQ(UnrarLibrary::instance().closeArchive(nullptr), ERAR_ECLOSE);
}

TEST(UnrarInterface, OpenLeavesNoCommentAndKeepsTheCallersBuffer) {
    TemporaryFolder folder;
    std::string path = validArchive(folder);
    char comment[16] = "untouched";
    RAROpenArchiveData open{};
    open.ArcName = path.data();
    open.CmtBuf = comment;
    open.CmtBufSize = sizeof comment;
    open.CmtSize = 7;
    open.CmtState = 7;
    HANDLE handle = UnrarLibrary::instance().openArchive(&open);
    ASSERT_NE(handle, nullptr);
    EXPECT_EQ(open.CmtSize, 0U);
    EXPECT_EQ(open.CmtState, 0U);
    EXPECT_STREQ(comment, "untouched");
    UnrarLibrary::instance().closeArchive(handle);
}
