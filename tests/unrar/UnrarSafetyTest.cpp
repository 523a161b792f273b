// Nothing is created, written or followed outside the destination folder.
#include "RarArchiveWriter.h"
#include "TemporaryFolder.h"
#include "UnrarLibrary.h"

#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

namespace fs = std::filesystem;

namespace {

using Kind = RarWriterEntry::Kind;

struct HostileCase {
    const char* label;
    std::vector<RarWriterEntry> (*entries)(const std::string& outside);
    std::vector<RarArchiveOptions::Format> formats;
};

const std::vector<RarArchiveOptions::Format> kBoth = {RarArchiveOptions::Format::Rar4,
                                                      RarArchiveOptions::Format::Rar5};
const std::vector<RarArchiveOptions::Format> kRar5Only = {RarArchiveOptions::Format::Rar5};

std::vector<RarWriterEntry> one(RarWriterEntry entry) {
    return {std::move(entry)};
}

const HostileCase kHostileCases[] = {
    {"DotDot", [](const std::string&) { return one(RarWriterEntry::file("../outside/x", "evil")); },
     kBoth},
    {"DotDotInside",
     [](const std::string&) { return one(RarWriterEntry::file("a/../../outside/x", "evil")); },
     kBoth},
    {"BackslashDotDot",
     [](const std::string&) { return one(RarWriterEntry::file("..\\outside\\x", "evil")); }, kBoth},
    {"Absolute",
     [](const std::string& outside) { return one(RarWriterEntry::file(outside + "/x", "evil")); },
     kBoth},
    {"DriveLetter",
     [](const std::string&) { return one(RarWriterEntry::file("C:\\outside\\x", "evil")); }, kBoth},
    {"DriveLetterSlash",
     [](const std::string&) { return one(RarWriterEntry::file("C:/x", "evil")); }, kBoth},
    {"SymlinkUp", [](const std::string&) { return one(RarWriterEntry::link("up", "../outside")); },
     kBoth},
    {"SymlinkAbsolute",
     [](const std::string& outside) { return one(RarWriterEntry::link("abs", outside)); }, kBoth},
    // "s" may be a link the archive made to "..", and then this one would lead out.
    {"SymlinkUpThroughAName",
     [](const std::string&) { return one(RarWriterEntry::link("a/t", "s/../..")); }, kBoth},
    {"SymlinkBackslashUp",
     [](const std::string&) { return one(RarWriterEntry::link("up", "..\\outside")); }, kBoth},
    {"HardLinkUp",
     [](const std::string&) {
         return one(RarWriterEntry::link("hl", "../outside/secret", Kind::HardLink));
     },
     kRar5Only},
    {"HardLinkAbsolute",
     [](const std::string& outside) {
         return one(RarWriterEntry::link("hl", outside + "/secret", Kind::HardLink));
     },
     kRar5Only},
};

} // namespace

class UnrarSafety
    : public ::testing::TestWithParam<std::tuple<HostileCase, RarArchiveOptions::Format>> {
protected:
    void SetUp() override {
        fs::create_directories(outside());
        std::ofstream(outside() + "/secret") << "secret";
    }
    std::string outside() const { return m_folder / "outside"; }
    std::string destination() const { return m_folder / "dest"; }
    std::vector<std::string> outsideTree() const {
        std::vector<std::string> names;
        for (const auto& item : fs::recursive_directory_iterator(outside())) {
            names.push_back(item.path().filename().string());
        }
        return names;
    }

    TemporaryFolder m_folder;
};

TEST_P(UnrarSafety, HostileEntryFailsWithCreateErrorAndTheRestGoesOn) {
    const auto& [hostile, format] = GetParam();
    auto entries = hostile.entries(outside());
    entries.push_back(RarWriterEntry::file("after.txt", "after"));
    RarArchiveOptions options;
    options.format = format;
    const auto path = RarArchiveWriter(options).write(m_folder / "hostile.rar", entries).front();

    const auto pass =
        UnrarLibrary::instance().runPass(path, RAR_OM_EXTRACT, RAR_EXTRACT, destination());
    ASSERT_EQ(pass.entries.size(), 2U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_ECREATE);
    EXPECT_EQ(pass.entries[1].processResult, ERAR_SUCCESS);
    EXPECT_EQ(outsideTree(), std::vector<std::string>{"secret"});
    std::vector<std::string> inside;
    for (const auto& item : fs::recursive_directory_iterator(destination())) {
        inside.push_back(item.path().lexically_relative(destination()).generic_string());
    }
    EXPECT_EQ(inside, std::vector<std::string>{"after.txt"});
}

// Each case in the formats that can hold it.
std::vector<std::tuple<HostileCase, RarArchiveOptions::Format>> hostileForms() {
    std::vector<std::tuple<HostileCase, RarArchiveOptions::Format>> forms;
    for (const auto& hostile : kHostileCases) {
        for (const auto format : hostile.formats) {
            forms.emplace_back(hostile, format);
        }
    }
    return forms;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, UnrarSafety, ::testing::ValuesIn(hostileForms()), [](const auto& info) {
        return std::string(std::get<0>(info.param).label) +
               (std::get<1>(info.param) == RarArchiveOptions::Format::Rar4 ? "_Rar4" : "_Rar5");
    });

// Links that stay inside are made; nothing is written through any link, whether the archive
// made it or it was there before.
TEST(UnrarLinks, NothingIsWrittenThroughALink) {
    TemporaryFolder folder;
    const std::string outside = folder / "outside";
    const std::string destination = folder / "dest";
    fs::create_directories(outside);
    fs::create_directories(destination);
    std::ofstream(outside + "/victim") << "original";
    fs::create_symlink(outside, destination + "/planted");
    fs::create_symlink(outside + "/victim", destination + "/victim");
    const auto path =
        RarArchiveWriter({})
            .write(folder / "links.rar",
                   {RarWriterEntry::directory("sub"), RarWriterEntry::link("inner", "sub"),
                    RarWriterEntry::file("inner/through.txt", "x"),
                    RarWriterEntry::file("planted/through.txt", "x"),
                    RarWriterEntry::file("victim", "replaced"),
                    RarWriterEntry::link("same", "sub/../sub/file", Kind::SymbolicLink)})
            .front();
    const auto pass =
        UnrarLibrary::instance().runPass(path, RAR_OM_EXTRACT, RAR_EXTRACT, destination);
    ASSERT_EQ(pass.entries.size(), 6U);
    EXPECT_EQ(pass.entries[0].processResult, ERAR_SUCCESS);
    EXPECT_EQ(pass.entries[1].processResult, ERAR_SUCCESS);
    EXPECT_EQ(pass.entries[2].processResult, ERAR_ECREATE);
    EXPECT_EQ(pass.entries[3].processResult, ERAR_ECREATE);
    EXPECT_EQ(pass.entries[4].processResult, ERAR_SUCCESS);
    EXPECT_EQ(pass.entries[5].processResult, ERAR_ECREATE) << "\"..\" after a name";
    EXPECT_EQ(fs::read_symlink(destination + "/inner"), "sub");
    EXPECT_TRUE(fs::is_empty(destination + "/sub"));
    EXPECT_FALSE(fs::exists(outside + "/through.txt"));
    std::ifstream victim(outside + "/victim");
    std::string original;
    victim >> original;
    EXPECT_EQ(original, "original");
    EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(destination + "/victim")));
}

TEST(UnrarLinks, HardLinkInsideTheDestinationIsMade) {
    TemporaryFolder folder;
    RarArchiveOptions options;
    const auto path = RarArchiveWriter(options)
                          .write(folder / "hard.rar",
                                 {RarWriterEntry::file("data.txt", "shared"),
                                  RarWriterEntry::link("copy.txt", "data.txt", Kind::HardLink)})
                          .front();
    const auto pass =
        UnrarLibrary::instance().runPass(path, RAR_OM_EXTRACT, RAR_EXTRACT, folder / "dest");
    ASSERT_EQ(pass.entries.size(), 2U);
    EXPECT_EQ(pass.entries[1].processResult, ERAR_SUCCESS);
    EXPECT_TRUE(fs::equivalent(folder / "dest/data.txt", folder / "dest/copy.txt"));
}
