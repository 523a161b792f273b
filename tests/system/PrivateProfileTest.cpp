#include "PrivateProfile.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <string>

namespace {
struct ProfileCase {
    const char* name;
    std::string file; // file bytes; "<none>" for no file at all
    const char* section;
    const char* key;
    const char* defaultValue;
    DWORD size;
    std::string expected;
};

std::string Utf16Le(const std::string& ascii) {
    std::string bytes = "\xFF\xFE";
    for (char ch : ascii) {
        bytes += ch;
        bytes += '\0';
    }
    return bytes;
}

std::string Utf16Be(const std::string& ascii) {
    std::string bytes = "\xFE\xFF";
    for (char ch : ascii) {
        bytes += '\0';
        bytes += ch;
    }
    return bytes;
}

const std::string kSeventy(70, 'x');

const ProfileCase kCases[] = {
    {"CrlfAsWrittenOnWindows", "[Config]\r\nAppName=Tool 2.1\r\nInfoLine1=Line\r\n", "Config",
     "AppName", "INI MISSING", 64, "Tool 2.1"},
    {"LongValueCutToBufferLessOne", "[Config]\nAppName=" + kSeventy + "\n", "Config", "AppName", "",
     64, std::string(63, 'x')},
    {"KeyInAnotherSectionIsIgnored", "[Other]\nAppName=Wrong\n[Config]\nInfoLine1=x\n", "Config",
     "AppName", "INI MISSING", 64, "INI MISSING"},
    {"EmptyValueIsNotTheDefault", "[Config]\nAppName=\n", "Config", "AppName", "INI MISSING", 64,
     ""},
    {"MissingFileGivesDefault", "<none>", "Config", "AppName", "INI MISSING", 64, "INI MISSING"},
    {"NullDefaultGivesEmptyText", "<none>", "Config", "ArchiveFirstFile", nullptr, 64, ""},
    {"MissingSectionGivesDefault", "[Other]\nAppName=x\n", "Config", "AppName", "d", 64, "d"},
    {"Utf8ByteOrderMark", "\xEF\xBB\xBF[Config]\nAppName=Bom\n", "Config", "AppName", "", 64,
     "Bom"},
    {"Utf16LittleEndian", Utf16Le("[Config]\r\nAppName=Wide\r\n"), "Config", "AppName", "", 64,
     "Wide"},
    {"Utf16BigEndian", Utf16Be("[Config]\r\nAppName=Wide\r\n"), "Config", "AppName", "", 64,
     "Wide"},
    {"OnePairOfQuotesRemoved", "[Config]\nAppName=\"\"Quoted\"\"\n", "Config", "AppName", "", 64,
     "\"Quoted\""},
    {"NamesIgnoreCaseAndSpaces", "[ config ]\n  appname  =  Spaced value  \n", "Config", "AppName",
     "", 64, "Spaced value"},
    {"FirstOfDuplicateKeys", "[Config]\nAppName=First\nAppName=Second\n", "Config", "AppName", "",
     64, "First"},
    {"CutNeverSplitsUtf8", "[Config]\nAppName=" + std::string(62, 'a') + "\xC3\xA9\n", "Config",
     "AppName", "", 64, std::string(62, 'a')},
};

class PrivateProfileTest : public testing::TestWithParam<ProfileCase> {};

TEST_P(PrivateProfileTest, ReadsAsTheProfileReaderDoes) {
    const ProfileCase& c = GetParam();
    std::filesystem::path file = std::filesystem::temp_directory_path() /
                                 (std::string("plovrin-profile-") + c.name + ".ini");
    std::filesystem::remove(file);
    if (c.file != "<none>") {
        std::ofstream(file, std::ios::binary) << c.file;
    }
    std::array<char, 64> buffer{};
    buffer.fill('#');
    DWORD copied = GetPrivateProfileStringA(c.section, c.key, c.defaultValue, buffer.data(), c.size,
                                            file.c_str());
    EXPECT_EQ(std::string(buffer.data()), c.expected);
    EXPECT_EQ(copied, c.expected.size());
    std::filesystem::remove(file);
}

INSTANTIATE_TEST_SUITE_P(Cases, PrivateProfileTest, testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });
} // namespace
