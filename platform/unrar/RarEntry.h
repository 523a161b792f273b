#pragma once

#include <cstdint>
#include <string>

// One archive entry as its headers describe it, gathered over all volumes it spans.
struct RarEntry {
    std::string name;         // UTF-8, "/" separators
    std::size_t volume = 0;   // index of the volume holding the entry's first header
    std::uint64_t offset = 0; // position of that header in the volumes laid end to end
    std::uint32_t flags = 0;  // RHDF_* bits
    std::uint64_t packSize = 0;
    std::uint64_t unpSize = 0;
    std::uint32_t hostOs = 0;
    std::uint32_t crc = 0;
    std::uint32_t dosTime = 0;
    std::uint32_t unpVer = 0;
    std::uint32_t method = 0; // 0x30 (stored) to 0x35
    std::uint32_t attributes = 0;
    bool hasCrc = false; // RAR 5 may carry another hash or none
    bool isDirectory = false;
    bool isEncrypted = false;
    bool unsupportedMethod = false;
    int failure = 0; // ERAR_* code every operation on this entry reports, 0 when it is sound
};
