#pragma once

#include "RarArchiveOptions.h"
#include "RarWriterEntry.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

// Writes stored (uncompressed) RAR 4 and RAR 5 archives and volume sets, laid out after the
// published descriptions of both formats, for tests, benchmarks and examples.
class RarArchiveWriter {
public:
    explicit RarArchiveWriter(RarArchiveOptions options) : m_options(std::move(options)) {}

    // Writes the archive whose first volume is `path` ("name.rar"; volumes are named from it)
    // and returns the paths of all volumes written. Throws std::runtime_error on I/O errors.
    std::vector<std::string> write(const std::string& path,
                                   const std::vector<RarWriterEntry>& entries);

    // The name of volume `index` (0 is the first) of the set whose first volume would be `path`.
    std::string volumeName(const std::string& path, std::size_t index) const;

private:
    struct Part {
        const RarWriterEntry* entry;
        std::uint64_t offset; // of this part's data within the entry
        std::uint64_t size;
        bool continuedFromPrevious;
        bool continuesInNext;
    };

    std::string archiveHeader(std::size_t volumeIndex, bool isVolumeSet) const;
    std::string fileHeader(const Part& part) const;
    std::string endOfArchive(bool moreVolumes) const;
    std::string rar4FileHeader(const Part& part) const;
    std::string rar5FileHeader(const Part& part) const;
    static std::uint64_t dataSize(const RarWriterEntry& entry);
    static void forEachChunk(const RarWriterEntry& entry, std::uint64_t offset, std::uint64_t size,
                             const std::function<void(const char*, std::size_t)>& consume);
    static std::uint32_t crcOf(const RarWriterEntry& entry, std::uint64_t offset,
                               std::uint64_t size);
    std::uint32_t partCrc(const Part& part) const;

    RarArchiveOptions m_options;
};
