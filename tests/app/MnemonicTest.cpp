#include "StaticLabel.h"

#include <gtest/gtest.h>

namespace {
struct MnemonicCase {
    const char* text;
    const char* shown; // the markup inside the white-space span
};

const MnemonicCase kCases[] = {
    {"Tom&Jerry", "Tom<u>J</u>erry"},
    {"Tom&&Jerry", "Tom&amp;Jerry"},
    {"Trailing&", "Trailing"},
    {"a<b>\nc", "a&lt;b&gt;<br>c"},
};

TEST(StaticText, AmpersandMarksTheMnemonicAndADoubledOneShowsItself) {
    for (const MnemonicCase& c : kCases) {
        QString markup = StaticLabel::MnemonicMarkup(QString::fromUtf8(c.text));
        EXPECT_TRUE(markup.contains(QString::fromUtf8(c.shown))) << markup.toStdString();
    }
}
} // namespace
