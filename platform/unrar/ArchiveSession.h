#pragma once

#include "ArchiveStreamReader.h"
#include "RarEntry.h"
#include "RarHeaderWalker.h"
#include "SafeDestinationWriter.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

struct RARHeaderData;

// One open archive behind a handle: the header walk gives the entries; in extract mode the
// decoder supplies their data and the writer puts them under the destination folder.
class ArchiveSession {
public:
    ArchiveSession(std::string firstVolume, bool extractMode);

    // ERAR_SUCCESS or the open's result code.
    int open();
    int readHeader(RARHeaderData& record);
    int processFile(int operation, const char* destPath, const char* destName);
    int close();

private:
    using DataConsumer =
        std::function<int(const void* data, std::size_t size, std::int64_t offset)>;
    // Hands the entry's data to `consume` piece by piece and checks its checksum: ERAR_SUCCESS,
    // ERAR_BAD_DATA, or the first failure of the read or of `consume`.
    int readChecked(const RarEntry& entry, const DataConsumer& consume);
    int extract(const RarEntry& entry, const StreamEntry& stream, std::vector<std::string> path,
                const char* destPath, const char* destName);

    RarHeaderWalker m_walker;
    std::unique_ptr<ArchiveStreamReader> m_stream;
    SafeDestinationWriter m_writer;
    bool m_extractMode;
    RarEntry m_current;
    bool m_haveCurrent = false;
    int m_headerFailure = 0;            // reported once more by the processing call that follows
    std::int64_t m_previousOffset = -1; // header position of the entry processed last
};
