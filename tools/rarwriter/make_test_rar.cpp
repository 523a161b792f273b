// make-test-rar: packs a folder into a stored RAR 4 or RAR 5 archive or volume set.
#include "RarArchiveWriter.h"

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <string>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

int usage() {
    std::cerr << "usage: make-test-rar [--rar4|--rar5] [--volume-size BYTES] [--old-style-names]\n"
                 "                     [--part-digits N] OUTPUT.rar FOLDER\n";
    return 2;
}

std::vector<RarWriterEntry> entriesOf(const fs::path& folder) {
    std::vector<RarWriterEntry> entries;
    std::vector<fs::path> paths;
    for (const auto& item : fs::recursive_directory_iterator(folder)) {
        paths.push_back(item.path());
    }
    std::sort(paths.begin(), paths.end());
    for (const auto& path : paths) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            continue;
        }
        const std::string name = path.lexically_relative(folder).generic_string();
        RarWriterEntry entry;
        if (S_ISDIR(st.st_mode)) {
            entry = RarWriterEntry::directory(name, st.st_mode & 07777);
        } else if (S_ISLNK(st.st_mode)) {
            entry = RarWriterEntry::link(name, fs::read_symlink(path).string());
        } else if (S_ISREG(st.st_mode)) {
            entry = RarWriterEntry::file(name, {}, st.st_mode & 07777);
            entry.sourcePath = path.string();
        } else {
            continue;
        }
        entry.modificationTime = st.st_mtime;
        entries.push_back(std::move(entry));
    }
    return entries;
}

} // namespace

int main(int argc, char** argv) {
    RarArchiveOptions options;
    std::vector<std::string> positional;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--rar4") {
            options.format = RarArchiveOptions::Format::Rar4;
        } else if (argument == "--rar5") {
            options.format = RarArchiveOptions::Format::Rar5;
        } else if (argument == "--old-style-names") {
            options.naming = RarArchiveOptions::VolumeNaming::OldStyle;
        } else if (argument == "--volume-size" && i + 1 < argc) {
            options.volumeDataSize = std::stoull(argv[++i]);
        } else if (argument == "--part-digits" && i + 1 < argc) {
            options.partDigits = std::stoi(argv[++i]);
        } else if (!argument.empty() && argument[0] == '-') {
            return usage();
        } else {
            positional.push_back(argument);
        }
    }
    if (positional.size() != 2) {
        return usage();
    }
    try {
        RarArchiveWriter writer(options);
        for (const auto& volume : writer.write(positional[0], entriesOf(positional[1]))) {
            std::cout << volume << '\n';
        }
    } catch (const std::exception& error) {
        std::cerr << "make-test-rar: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
