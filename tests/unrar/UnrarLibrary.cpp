#include "UnrarLibrary.h"

#include <cstring>
#include <dlfcn.h>
#include <stdexcept>

UnrarLibrary& UnrarLibrary::instance() {
    static UnrarLibrary library;
    return library;
}

UnrarLibrary::UnrarLibrary() {
    handle = ::dlopen(UNRAR_LIBRARY_PATH, RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr) {
        throw std::runtime_error(::dlerror());
    }
    openArchive = reinterpret_cast<decltype(openArchive)>(::dlsym(handle, "RAROpenArchive"));
    readHeader = reinterpret_cast<decltype(readHeader)>(::dlsym(handle, "RARReadHeader"));
    processFile = reinterpret_cast<decltype(processFile)>(::dlsym(handle, "RARProcessFile"));
    closeArchive = reinterpret_cast<decltype(closeArchive)>(::dlsym(handle, "RARCloseArchive"));
    dllVersion = reinterpret_cast<decltype(dllVersion)>(::dlsym(handle, "RARGetDllVersion"));
}

UnrarLibrary::PassResult UnrarLibrary::runPass(const std::string& archive, unsigned mode,
                                               int operation, const std::string& destination,
                                               std::size_t entryLimit) {
    PassResult pass;
    std::string name = archive;
    RAROpenArchiveData open{};
    open.ArcName = name.data();
    open.OpenMode = mode;
    HANDLE archiveHandle = openArchive(&open);
    pass.openResult = static_cast<int>(open.OpenResult);
    if (archiveHandle == nullptr) {
        pass.closeResult = -1;
        return pass;
    }
    RARHeaderData header{};
    for (;;) {
        const int headerResult = readHeader(archiveHandle, &header);
        if (headerResult == ERAR_END_ARCHIVE || pass.entries.size() >= entryLimit) {
            pass.finalHeaderResult = headerResult;
            break;
        }
        EntryResult entry;
        entry.headerResult = headerResult;
        entry.volume = header.ArcName;
        entry.fileName = header.FileName;
        entry.flags = header.Flags;
        entry.unpackedSize = header.UnpSize;
        std::string folder = destination; // the installer passes a fresh writable copy
        entry.processResult = processFile(archiveHandle, operation, folder.data(), nullptr);
        pass.entries.push_back(entry);
    }
    pass.closeResult = closeArchive(archiveHandle);
    return pass;
}
