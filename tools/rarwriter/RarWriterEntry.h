#pragma once

#include <cstdint>
#include <string>

// One entry for the test-archive writer. Data is always stored, never compressed.
struct RarWriterEntry {
    enum class Kind { File, Directory, SymbolicLink, HardLink };

    std::string name; // written as given, so hostile names can be made on purpose
    Kind kind = Kind::File;
    std::string data;       // the file's content, or the target of a link
    std::string sourcePath; // when set, the file's content is read from this file instead
    unsigned mode = 0644;
    std::int64_t modificationTime = 1'600'000'000; // seconds since 1970, UTC

    // Damage knobs.
    bool wrongCrc = false;        // the stored checksum does not match the data
    bool markedEncrypted = false; // flagged as encrypted although the data is plain
    bool oldCompression = false;  // RAR 4 only: claims RAR 2.0 compression

    static RarWriterEntry file(std::string name, std::string data, unsigned mode = 0644) {
        RarWriterEntry entry;
        entry.name = std::move(name);
        entry.data = std::move(data);
        entry.mode = mode;
        return entry;
    }
    static RarWriterEntry directory(std::string name, unsigned mode = 0755) {
        RarWriterEntry entry;
        entry.name = std::move(name);
        entry.kind = Kind::Directory;
        entry.mode = mode;
        return entry;
    }
    static RarWriterEntry link(std::string name, std::string target,
                               Kind kind = Kind::SymbolicLink) {
        RarWriterEntry entry;
        entry.name = std::move(name);
        entry.kind = kind;
        entry.data = std::move(target);
        entry.mode = kind == Kind::SymbolicLink ? 0777 : 0644;
        return entry;
    }
};
