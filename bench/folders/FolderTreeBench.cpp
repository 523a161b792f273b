// Times expanding a folder of 10,000 sub-folders in the folder tree until they are shown
// sorted, against enumerating the same folder through the namespace alone (names and
// attributes) in the same run, and prints the ratio. The target is at most 3.

#include "Automation.h"
#include "IdListUtil.h"
#include "NamespaceTree.h"
#include "ShellApi.h"
#include "TreeHostDlg.h"
#include "WidgetHandle.h"
#include "WinApp.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

namespace {
constexpr int FolderCount = 10000;
constexpr int Rounds = 5;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// The child of `folder` with that display name, bound; null when there is none.
IShellFolder* BindChild(IShellFolder* folder, const char* name) {
    IShellFolder* child = nullptr;
    IEnumIDList* enumerator = nullptr;
    IMalloc* allocator = nullptr;
    SHGetMalloc(&allocator);
    folder->EnumObjects(nullptr, SHCONTF_FOLDERS, &enumerator);
    LPITEMIDLIST id = nullptr;
    ULONG fetched = 0;
    while (!child && enumerator->Next(1, &id, &fetched) == S_OK) {
        char text[MAX_PATH];
        if (CIdListUtil::GetDisplayText(folder, id, SHGDN_NORMAL, text) &&
            std::string(text) == name) {
            folder->BindToObject(id, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&child));
        }
        allocator->Free(id);
    }
    enumerator->Release();
    allocator->Release();
    return child;
}

// The peer: every sub-folder's name and attributes, as the namespace hands them out.
double EnumerateThroughNamespace(IShellFolder* folder) {
    IMalloc* allocator = nullptr;
    SHGetMalloc(&allocator);
    const auto start = Clock::now();
    IEnumIDList* enumerator = nullptr;
    folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &enumerator);
    LPITEMIDLIST id = nullptr;
    ULONG fetched = 0;
    int folders = 0;
    while (enumerator->Next(1, &id, &fetched) == S_OK) {
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
        LPCITEMIDLIST items[] = {id};
        folder->GetAttributesOf(1, items, &attributes);
        char text[MAX_PATH];
        folders += (attributes & SFGAO_FOLDER) &&
                   CIdListUtil::GetDisplayText(folder, id, SHGDN_NORMAL, text);
        allocator->Free(id);
    }
    enumerator->Release();
    const double seconds = Seconds(Clock::now() - start);
    allocator->Release();
    if (folders != FolderCount) {
        std::fprintf(stderr, "the namespace listed %d folders\n", folders);
        std::exit(1);
    }
    return seconds;
}

// The tree: expand "big" under Home, then draw the dialog so the rows are laid out and shown.
double ExpandInTree() {
    double seconds = 0;
    AutomationScript script;
    script.OnDialog([&](CDialog& dialog) {
        auto& host = static_cast<CTreeHostDlg&>(dialog);
        CFolderTreeCtrl& tree = *host.Tree();
        HTREEITEM big = tree.GetChildItem(tree.GetRootItem());
        const auto start = Clock::now();
        tree.Expand(big, TVE_EXPAND);
        WidgetFromHandle(host.GetSafeHwnd())->grab();
        seconds = Seconds(Clock::now() - start);
        int shown = 0;
        for (HTREEITEM item = tree.GetChildItem(big); item; item = tree.GetNextSiblingItem(item)) {
            ++shown;
        }
        if (shown != FolderCount) {
            std::fprintf(stderr, "the tree shows %d folders\n", shown);
            std::exit(1);
        }
        host.EndDialog(IDCANCEL);
    });
    CTreeHostDlg dialog;
    dialog.DoModal();
    return seconds;
}
} // namespace

int main(int argc, char** argv) {
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    AfxWinInit(argc, argv);
    NamespaceTree home;
    for (int at = 0; at < FolderCount; ++at) {
        home.MakeFolder("big/folder " + std::to_string(FolderCount - at));
    }
    IShellFolder* desktop = nullptr;
    SHGetDesktopFolder(&desktop);
    IShellFolder* homeFolder = BindChild(desktop, "Home");
    IShellFolder* big = BindChild(homeFolder, "big");

    std::vector<double> tree;
    std::vector<double> peer;
    for (int round = 0; round < Rounds; ++round) {
        peer.push_back(EnumerateThroughNamespace(big));
        tree.push_back(ExpandInTree());
    }
    big->Release();
    homeFolder->Release();
    desktop->Release();

    const double ratio = Median(tree) / Median(peer);
    std::printf("expand %d sub-folders in the tree until shown sorted: %.1f ms (median of %d)\n",
                FolderCount, Median(tree) * 1000, Rounds);
    std::printf("enumerate them through the namespace alone:          %.1f ms\n",
                Median(peer) * 1000);
    std::printf("ratio %.2f (target at most 3): %s\n", ratio, ratio <= 3 ? "met" : "NOT met");
    AfxWinTerm();
    return 0;
}
