#pragma once

#include "unrar.h"

#include <string>
#include <vector>

// libunrar.so loaded the way the installer loads it: by dlopen, its calls bound by dlsym.
class UnrarLibrary {
public:
    struct EntryResult {
        std::string volume;   // ArcName of the header record
        std::string fileName; // FileName of the header record
        unsigned flags = 0;
        unsigned unpackedSize = 0;
        int headerResult = 0;
        int processResult = 0;
    };
    struct PassResult {
        int openResult = 0;
        std::vector<EntryResult> entries;
        int finalHeaderResult = 0; // the read that ended the pass
        int closeResult = 0;
    };

    static UnrarLibrary& instance();

    // One pass as the installer makes it: open, read and process every entry, close. A header
    // read that fails counts as one more entry, as in the installer; the pass stops at code 10
    // or after `entryLimit` entries, which would mean the library never ends.
    PassResult runPass(const std::string& archive, unsigned mode, int operation,
                       const std::string& destination, std::size_t entryLimit = 100000);

    HANDLE (*openArchive)(RAROpenArchiveData*) = nullptr;
    int (*readHeader)(HANDLE, RARHeaderData*) = nullptr;
    int (*processFile)(HANDLE, int, char*, char*) = nullptr;
    int (*closeArchive)(HANDLE) = nullptr;
    int (*dllVersion)() = nullptr;
    void* handle = nullptr;

private:
    UnrarLibrary();
};
