#include "FolderReader.h"
#include "NamespaceTree.h"
#include "ShellAllocator.h"

#include <cstring>
#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Names = std::vector<std::string>;

const std::string Unicode = "\xC3\x9Cn\xC3\xAF"
                            "c\xC3\xB8"
                            "d\xC3\xA9 \xC3\xB1"
                            "ame";

// A home folder and a desktop folder with every kind of entry the namespace must handle.
class NamespaceTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_liveBlocks = ShellAllocator::Instance().LiveBlockCount();
        tree.SetDesktopEntry("$HOME/Schreibtisch");
        for (const char* folder :
             {"Schreibtisch/Projects", "Schreibtisch/Disk 10", "Schreibtisch/Disk 2",
              "Schreibtisch/.hidden", "Documents/Sub", "My Folder", ".secret/inner",
              "OnlyHidden/.git", "LinkOnly", "Locked/inner"}) {
            tree.MakeFolder(folder);
        }
        tree.MakeFolder(Unicode);
        tree.MakeFile("Schreibtisch/notes.txt");
        tree.MakeFile("readme.txt");
        tree.MakeLink("DocsLink", "Documents");
        tree.MakeLink("LinkOnly/ToDocs", "../Documents");
        tree.MakeLink("Broken", "missing");
        chmod(tree.Path("Locked").c_str(), 0);
    }
    void TearDown() override {
        EXPECT_EQ(ShellAllocator::Instance().LiveBlockCount(), m_liveBlocks)
            << "every block handed out was given back";
    }

    Folder HomeFolder() { return FolderReader::Bind(FolderReader::Desktop().get(), "Home"); }

    NamespaceTree tree;
    long m_liveBlocks = 0;
};

// Runs the check in a child process without root's right to read every folder.
template <class Check> bool PassesWithoutPrivileges(Check check) {
    const pid_t child = fork();
    if (child == 0) {
        if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) {
            _exit(2);
        }
        _exit(check() ? 0 : 1);
    }
    int status = 0;
    waitpid(child, &status, 0);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// An item laid out by hand, to see what the folders make of items they did not hand out.
std::vector<BYTE> RawItem(BYTE kind, const std::string& text) {
    const std::size_t size = 3 + text.size() + 1;
    std::vector<BYTE> bytes(size + 2, 0);
    bytes[0] = static_cast<BYTE>(size);
    bytes[1] = static_cast<BYTE>(size >> 8);
    bytes[2] = kind;
    std::memcpy(bytes.data() + 3, text.data(), text.size());
    return bytes;
}

LPCITEMIDLIST AsList(const std::vector<BYTE>& bytes) {
    return reinterpret_cast<LPCITEMIDLIST>(bytes.data());
}

} // namespace

TEST_F(NamespaceTest, DesktopHoldsHomeAndComputerThenTheDesktopFolders) {
    const Folder desktop = FolderReader::Desktop();
    EXPECT_EQ(FolderReader::Names(desktop.get()),
              (Names{"Home", "Computer", "Disk 2", "Disk 10", "Projects"}));
    EXPECT_EQ(FolderReader::Names(desktop.get(), SHCONTF_FOLDERS | SHCONTF_NONFOLDERS),
              (Names{"Home", "Computer", "Disk 2", "Disk 10", "Projects", "notes.txt"}));
    EXPECT_EQ(FolderReader::Names(desktop.get(), SHCONTF_NONFOLDERS), (Names{"notes.txt"}));
}

TEST_F(NamespaceTest, DesktopFolderFollowsTheUserDirectories) {
    tree.MakeFolder("Desktop/Default");
    const struct {
        const char* desktopEntry; // null: no user-directories file
        Names names;
    } cases[] = {
        {"$HOME/Schreibtisch", {"Home", "Computer", "Disk 2", "Disk 10", "Projects"}},
        {nullptr, {"Home", "Computer", "Default"}},
        {"$HOME/Missing", {"Home", "Computer"}},
        {"$HOME/", {"Home", "Computer"}}, // the desktop switched off
    };
    for (const auto& c : cases) {
        std::filesystem::remove(tree.Path(".config/user-dirs.dirs"));
        if (c.desktopEntry) {
            tree.SetDesktopEntry(c.desktopEntry);
        }
        EXPECT_EQ(FolderReader::Names(FolderReader::Desktop().get()), c.names)
            << (c.desktopEntry ? c.desktopEntry : "no user-dirs.dirs");
    }
}

TEST_F(NamespaceTest, FoldersListVisibleSubFoldersByTheirBytes) {
    const Folder home = HomeFolder();
    ASSERT_TRUE(home);
    EXPECT_EQ(FolderReader::Names(home.get()),
              (Names{"DocsLink", "Documents", "LinkOnly", "Locked", "My Folder", "OnlyHidden",
                     "Schreibtisch", Unicode}));
    EXPECT_EQ(FolderReader::Names(home.get(), SHCONTF_NONFOLDERS), (Names{"Broken", "readme.txt"}));
    const Names withHidden =
        FolderReader::Names(home.get(), SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN);
    EXPECT_NE(std::find(withHidden.begin(), withHidden.end(), ".secret"), withHidden.end());
    EXPECT_EQ(std::find(withHidden.begin(), withHidden.end(), ".."), withHidden.end());
}

TEST_F(NamespaceTest, DisplayNamesComeInEveryStrretKind) {
    const Folder desktop = FolderReader::Desktop();
    const Folder computer = FolderReader::Bind(desktop.get(), "Computer");
    ASSERT_TRUE(computer);
    const struct {
        IShellFolder* folder;
        ItemList item;
        UINT kind;
        const char* name;
    } cases[] = {
        {desktop.get(), FolderReader::Find(desktop.get(), "Home"), STRRET_WSTR, "Home"},
        {desktop.get(), FolderReader::Find(desktop.get(), "Computer"), STRRET_WSTR, "Computer"},
        {desktop.get(), FolderReader::Find(desktop.get(), "Projects"), STRRET_OFFSET, "Projects"},
        {computer.get(), FolderReader::Find(computer.get(), "File System"), STRRET_CSTR,
         "File System"},
    };
    for (const auto& c : cases) {
        ASSERT_TRUE(c.item) << c.name;
        STRRET name{};
        ASSERT_EQ(c.folder->GetDisplayNameOf(c.item.get(), SHGDN_NORMAL, &name), S_OK);
        EXPECT_EQ(name.uType, c.kind) << c.name;
        if (name.uType == STRRET_WSTR) {
            FreeShellMemory(name.pOleStr);
        }
        EXPECT_EQ(FolderReader::NameOf(c.folder, c.item.get()), c.name);
    }
}

TEST_F(NamespaceTest, AttributesAreReportedTruthfully) {
    constexpr SFGAOF All = SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM;
    const Folder desktop = FolderReader::Desktop();
    const Folder home = HomeFolder();
    const struct {
        IShellFolder* folder;
        const char* name;
        SFGAOF attributes;
    } cases[] = {
        {desktop.get(), "Home", All},
        {desktop.get(), "Computer", SFGAO_FOLDER | SFGAO_HASSUBFOLDER},
        {desktop.get(), "Projects", SFGAO_FOLDER | SFGAO_FILESYSTEM},
        {desktop.get(), "notes.txt", SFGAO_FILESYSTEM},
        {home.get(), "Documents", All},
        {home.get(), "My Folder", SFGAO_FOLDER | SFGAO_FILESYSTEM},
        {home.get(), "OnlyHidden", SFGAO_FOLDER | SFGAO_FILESYSTEM},
        // Its link count shows no sub-directory, so it is not read for the link inside.
        {home.get(), "LinkOnly", SFGAO_FOLDER | SFGAO_FILESYSTEM},
        {home.get(), "DocsLink", All},
        {home.get(), "readme.txt", SFGAO_FILESYSTEM},
        {home.get(), "Broken", SFGAO_FILESYSTEM},
    };
    for (const auto& c : cases) {
        const ItemList item = FolderReader::Find(c.folder, c.name);
        ASSERT_TRUE(item) << c.name;
        LPCITEMIDLIST items[] = {item.get()};
        SFGAOF attributes = All;
        EXPECT_EQ(c.folder->GetAttributesOf(1, items, &attributes), S_OK);
        EXPECT_EQ(attributes, c.attributes) << c.name;
        attributes = SFGAO_FOLDER;
        c.folder->GetAttributesOf(1, items, &attributes);
        EXPECT_EQ(attributes, c.attributes & SFGAO_FOLDER) << c.name << ": only what was asked";
    }
}

TEST_F(NamespaceTest, AnUnreadableFolderBindsButListsNothing) {
    EXPECT_TRUE(PassesWithoutPrivileges([&] {
        const Folder home = HomeFolder();
        const ItemList locked = FolderReader::Find(home.get(), "Locked");
        const Folder bound = FolderReader::Bind(home.get(), "Locked");
        LPCITEMIDLIST items[] = {locked.get()};
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
        home->GetAttributesOf(1, items, &attributes);
        return bound && FolderReader::Names(bound.get()).empty() && attributes == SFGAO_FOLDER;
    }));
}

TEST_F(NamespaceTest, LinksToFoldersAreFollowed) {
    const Folder link = FolderReader::Bind(HomeFolder().get(), "DocsLink");
    ASSERT_TRUE(link);
    EXPECT_EQ(FolderReader::Names(link.get()), (Names{"Sub"}));
}

TEST_F(NamespaceTest, BindingRefusesFilesForeignItemsAndOtherInterfaces) {
    const Folder home = HomeFolder();
    const ItemList file = FolderReader::Find(home.get(), "readme.txt");
    const ItemList documents = FolderReader::Find(home.get(), "Documents");
    const auto parent = RawItem(4, "..");
    const auto nested = RawItem(4, "Documents/Sub");
    const auto volume = RawItem(3, "/");
    const auto unknownKind = RawItem(9, "Documents");
    const struct {
        const char* what;
        LPCITEMIDLIST item;
        REFIID iid;
        HRESULT result;
    } cases[] = {
        {"a file", file.get(), IID_IShellFolder, E_FAIL},
        {"the parent", AsList(parent), IID_IShellFolder, E_INVALIDARG},
        {"a name with a slash", AsList(nested), IID_IShellFolder, E_INVALIDARG},
        {"a volume", AsList(volume), IID_IShellFolder, E_INVALIDARG},
        {"an unknown kind", AsList(unknownKind), IID_IShellFolder, E_INVALIDARG},
        {"another interface", documents.get(), IID_IContextMenu, E_NOINTERFACE},
    };
    for (const auto& c : cases) {
        void* object = reinterpret_cast<void*>(1);
        EXPECT_EQ(home->BindToObject(c.item, nullptr, c.iid, &object), c.result) << c.what;
        EXPECT_EQ(object, nullptr) << c.what;
    }
}

TEST_F(NamespaceTest, CompareIdsPutsVirtualItemsFirstAndDigitRunsByValue) {
    const Folder desktop = FolderReader::Desktop();
    const ItemList home = FolderReader::Find(desktop.get(), "Home");
    const ItemList computer = FolderReader::Find(desktop.get(), "Computer");
    const ItemList disk2 = FolderReader::Find(desktop.get(), "Disk 2");
    const ItemList disk10 = FolderReader::Find(desktop.get(), "Disk 10");
    const auto broken = RawItem(4, "");
    const struct {
        LPCITEMIDLIST left;
        LPCITEMIDLIST right;
        short order;
    } cases[] = {
        {home.get(), computer.get(), -1}, {computer.get(), disk2.get(), -1},
        {disk2.get(), disk10.get(), -1},  {disk10.get(), home.get(), 1},
        {disk10.get(), disk10.get(), 0},
    };
    for (const auto& c : cases) {
        const HRESULT result = desktop->CompareIDs(0, c.left, c.right);
        EXPECT_TRUE(SUCCEEDED(result));
        EXPECT_EQ(static_cast<short>(HRESULT_CODE(result)), c.order);
    }
    EXPECT_TRUE(FAILED(desktop->CompareIDs(0, home.get(), AsList(broken))));
}

TEST_F(NamespaceTest, AbsoluteListsGiveTheirPaths) {
    const Folder desktop = FolderReader::Desktop();
    const Folder homeFolder = HomeFolder();
    const Folder documents = FolderReader::Bind(homeFolder.get(), "Documents");
    const Folder computer = FolderReader::Bind(desktop.get(), "Computer");
    const ItemList home = FolderReader::Find(desktop.get(), "Home");
    const ItemList computerItem = FolderReader::Find(desktop.get(), "Computer");
    const ItemList documentsItem = FolderReader::Find(homeFolder.get(), "Documents");
    const ItemList sub = FolderReader::Find(documents.get(), "Sub");
    const ItemList projects = FolderReader::Find(desktop.get(), "Projects");
    const ItemList root = FolderReader::Find(computer.get(), "File System");
    const ItemList homeDocuments = FolderReader::Join(home.get(), documentsItem.get());
    const ItemList homeDocumentsSub = FolderReader::Join(homeDocuments.get(), sub.get());
    const ItemList computerRoot = FolderReader::Join(computerItem.get(), root.get());
    const std::vector<BYTE> empty{0, 0};
    const struct {
        const char* what;
        LPCITEMIDLIST list;
        BOOL found;
        std::string path;
    } cases[] = {
        {"Home", home.get(), TRUE, tree.Home()},
        {"a folder two levels down", homeDocumentsSub.get(), TRUE, tree.Path("Documents/Sub")},
        {"a desktop folder", projects.get(), TRUE, tree.Path("Schreibtisch/Projects")},
        {"the desktop", AsList(empty), TRUE, tree.Path("Schreibtisch")},
        {"the root volume", computerRoot.get(), TRUE, "/"},
        {"Computer", computerItem.get(), FALSE, ""},
        {"a volume alone", root.get(), FALSE, ""},
    };
    for (const auto& c : cases) {
        char path[MAX_PATH];
        std::strcpy(path, "unchanged");
        EXPECT_EQ(SHGetPathFromIDListA(c.list, path), c.found) << c.what;
        EXPECT_EQ(std::string(path), c.path) << c.what;
    }
}

TEST_F(NamespaceTest, APathLongerThanTheBufferIsRefused) {
    const std::string longName(250, 'x');
    tree.MakeFolder(longName);
    const Folder desktop = FolderReader::Desktop();
    const ItemList home = FolderReader::Find(desktop.get(), "Home");
    const ItemList folder = FolderReader::Find(HomeFolder().get(), longName);
    ASSERT_TRUE(folder);
    const ItemList list = FolderReader::Join(home.get(), folder.get());
    char path[MAX_PATH] = "unchanged";
    EXPECT_EQ(SHGetPathFromIDListA(list.get(), path), FALSE);
    EXPECT_STREQ(path, "");
}

TEST_F(NamespaceTest, ComputerShowsTheRootFileSystemFirst) {
    const Folder desktop = FolderReader::Desktop();
    const Folder computer = FolderReader::Bind(desktop.get(), "Computer");
    ASSERT_TRUE(computer);
    const Names volumes = FolderReader::Names(computer.get());
    ASSERT_FALSE(volumes.empty());
    EXPECT_EQ(volumes.front(), "File System");
    const ItemList root = FolderReader::Find(computer.get(), "File System");
    LPCITEMIDLIST items[] = {root.get()};
    SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM;
    EXPECT_EQ(computer->GetAttributesOf(1, items, &attributes), S_OK);
    EXPECT_EQ(attributes, SFGAO_FOLDER | SFGAO_HASSUBFOLDER | SFGAO_FILESYSTEM);
    const Folder rootFolder = FolderReader::Bind(computer.get(), "File System");
    ASSERT_TRUE(rootFolder);
    const Names top = FolderReader::Names(rootFolder.get());
    EXPECT_NE(std::find(top.begin(), top.end(), "tmp"), top.end());
}

TEST_F(NamespaceTest, EnumeratorsHandOutSkipAndStartOver) {
    const Folder home = HomeFolder();
    IEnumIDList* enumerator = nullptr;
    ASSERT_EQ(home->EnumObjects(nullptr, SHCONTF_FOLDERS, &enumerator), S_OK);
    LPITEMIDLIST items[3] = {};
    ULONG fetched = 0;
    EXPECT_EQ(enumerator->Next(3, items, &fetched), S_OK);
    EXPECT_EQ(fetched, 3u);
    const std::string first = FolderReader::NameOf(home.get(), items[0]);
    for (LPITEMIDLIST item : items) {
        FreeShellMemory(item);
    }
    EXPECT_EQ(enumerator->Next(2, items, nullptr), E_INVALIDARG);
    EXPECT_EQ(enumerator->Skip(100), S_FALSE);
    EXPECT_EQ(enumerator->Next(1, items, &fetched), S_FALSE);
    EXPECT_EQ(fetched, 0u);
    EXPECT_EQ(enumerator->Reset(), S_OK);
    ASSERT_EQ(enumerator->Next(1, items, nullptr), S_OK);
    EXPECT_EQ(FolderReader::NameOf(home.get(), items[0]), first);
    FreeShellMemory(items[0]);
    enumerator->Release();
}

TEST_F(NamespaceTest, ContextMenusAreForOneItemAsIContextMenu) {
    const Folder home = HomeFolder();
    const ItemList documents = FolderReader::Find(home.get(), "Documents");
    LPCITEMIDLIST items[] = {documents.get(), documents.get()};
    void* object = nullptr;
    EXPECT_EQ(home->GetUIObjectOf(nullptr, 2, items, IID_IContextMenu, nullptr, &object),
              E_INVALIDARG);
    EXPECT_EQ(home->GetUIObjectOf(nullptr, 1, items, IID_IShellFolder, nullptr, &object),
              E_NOINTERFACE);
    ASSERT_EQ(home->GetUIObjectOf(nullptr, 1, items, IID_IContextMenu, nullptr, &object), S_OK);
    static_cast<IContextMenu*>(object)->Release();
}
