#pragma once

#include "RarEntry.h"

#include <cstdint>
#include <string>
#include <vector>

// Walks the entry headers of a RAR 2.9/3.x or RAR 5 archive and its volumes by reading the
// headers alone, so that listing never decompresses anything, not even in solid archives.
class RarHeaderWalker {
public:
    explicit RarHeaderWalker(std::string firstVolume);
    ~RarHeaderWalker();
    RarHeaderWalker(const RarHeaderWalker&) = delete;
    RarHeaderWalker& operator=(const RarHeaderWalker&) = delete;

    // Reads the first volume's marker and archive header and finds the later volumes.
    // Returns ERAR_SUCCESS or the open's result code.
    int open();

    // The next entry, ERAR_END_ARCHIVE after the last one, or the code of the failure that
    // ended the walk (the walk then stays ended).
    int next(RarEntry& entry);

    const std::vector<std::string>& volumes() const { return m_volumes; }

private:
    enum class Format { Rar4, Rar5 };
    enum class BlockKind { ArchiveHeader, File, EndOfArchive, Encryption, Other };
    struct Block {
        BlockKind kind = BlockKind::Other;
        std::uint64_t archiveFlags = 0;
        std::uint64_t start = 0; // offset of the header in its volume
        std::uint64_t end = 0;   // offset just past the block's data
        bool moreVolumes = false;
        bool continuedFromPrevious = false;
        bool continuesInNext = false;
        RarEntry entry;
    };
    enum ReadStatus { BlockRead, EndOfVolume, Truncated, Broken };

    int openVolume(std::size_t index, bool allowStub);
    int readArchiveHeader();
    ReadStatus readBlock(Block& block);
    // Reads the header of `size` bytes at the current position into m_header.
    ReadStatus readHeaderBytes(std::uint64_t size);
    ReadStatus readRar4Block(Block& block);
    ReadStatus readRar5Block(Block& block);
    static bool fillRar4File(const std::vector<unsigned char>& header, std::uint32_t flags,
                             Block& block);
    static bool fillRar5File(const std::vector<unsigned char>& header, std::size_t fieldsAt,
                             std::uint64_t extraSize, Block& block);
    bool readAt(std::uint64_t offset, void* buffer, std::size_t size);
    int followContinuation(RarEntry& entry);
    int fail(int code);
    // At the end of a volume: goes on in the next one when there is more (ERAR_SUCCESS), else
    // ends the archive (ERAR_END_ARCHIVE), or fails to open the next volume.
    int leaveVolume(bool moreVolumes);

    std::vector<std::string> m_volumes;
    Format m_format = Format::Rar4;
    bool m_isVolumeSet = false;
    bool m_newNumbering = false;
    bool m_ended = false;
    int m_fd = -1;
    std::size_t m_volume = 0;
    std::uint64_t m_volumeSize = 0;
    std::uint64_t m_volumeBase = 0;      // offset of the current volume in the volumes end to end
    std::uint64_t m_position = 0;        // offset of the next block in the current volume
    std::vector<unsigned char> m_header; // the block header being read, reused from block to block
    std::vector<unsigned char> m_cache;  // headers are small and close together: read ahead
    std::uint64_t m_cacheStart = 0;
    std::size_t m_cacheSize = 0;
};
