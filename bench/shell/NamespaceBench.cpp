// Times the enumeration of a folder of 10,000 sub-folders with their attributes, as the folder
// tree asks for them, against a plain readdir and stat loop over the same folder in the same
// run, and prints the ratio.

#include "ShellApi.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <string>
#include <sys/stat.h>
#include <vector>

namespace {

constexpr int FolderCount = 10000;
constexpr int Rounds = 7;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::duration duration) {
    return std::chrono::duration<double>(duration).count();
}

// The peer: what any program does to list a folder with the type of each entry.
int ReaddirAndStat(const std::string& folder) {
    int folders = 0;
    DIR* stream = opendir(folder.c_str());
    while (const dirent* entry = readdir(stream)) {
        if (std::strcmp(entry->d_name, ".") == 0 || std::strcmp(entry->d_name, "..") == 0) {
            continue;
        }
        struct stat info {};
        if (stat((folder + '/' + entry->d_name).c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
            ++folders;
        }
    }
    closedir(stream);
    return folders;
}

void FreeItem(LPITEMIDLIST item) {
    IMalloc* allocator = nullptr;
    SHGetMalloc(&allocator);
    allocator->Free(item);
    allocator->Release();
}

// Binds the child of `folder` named `name`, or returns null.
IShellFolder* BindChild(IShellFolder* folder, const char* name) {
    IEnumIDList* enumerator = nullptr;
    folder->EnumObjects(nullptr, SHCONTF_FOLDERS, &enumerator);
    IShellFolder* child = nullptr;
    LPITEMIDLIST item = nullptr;
    while (!child && enumerator->Next(1, &item, nullptr) == S_OK) {
        STRRET text{};
        folder->GetDisplayNameOf(item, SHGDN_NORMAL, &text);
        char buffer[MAX_PATH] = "";
        if (text.uType == STRRET_WSTR) {
            WideCharToMultiByte(CP_ACP, 0, text.pOleStr, -1, buffer, MAX_PATH, nullptr, nullptr);
            FreeItem(reinterpret_cast<LPITEMIDLIST>(text.pOleStr));
        } else if (text.uType == STRRET_OFFSET) {
            std::snprintf(buffer, sizeof(buffer), "%s",
                          reinterpret_cast<const char*>(item) + text.uOffset);
        }
        if (std::strcmp(buffer, name) == 0) {
            folder->BindToObject(item, nullptr, IID_IShellFolder, reinterpret_cast<void**>(&child));
        }
        FreeItem(item);
    }
    enumerator->Release();
    return child;
}

// Ours: the enumeration and attributes that the folder tree asks for when it fills a folder.
int EnumerateWithAttributes(IShellFolder* parent) {
    IShellFolder* folder = BindChild(parent, "Bench");
    int folders = 0;
    IEnumIDList* enumerator = nullptr;
    folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_NONFOLDERS, &enumerator);
    LPITEMIDLIST item = nullptr;
    while (enumerator->Next(1, &item, nullptr) == S_OK) {
        SFGAOF attributes = SFGAO_FOLDER | SFGAO_HASSUBFOLDER;
        LPCITEMIDLIST items[] = {item};
        folder->GetAttributesOf(1, items, &attributes);
        if (attributes & SFGAO_FOLDER) {
            ++folders;
        }
        FreeItem(item);
    }
    enumerator->Release();
    folder->Release();
    return folders;
}

template <class Work> double Median(Work work, int expected) {
    std::vector<double> times;
    for (int round = 0; round < Rounds; ++round) {
        const auto start = Clock::now();
        const int found = work();
        times.push_back(Seconds(Clock::now() - start));
        if (found != expected) {
            std::fprintf(stderr, "found %d folders, expected %d\n", found, expected);
            std::exit(1);
        }
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

int main() {
    std::string root = (std::filesystem::temp_directory_path() / "plovrin-bench-XXXXXX").string();
    if (!mkdtemp(root.data())) {
        std::perror("mkdtemp");
        return 1;
    }
    const std::string bench = root + "/Bench";
    std::filesystem::create_directories(bench);
    for (int i = 0; i < FolderCount; ++i) {
        std::filesystem::create_directory(bench + "/Folder " + std::to_string(i));
    }
    setenv("HOME", root.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (root + "/.config").c_str(), 1);

    IShellFolder* desktop = nullptr;
    SHGetDesktopFolder(&desktop);
    IShellFolder* home = BindChild(desktop, "Home");

    // Warm the caches for both, then alternate so neither gains from the order.
    ReaddirAndStat(bench);
    EnumerateWithAttributes(home);
    const double peer = Median([&] { return ReaddirAndStat(bench); }, FolderCount);
    const double ours = Median([&] { return EnumerateWithAttributes(home); }, FolderCount);

    std::printf("folders:                       %d\n", FolderCount);
    std::printf("readdir + stat (median of %d):  %.2f ms\n", Rounds, peer * 1000);
    std::printf("namespace with attributes:     %.2f ms\n", ours * 1000);
    std::printf("ratio (target at most 2.00):   %.2f\n", ours / peer);

    home->Release();
    desktop->Release();
    std::filesystem::remove_all(root);
    return 0;
}
