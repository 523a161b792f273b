#include "NaturalNameOrder.h"

#include <gtest/gtest.h>

TEST(NaturalNameOrderTest, OrdersByLettersWithoutCaseAndDigitRunsByValue) {
    const struct {
        const char* left;
        const char* right;
        int order;
    } cases[] = {
        {"Disk 2", "Disk 10", -1},
        {"file9.txt", "file10.txt", -1},
        {"a2b", "a10a", -1},
        {"10", "9", 1},
        {"apple", "Banana", -1},
        {"APPLE", "banana", -1},
        {"a", "ab", -1},
        {"\xC3\xA4pfel", "Zebra", 1},         // ä after the ASCII letters
        {"\xC3\x84pfel", "\xC3\xA4pfel", -1}, // Ä and ä differ only in case: bytes decide
        {"x01", "x1", -1},                    // same value: bytes decide
        {"\xFF", "z", 1},                     // a byte that is not UTF-8
        {"Folder", "Folder", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NaturalNameOrder::Compare(c.left, c.right), c.order)
            << c.left << " / " << c.right;
        EXPECT_EQ(NaturalNameOrder::Compare(c.right, c.left), -c.order)
            << c.right << " / " << c.left;
    }
}

TEST(NaturalNameOrderTest, CaseDoesNotSeparateNamesThatSortTogether) {
    EXPECT_LT(NaturalNameOrder::Compare("b", "C"), 0);
    EXPECT_GT(NaturalNameOrder::Compare("c", "B"), 0);
    EXPECT_LT(NaturalNameOrder::Compare("\xC3\xB6l", "\xC3\x96m"), 0); // öl before Öm
}
