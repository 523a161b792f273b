#pragma once

#include "StreamEntry.h"

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

// Decodes entry data through libarchive over all volumes laid end to end. Entries are found by
// the position of their headers, so they line up with the entries the header walk reports.
class ArchiveStreamReader {
public:
    explicit ArchiveStreamReader(std::vector<std::string> volumes);
    ~ArchiveStreamReader();
    ArchiveStreamReader(const ArchiveStreamReader&) = delete;
    ArchiveStreamReader& operator=(const ArchiveStreamReader&) = delete;

    // Moves to the entry whose header lies after `after` (-1: from the start) and at or before
    // `at`, in volume `volume`, named `name`. ERAR_SUCCESS, or the code of the failure that
    // keeps the entry from being read.
    int moveToEntry(std::int64_t after, std::uint64_t at, std::size_t volume,
                    const std::string& name, StreamEntry& entry);

    // The next piece of the current entry's data: ERAR_SUCCESS, ERAR_END_ARCHIVE after the
    // last piece, or a failure code.
    int readData(const void*& data, std::size_t& size, std::int64_t& offset);

private:
    struct Decoder;

    int reopen(std::size_t firstVolume);
    int findEntry(std::int64_t after, std::uint64_t at, const std::string& name);
    void describe(StreamEntry& entry) const;
    int failureCode() const;

    std::vector<std::string> m_volumes;
    std::vector<std::uint64_t> m_volumeStarts; // offsets of the volumes laid end to end
    std::size_t m_firstVolume = 0;             // where the decoder started reading
    std::unique_ptr<Decoder> m_decoder;
    bool m_headerPending = false; // a header was read that belongs to a later entry
    std::uint64_t m_pendingPosition = 0;
    bool m_broken = false;       // the decoder stopped and must start over to go on
    bool m_beyondRepair = false; // starting over did not get past the damage
    int m_brokenCode = 0;
};
