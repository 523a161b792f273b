#include "ShellApi.h"

#include <cstring>
#include <gtest/gtest.h>
#include <string>

TEST(WideCharToMultiByteTest, ConvertsUtf16ToUtf8) {
    const struct {
        std::u16string wide;
        std::string text;
    } cases[] = {
        {u"Home", "Home"},
        {u"", ""},
        {u"\u00DCbung \u65E5\u672C", "\xC3\x9C"
                                     "bung \xE6\x97\xA5\xE6\x9C\xAC"},
        {u"\U0001F600", "\xF0\x9F\x98\x80"},
        {std::u16string(1, u'\xD800') + u"x", "\xEF\xBF\xBDx"}, // an unpaired surrogate
    };
    for (const auto& c : cases) {
        char text[MAX_PATH];
        const int needed =
            WideCharToMultiByte(CP_ACP, 0, c.wide.c_str(), -1, nullptr, 0, nullptr, nullptr);
        EXPECT_EQ(needed, static_cast<int>(c.text.size() + 1));
        EXPECT_EQ(
            WideCharToMultiByte(CP_ACP, 0, c.wide.c_str(), -1, text, MAX_PATH, nullptr, nullptr),
            needed);
        EXPECT_EQ(std::string(text), c.text);
    }
}

TEST(WideCharToMultiByteTest, TextThatDoesNotFitIsCutAfterWholeCharacters) {
    char text[6];
    std::memset(text, '#', sizeof(text));
    // "ab" + three two-byte characters: 8 bytes and a terminator do not fit in 6.
    EXPECT_EQ(
        WideCharToMultiByte(CP_ACP, 0, u"ab\u00E4\u00F6\u00FC", -1, text, 6, nullptr, nullptr), 0);
    EXPECT_STREQ(text, "ab\xC3\xA4");
}

TEST(WideCharToMultiByteTest, RefusesOtherCodePagesAndMissingText) {
    char text[8] = "keep";
    EXPECT_EQ(WideCharToMultiByte(1252, 0, u"x", -1, text, 8, nullptr, nullptr), 0);
    EXPECT_EQ(WideCharToMultiByte(CP_ACP, 0, nullptr, -1, text, 8, nullptr, nullptr), 0);
    EXPECT_STREQ(text, "keep");
}
