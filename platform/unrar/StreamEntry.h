#pragma once

#include <cstdint>
#include <string>

// What the decoder reports of an entry beyond its headers: its kind, permissions, time and link.
struct StreamEntry {
    enum class Kind { File, Directory, SymbolicLink, HardLink, Special };
    Kind kind = Kind::File;
    unsigned permissions = 0644;
    bool hasModificationTime = false;
    std::int64_t modificationSeconds = 0;
    long modificationNanoseconds = 0;
    std::string linkTarget;
    bool isEncrypted = false;
};
