#pragma once

#include <cstdint>
#include <string>

// How the test-archive writer lays out an archive.
struct RarArchiveOptions {
    enum class Format { Rar4, Rar5 };
    enum class VolumeNaming { Parts, OldStyle };

    Format format = Format::Rar5;
    // 0: one archive. Otherwise at most this many data bytes per volume; files are split over
    // volumes as needed.
    std::uint64_t volumeDataSize = 0;
    VolumeNaming naming = VolumeNaming::Parts;
    int partDigits = 1; // part1 / part01 / part0001
    std::string stub;   // bytes before the archive, as a self-extracting program has
};
