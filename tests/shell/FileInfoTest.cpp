#include "FolderReader.h"
#include "ImageList.h"
#include "NamespaceTree.h"

#include <gtest/gtest.h>

namespace {

class FileInfoTest : public ::testing::Test {
protected:
    void SetUp() override { tree.MakeFolder("Documents"); }

    // The icon index and image list that the shell reports for an absolute list.
    static std::pair<int, DWORD_PTR> IconOf(LPCITEMIDLIST list, UINT flags) {
        SHFILEINFOA info{};
        info.iIcon = -1;
        const DWORD_PTR result =
            SHGetFileInfoA(reinterpret_cast<LPCSTR>(list), 0, &info, sizeof(info), flags);
        return {info.iIcon, result};
    }

    NamespaceTree tree;
};

constexpr UINT Closed = SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON;
constexpr UINT Open = Closed | SHGFI_OPENICON;

} // namespace

TEST_F(FileInfoTest, EachKindOfItemHasItsIconInTheOneSmallIconList) {
    const Folder desktop = FolderReader::Desktop();
    const Folder homeFolder = FolderReader::Bind(desktop.get(), "Home");
    const ItemList home = FolderReader::Find(desktop.get(), "Home");
    const ItemList computer = FolderReader::Find(desktop.get(), "Computer");
    const ItemList documents =
        FolderReader::Join(home.get(), FolderReader::Find(homeFolder.get(), "Documents").get());
    const std::vector<BYTE> empty{0, 0};
    const LPCITEMIDLIST desktopList = reinterpret_cast<LPCITEMIDLIST>(empty.data());

    const auto [folderIcon, list] = IconOf(documents.get(), Closed);
    ASSERT_NE(list, 0u);
    EXPECT_EQ(ImageList_GetImageCount(reinterpret_cast<HIMAGELIST>(list)), 7);
    const int icons[] = {folderIcon, IconOf(documents.get(), Open).first,
                         IconOf(home.get(), Closed).first, IconOf(computer.get(), Closed).first,
                         IconOf(desktopList, Closed).first};
    for (std::size_t i = 0; i < std::size(icons); ++i) {
        EXPECT_GE(icons[i], 0);
        for (std::size_t j = i + 1; j < std::size(icons); ++j) {
            EXPECT_NE(icons[i], icons[j]) << i << " and " << j;
        }
    }
    EXPECT_EQ(IconOf(home.get(), Open).first, IconOf(home.get(), Closed).first)
        << "only plain folders have an open icon";
    EXPECT_EQ(IconOf(computer.get(), Open).second, list);
    EXPECT_EQ(folderIcon, 0) << "the plain folder comes first, for callers that see no index";
}

TEST_F(FileInfoTest, PathsAreLookedUpInTheFileSystem) {
    SHFILEINFOA root{};
    const DWORD_PTR list =
        SHGetFileInfoA("/", 0, &root, sizeof(root), SHGFI_SYSICONINDEX | SHGFI_SMALLICON);
    EXPECT_NE(list, 0u);
    SHFILEINFOA folder{};
    SHGetFileInfoA(tree.Path("Documents").c_str(), 0, &folder, sizeof(folder), SHGFI_SYSICONINDEX);
    EXPECT_NE(root.iIcon, folder.iIcon);
    SHFILEINFOA missing{};
    EXPECT_EQ(SHGetFileInfoA(tree.Path("missing").c_str(), 0, &missing, sizeof(missing),
                             SHGFI_SYSICONINDEX),
              0u);
}

TEST_F(FileInfoTest, MalformedListsAndOtherRequestsGetNothing) {
    const std::vector<BYTE> malformed{4, 0, 42, 0, 0, 0};
    EXPECT_EQ(IconOf(reinterpret_cast<LPCITEMIDLIST>(malformed.data()), Closed).second, 0u);
    SHFILEINFOA info{};
    EXPECT_EQ(SHGetFileInfoA("/", 0, &info, sizeof(info), SHGFI_SMALLICON), 0u);
    EXPECT_EQ(SHGetFileInfoA("/", 0, nullptr, 0, SHGFI_SYSICONINDEX), 0u);
}
