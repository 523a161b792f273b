#include "IdListUtil.h"

#include "NamespaceTree.h"
#include "ShellAllocator.h"
#include "StandInFolder.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

// A list of items of the given counts; each item's bytes after its count are its number.
Bytes MakeList(std::initializer_list<USHORT> counts) {
    Bytes bytes;
    BYTE number = 1;
    for (USHORT count : counts) {
        bytes.push_back(static_cast<BYTE>(count));
        bytes.push_back(static_cast<BYTE>(count >> 8));
        bytes.insert(bytes.end(), count - 2, number++);
    }
    bytes.insert(bytes.end(), {0, 0});
    return bytes;
}

LPCITEMIDLIST AsList(const Bytes& bytes) {
    return reinterpret_cast<LPCITEMIDLIST>(bytes.data());
}

Bytes BytesOf(LPCITEMIDLIST list, UINT size) {
    const auto* start = reinterpret_cast<const BYTE*>(list);
    return Bytes(start, start + size);
}

void Free(void* block) {
    ShellAllocator::Instance().Free(block);
}

// Checks that every block the operations hand out is given back.
class IdListUtilTest : public ::testing::Test {
protected:
    void SetUp() override { m_liveBlocks = ShellAllocator::Instance().LiveBlockCount(); }
    void TearDown() override {
        EXPECT_EQ(ShellAllocator::Instance().LiveBlockCount(), m_liveBlocks);
    }

private:
    long m_liveBlocks = 0;
};

class FailingAllocator : public IMalloc {
public:
    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    void* Alloc(SIZE_T) override { return nullptr; }
    void Free(void*) override {}
};

} // namespace

TEST_F(IdListUtilTest, ListsAreMeasuredAndSteppedThrough) {
    const Bytes empty = MakeList({});
    const Bytes twoItems = MakeList({20, 14});
    const struct {
        const char* what;
        LPCITEMIDLIST list;
        UINT size;
    } cases[] = {
        {"null", nullptr, 0}, {"empty", AsList(empty), 2}, {"20 + 14", AsList(twoItems), 36}};
    for (const auto& c : cases) {
        EXPECT_EQ(CIdListUtil::ListSize(c.list), c.size) << c.what;
    }
    const LPITEMIDLIST second = CIdListUtil::NextItem(AsList(twoItems));
    EXPECT_EQ(reinterpret_cast<const BYTE*>(second), twoItems.data() + 20);
    EXPECT_EQ(second->mkid.cb, 14);
    EXPECT_EQ(CIdListUtil::NextItem(second)->mkid.cb, 0);
}

TEST_F(IdListUtilTest, JoinsCopyTheFirstListsItemsThenAllOfTheSecond) {
    const Bytes empty = MakeList({});
    const Bytes first = MakeList({20, 14});
    const Bytes second = MakeList({9});
    Bytes joined(first.begin(), first.end() - 2);
    joined.insert(joined.end(), second.begin(), second.end());
    const struct {
        const char* what;
        LPCITEMIDLIST first;
        LPCITEMIDLIST second;
        Bytes expected;
    } cases[] = {
        {"null first", nullptr, AsList(second), second},
        {"empty first", AsList(empty), AsList(second), second},
        {"two lists", AsList(first), AsList(second), joined},
        {"empty second", AsList(first), AsList(empty), first},
    };
    for (const auto& c : cases) {
        const LPITEMIDLIST result = CIdListUtil::JoinLists(c.first, c.second);
        ASSERT_NE(result, nullptr) << c.what;
        EXPECT_EQ(CIdListUtil::ListSize(result), c.expected.size()) << c.what;
        EXPECT_EQ(BytesOf(result, c.expected.size()), c.expected) << c.what;
        Free(result);
    }
}

TEST_F(IdListUtilTest, CopyFirstItemTakesTheItemAndTheTwoBytesAfterIt) {
    IMalloc* allocator = nullptr;
    ASSERT_EQ(SHGetMalloc(&allocator), S_OK);
    const Bytes oneItem = MakeList({20});
    const Bytes empty = MakeList({});
    const Bytes twoItems = MakeList({20, 14});
    const struct {
        const char* what;
        const Bytes& list;
        Bytes expected;
    } cases[] = {
        {"one item of 20", oneItem, oneItem},
        {"empty", empty, empty},
        {"first of two", twoItems, Bytes(twoItems.begin(), twoItems.begin() + 22)},
    };
    for (const auto& c : cases) {
        const LPITEMIDLIST copy = CIdListUtil::CopyFirstItem(allocator, AsList(c.list));
        ASSERT_NE(copy, nullptr) << c.what;
        EXPECT_NE(reinterpret_cast<const BYTE*>(copy), c.list.data()) << c.what;
        EXPECT_EQ(BytesOf(copy, c.expected.size()), c.expected) << c.what;
        Free(copy);
    }
    allocator->Release();
    FailingAllocator failing;
    EXPECT_EQ(CIdListUtil::CopyFirstItem(&failing, AsList(oneItem)), nullptr);
}

TEST_F(IdListUtilTest, AllocatedListsAreZeroed) {
    for (UINT size : {2u, 22u, 4096u}) {
        const LPITEMIDLIST list = CIdListUtil::AllocList(size);
        ASSERT_NE(list, nullptr);
        EXPECT_EQ(BytesOf(list, size), Bytes(size, 0)) << size;
        Free(list);
    }
}

TEST_F(IdListUtilTest, DisplayTextComesFromEveryStrretKind) {
    const std::string longAscii(300, 'n');
    std::u16string longWide;
    std::string longUtf8;
    for (int i = 0; i < 150; ++i) {
        longWide += u'\u00E4';
        longUtf8 += "\xC3\xA4";
    }
    // The list asked about, with a name inside it at offset 3.
    Bytes named = {0, 0, 4};
    const std::string listName = "Named folder";
    named.insert(named.end(), listName.begin(), listName.end());
    named.insert(named.end(), {0, 0, 0});
    named[0] = static_cast<BYTE>(named.size() - 2);
    Bytes longNamed = {0, 0, 4};
    longNamed.insert(longNamed.end(), longAscii.begin(), longAscii.end());
    longNamed.insert(longNamed.end(), {0, 0, 0});
    longNamed[0] = static_cast<BYTE>((longNamed.size() - 2) & 0xFF);
    longNamed[1] = static_cast<BYTE>((longNamed.size() - 2) >> 8);

    const struct {
        const char* what;
        UINT kind;
        std::u16string wide;
        UINT offset;
        std::string inlineText;
        const Bytes& item;
        std::string text;
    } cases[] = {
        {"wide", STRRET_WSTR, u"Home", 0, "", named, "Home"},
        {"wide non-ASCII", STRRET_WSTR, u"\u00DCbung", 0, "", named,
         "\xC3\x9C"
         "bung"},
        {"wide too long", STRRET_WSTR, longWide, 0, "", named, longUtf8.substr(0, 258)},
        {"offset", STRRET_OFFSET, u"", 3, "", named, listName},
        {"offset too long", STRRET_OFFSET, u"", 3, "", longNamed, longAscii.substr(0, 259)},
        {"inline", STRRET_CSTR, u"", 0, "File System", named, "File System"},
        {"inline unterminated", STRRET_CSTR, u"", 0, std::string(MAX_PATH, 'c'), named,
         std::string(259, 'c')},
    };
    for (const auto& c : cases) {
        StandInFolder folder;
        folder.name.uType = c.kind;
        folder.wideName = c.wide;
        if (c.kind == STRRET_OFFSET) {
            folder.name.uOffset = c.offset;
        } else if (c.kind == STRRET_CSTR) {
            std::memcpy(folder.name.cStr, c.inlineText.data(), c.inlineText.size());
        }
        char text[MAX_PATH];
        EXPECT_EQ(CIdListUtil::GetDisplayText(&folder, AsList(c.item), SHGDN_NORMAL, text), TRUE)
            << c.what;
        EXPECT_EQ(std::string(text), c.text) << c.what;
    }
}

TEST_F(IdListUtilTest, NoTextWhenTheFolderGivesNoUsableName) {
    const Bytes item = MakeList({6});
    const struct {
        const char* what;
        HRESULT result;
        UINT kind;
        UINT offset;
    } cases[] = {
        {"S_FALSE", S_FALSE, STRRET_CSTR, 0},
        {"failure", E_FAIL, STRRET_CSTR, 0},
        {"unknown kind", S_OK, 7, 0},
        {"offset outside the list", S_OK, STRRET_OFFSET, 100},
    };
    for (const auto& c : cases) {
        StandInFolder folder;
        folder.nameResult = c.result;
        folder.name.uType = c.kind;
        folder.name.uOffset = c.offset;
        char text[MAX_PATH] = "unchanged";
        EXPECT_EQ(CIdListUtil::GetDisplayText(&folder, AsList(item), SHGDN_NORMAL, text), FALSE)
            << c.what;
        EXPECT_STREQ(text, "unchanged") << c.what;
    }
}

TEST_F(IdListUtilTest, IconIndexesComeFromTheSystemImageList) {
    NamespaceTree tree;
    IShellFolder* desktop = nullptr;
    ASSERT_EQ(SHGetDesktopFolder(&desktop), S_OK);
    IEnumIDList* enumerator = nullptr;
    ASSERT_EQ(desktop->EnumObjects(nullptr, SHCONTF_FOLDERS, &enumerator), S_OK);
    LPITEMIDLIST home = nullptr;
    ASSERT_EQ(enumerator->Next(1, &home, nullptr), S_OK);
    enumerator->Release();
    desktop->Release();

    constexpr UINT Closed = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(home), 0, &info, sizeof(info), Closed);
    EXPECT_EQ(CIdListUtil::GetIconIndex(home, Closed), info.iIcon);
    EXPECT_NE(CIdListUtil::GetIconIndex(home, Closed), 0) << "Home has an icon of its own";
    const Bytes malformed = MakeList({3});
    EXPECT_EQ(CIdListUtil::GetIconIndex(AsList(malformed), Closed), 0) << "the folder icon";
    Free(home);
}
