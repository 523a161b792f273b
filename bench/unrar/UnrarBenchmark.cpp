// The installer's two passes through libunrar.so (list, then extract) against `bsdtar -xf` of
// the same archive, measured in the same run and printed as ratios. Inputs are generated into
// a temporary folder and removed afterwards.
#include "RarArchiveWriter.h"
#include "unrar.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dlfcn.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

namespace {

struct Library {
    HANDLE (*open)(RAROpenArchiveData*);
    int (*readHeader)(HANDLE, RARHeaderData*);
    int (*processFile)(HANDLE, int, char*, char*);
    int (*close)(HANDLE);
};

Library loadLibrary() {
    void* handle = ::dlopen(UNRAR_LIBRARY_PATH, RTLD_NOW);
    if (handle == nullptr) {
        std::fprintf(stderr, "cannot load %s: %s\n", UNRAR_LIBRARY_PATH, ::dlerror());
        std::exit(1);
    }
    return {reinterpret_cast<decltype(Library::open)>(::dlsym(handle, "RAROpenArchive")),
            reinterpret_cast<decltype(Library::readHeader)>(::dlsym(handle, "RARReadHeader")),
            reinterpret_cast<decltype(Library::processFile)>(::dlsym(handle, "RARProcessFile")),
            reinterpret_cast<decltype(Library::close)>(::dlsym(handle, "RARCloseArchive"))};
}

double secondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// One pass as the installer makes it; returns the number of entries, or exits on a failure.
unsigned runPass(const Library& library, const std::string& archive, unsigned mode,
                 const std::string& destination) {
    std::string name = archive;
    RAROpenArchiveData open{};
    open.ArcName = name.data();
    open.OpenMode = mode;
    HANDLE handle = library.open(&open);
    if (handle == nullptr) {
        std::fprintf(stderr, "open failed: %u\n", open.OpenResult);
        std::exit(1);
    }
    RARHeaderData header{};
    unsigned count = 0;
    while (library.readHeader(handle, &header) != ERAR_END_ARCHIVE) {
        std::string folder = destination;
        if (const int result = library.processFile(handle, RAR_EXTRACT, folder.data(), nullptr);
            result != 0) {
            std::fprintf(stderr, "%s: result %d\n", header.FileName, result);
            std::exit(1);
        }
        ++count;
    }
    library.close(handle);
    return count;
}

double runBsdtar(const std::string& archive, const std::string& destination) {
    fs::create_directories(destination);
    const auto start = Clock::now();
    // Spawned, not forked: a fork would copy this process's page tables, billing bsdtar for the
    // copy and the next pass for the copy-on-write faults that follow it.
    const char* arguments[] = {"bsdtar", "-xf", archive.c_str(), "-C", destination.c_str(),
                               nullptr};
    pid_t child = 0;
    if (::posix_spawnp(&child, "bsdtar", nullptr, nullptr, const_cast<char* const*>(arguments),
                       environ) != 0) {
        std::fprintf(stderr, "cannot start bsdtar\n");
        std::exit(1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    const double seconds = secondsSince(start);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "bsdtar failed on %s\n", archive.c_str());
        std::exit(1);
    }
    return seconds;
}

void settle(const std::string& destination) {
    fs::remove_all(destination);
    ::sync(); // write-back from one run must not be billed to the next
}

struct Timing {
    double list;
    double extract;
    double bsdtar;
};

Timing measure(const Library& library, const std::string& archive, const fs::path& work,
               int rounds) {
    std::vector<double> lists, extracts, bsdtars;
    const std::string destination = (work / "out").string();
    for (int round = 0; round < rounds; ++round) {
        settle(destination);
        bsdtars.push_back(runBsdtar(archive, destination));
        settle(destination);
        auto start = Clock::now();
        runPass(library, archive, RAR_OM_LIST, destination);
        lists.push_back(secondsSince(start));
        start = Clock::now();
        runPass(library, archive, RAR_OM_EXTRACT, destination);
        extracts.push_back(secondsSince(start));
    }
    settle(destination);
    auto median = [](std::vector<double> values) {
        std::sort(values.begin(), values.end());
        return values[values.size() / 2];
    };
    return {median(lists), median(extracts), median(bsdtars)};
}

void report(const char* label, const Timing& timing) {
    const double ours = timing.list + timing.extract;
    std::printf("%-34s bsdtar %7.3f s  list %7.4f s  extract %7.3f s\n", label, timing.bsdtar,
                timing.list, timing.extract);
    std::printf("%-34s two passes / bsdtar = %.3f (target <= 1.10)   list / extract = %.2f%% "
                "(target <= 2%%)\n",
                "", ours / timing.bsdtar, 100.0 * timing.list / timing.extract);
}

std::string makeLargeArchive(const fs::path& work) {
    constexpr std::size_t kFiles = 16;
    constexpr std::size_t kFileSize = 64 << 20; // 16 x 64 MiB = 1 GiB
    std::mt19937_64 random(1);
    std::vector<std::uint64_t> block(kFileSize / 8);
    std::vector<RarWriterEntry> entries;
    for (std::size_t i = 0; i < kFiles; ++i) {
        for (auto& word : block) {
            word = random();
        }
        const fs::path source = work / ("source-" + std::to_string(i));
        std::ofstream(source, std::ios::binary)
            .write(reinterpret_cast<const char*>(block.data()), kFileSize);
        RarWriterEntry entry = RarWriterEntry::file("large/part-" + std::to_string(i) + ".bin", "");
        entry.sourcePath = source.string();
        entries.push_back(entry);
    }
    const std::string archive = (work / "large.rar").string();
    RarArchiveWriter({}).write(archive, entries);
    for (std::size_t i = 0; i < kFiles; ++i) {
        fs::remove(work / ("source-" + std::to_string(i)));
    }
    return archive;
}

std::string makeManySmallArchive(const fs::path& work) {
    std::mt19937 random(2);
    std::uniform_int_distribution<int> size(100, 8000);
    std::vector<RarWriterEntry> entries;
    for (int folder = 0; folder < 200; ++folder) {
        const std::string name = "folder-" + std::to_string(folder);
        entries.push_back(RarWriterEntry::directory(name));
        for (int file = 0; file < 100; ++file) {
            std::string data(static_cast<std::size_t>(size(random)), '\0');
            for (auto& c : data) {
                c = static_cast<char>('a' + random() % 26);
            }
            entries.push_back(RarWriterEntry::file(name + "/file-" + std::to_string(file) + ".txt",
                                                   std::move(data)));
        }
    }
    const std::string archive = (work / "small.rar").string();
    RarArchiveWriter({}).write(archive, entries);
    return archive;
}

} // namespace

int main(int argc, char** argv) {
    const fs::path base = argc > 1 ? fs::path(argv[1]) : fs::temp_directory_path();
    std::string pattern = (base / "unrar-bench-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        std::perror("mkdtemp");
        return 1;
    }
    const fs::path work = pattern;
    const Library library = loadLibrary();

    std::printf("generating inputs in %s ...\n", work.c_str());
    const std::string small = makeManySmallArchive(work);
    report("20,000 small files in 200 folders", measure(library, small, work, 5));
    fs::remove(small);
    const std::string large = makeLargeArchive(work);
    report("1 GiB stored archive (16 files)", measure(library, large, work, 3));
    fs::remove_all(work);
    return 0;
}
