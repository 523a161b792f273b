#include "RarHeaderWalker.h"

#include "DosTime.h"
#include "HeaderFieldReader.h"
#include "Rar4NameDecoder.h"
#include "VolumeNameFinder.h"
#include "unrar.h"

#include <algorithm>
#include <cstring>
#include <fcntl.h>
#include <libdeflate.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned char kMarkerStart[6] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07};
constexpr std::size_t kRar4MarkerSize = 7;
constexpr std::size_t kRar5MarkerSize = 8;
// Self-extracting archives put the archive after a program stub of a few hundred kilobytes.
constexpr std::size_t kStubSearchLimit = 1 << 20;
constexpr std::uint64_t kMaxRar5HeaderSize = 2 * 1024 * 1024;
// Read in large pieces: a system call costs more here than copying the file data between headers.
constexpr std::size_t kReadAhead = 256 * 1024;

namespace rar4 {
constexpr unsigned kArchiveHeader = 0x73;
constexpr unsigned kFileHeader = 0x74;
constexpr unsigned kServiceHeader = 0x7A;
constexpr unsigned kEndOfArchive = 0x7B;
constexpr unsigned kLongBlock = 0x8000;
constexpr unsigned kVolume = 0x0001;
constexpr unsigned kNewNumbering = 0x0010;
constexpr unsigned kEncryptedHeaders = 0x0080;
constexpr unsigned kSplitBefore = 0x01;
constexpr unsigned kSplitAfter = 0x02;
constexpr unsigned kEncrypted = 0x04;
constexpr unsigned kSolid = 0x10;
constexpr unsigned kDirectoryMask = 0xE0;
constexpr unsigned kLargeSizes = 0x100;
constexpr unsigned kUnicodeName = 0x200;
constexpr unsigned kStoredMethod = 0x30;
constexpr unsigned kFirstDecodableVersion = 29;
} // namespace rar4

namespace rar5 {
constexpr unsigned kArchiveHeader = 1;
constexpr unsigned kFileHeader = 2;
constexpr unsigned kEncryptionHeader = 4;
constexpr unsigned kEndOfArchive = 5;
constexpr unsigned kHasExtra = 0x01;
constexpr unsigned kHasData = 0x02;
constexpr unsigned kContinuedFromPrevious = 0x08;
constexpr unsigned kContinuesInNext = 0x10;
constexpr unsigned kVolume = 0x01;
constexpr unsigned kDirectory = 0x01;
constexpr unsigned kHasTime = 0x02;
constexpr unsigned kHasCrc = 0x04;
constexpr unsigned kUnknownSize = 0x08;
constexpr unsigned kExtraEncryption = 1;
constexpr unsigned kExtraTime = 3;
constexpr unsigned kTimeIsUnix = 0x01;
constexpr unsigned kTimeHasModification = 0x02;
constexpr unsigned kHostUnix = 1;
constexpr unsigned kDllHostWindows = 2;
constexpr unsigned kDllHostUnix = 3;
} // namespace rar5

std::string withSlashes(std::string name) {
    std::replace(name.begin(), name.end(), '\\', '/');
    return name;
}

std::uint32_t crc32Of(const unsigned char* data, std::size_t size) {
    return libdeflate_crc32(0, data, size);
}

std::uint64_t saturatingAdd(std::uint64_t a, std::uint64_t b) {
    return a > UINT64_MAX - b ? UINT64_MAX : a + b;
}

} // namespace

RarHeaderWalker::RarHeaderWalker(std::string firstVolume) {
    m_volumes.push_back(std::move(firstVolume));
}

RarHeaderWalker::~RarHeaderWalker() {
    if (m_fd >= 0) {
        ::close(m_fd);
    }
}

int RarHeaderWalker::open() {
    const int result = openVolume(0, true);
    if (result != ERAR_SUCCESS) {
        m_ended = true;
        return result;
    }
    if (m_isVolumeSet) {
        for (auto& later : VolumeNameFinder::laterVolumes(m_volumes.front(), m_newNumbering)) {
            m_volumes.push_back(std::move(later));
        }
    }
    return ERAR_SUCCESS;
}

int RarHeaderWalker::openVolume(std::size_t index, bool allowStub) {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
        m_volumeBase += m_volumeSize;
    }
    m_cacheSize = 0;
    m_volume = index;
    m_volumeSize = 0;
    if (index >= m_volumes.size()) {
        return ERAR_EOPEN;
    }
    m_fd = ::open(m_volumes[index].c_str(), O_RDONLY | O_CLOEXEC);
    struct stat st {};
    if (m_fd < 0 || ::fstat(m_fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        return ERAR_EOPEN;
    }
    m_volumeSize = static_cast<std::uint64_t>(st.st_size);

    const std::size_t searched = static_cast<std::size_t>(
        std::min<std::uint64_t>(m_volumeSize, allowStub ? kStubSearchLimit : kRar5MarkerSize));
    std::vector<unsigned char> head(searched);
    if (!readAt(0, head.data(), head.size())) {
        return ERAR_EREAD;
    }
    for (std::size_t at = 0; at + kRar4MarkerSize <= head.size(); ++at) {
        if (std::memcmp(head.data() + at, kMarkerStart, sizeof kMarkerStart) != 0) {
            continue;
        }
        Format format;
        if (head[at + 6] == 0x00) {
            format = Format::Rar4;
            m_position = at + kRar4MarkerSize;
        } else if (head[at + 6] == 0x01 && at + kRar5MarkerSize <= head.size() &&
                   head[at + 7] == 0x00) {
            format = Format::Rar5;
            m_position = at + kRar5MarkerSize;
        } else {
            continue;
        }
        if (index > 0 && format != m_format) {
            return ERAR_BAD_ARCHIVE;
        }
        m_format = format;
        const int result = readArchiveHeader();
        // A later volume that breaks off is a damaged volume, which the entry needing it reports.
        return index > 0 && result == ERAR_BAD_DATA ? ERAR_EOPEN : result;
    }
    return ERAR_BAD_ARCHIVE;
}

int RarHeaderWalker::readArchiveHeader() {
    Block block;
    if (readBlock(block) != BlockRead) {
        return ERAR_BAD_DATA;
    }
    if (block.kind == BlockKind::Encryption) {
        return ERAR_MISSING_PASSWORD;
    }
    if (block.kind != BlockKind::ArchiveHeader) {
        return ERAR_BAD_DATA;
    }
    if (m_volume == 0) {
        if (m_format == Format::Rar4) {
            if (block.archiveFlags & rar4::kEncryptedHeaders) {
                return ERAR_MISSING_PASSWORD;
            }
            m_isVolumeSet = (block.archiveFlags & rar4::kVolume) != 0;
            m_newNumbering = (block.archiveFlags & rar4::kNewNumbering) != 0;
        } else {
            m_isVolumeSet = (block.archiveFlags & rar5::kVolume) != 0;
            m_newNumbering = true;
        }
    }
    m_position = block.end;
    return ERAR_SUCCESS;
}

int RarHeaderWalker::leaveVolume(bool moreVolumes) {
    if (!moreVolumes) {
        m_ended = true;
        return ERAR_END_ARCHIVE;
    }
    const int result = openVolume(m_volume + 1, false);
    return result == ERAR_SUCCESS ? result : fail(result);
}

int RarHeaderWalker::next(RarEntry& entry) {
    if (m_ended) {
        return ERAR_END_ARCHIVE;
    }
    for (;;) {
        Block block;
        const ReadStatus status = readBlock(block);
        if (status == EndOfVolume) {
            // Volumes written before end-of-archive blocks existed simply stop.
            const int result = leaveVolume(m_isVolumeSet && m_volume + 1 < m_volumes.size());
            if (result != ERAR_SUCCESS) {
                return result;
            }
            continue;
        }
        if (status != BlockRead) {
            return fail(m_isVolumeSet && status == Truncated ? ERAR_EOPEN : ERAR_BAD_DATA);
        }
        m_position = block.end;
        switch (block.kind) {
        case BlockKind::EndOfArchive:
            if (const int result = leaveVolume(block.moreVolumes); result != ERAR_SUCCESS) {
                return result;
            }
            continue;
        case BlockKind::Encryption:
            return fail(ERAR_MISSING_PASSWORD);
        case BlockKind::ArchiveHeader:
        case BlockKind::Other:
            continue;
        case BlockKind::File:
            break;
        }
        if (block.continuedFromPrevious) {
            continue; // the tail of an entry whose head lies in a volume before this one
        }
        entry = std::move(block.entry);
        entry.volume = m_volume;
        entry.offset = m_volumeBase + block.start;
        if (block.end > m_volumeSize) {
            entry.failure = m_isVolumeSet ? ERAR_EOPEN : ERAR_BAD_DATA;
            m_ended = true;
        } else if (block.continuesInNext) {
            entry.failure = followContinuation(entry);
            m_ended = entry.failure != ERAR_SUCCESS;
        }
        return ERAR_SUCCESS;
    }
}

int RarHeaderWalker::followContinuation(RarEntry& entry) {
    for (;;) {
        const int opened = openVolume(m_volume + 1, false);
        if (opened != ERAR_SUCCESS) {
            return opened == ERAR_BAD_ARCHIVE ? ERAR_BAD_ARCHIVE : ERAR_EOPEN;
        }
        Block part;
        do {
            if (readBlock(part) != BlockRead || part.kind == BlockKind::EndOfArchive) {
                return ERAR_EOPEN;
            }
            m_position = part.end;
        } while (part.kind != BlockKind::File);
        if (!part.continuedFromPrevious || part.end > m_volumeSize) {
            return ERAR_EOPEN;
        }
        entry.packSize += part.entry.packSize;
        entry.crc = part.entry.crc; // the last part carries the checksum of the whole file
        if (!part.continuesInNext) {
            return ERAR_SUCCESS;
        }
    }
}

int RarHeaderWalker::fail(int code) {
    m_ended = true;
    return code;
}

RarHeaderWalker::ReadStatus RarHeaderWalker::readBlock(Block& block) {
    if (m_position >= m_volumeSize) {
        return m_position == m_volumeSize ? EndOfVolume : Truncated;
    }
    return m_format == Format::Rar4 ? readRar4Block(block) : readRar5Block(block);
}

RarHeaderWalker::ReadStatus RarHeaderWalker::readHeaderBytes(std::uint64_t size) {
    if (m_position + size > m_volumeSize) {
        return Truncated;
    }
    m_header.resize(static_cast<std::size_t>(size));
    return readAt(m_position, m_header.data(), m_header.size()) ? BlockRead : Truncated;
}

RarHeaderWalker::ReadStatus RarHeaderWalker::readRar4Block(Block& block) {
    constexpr std::size_t kBaseSize = 7;
    unsigned char base[kBaseSize];
    if (m_position + kBaseSize > m_volumeSize) {
        return Truncated;
    }
    if (!readAt(m_position, base, kBaseSize)) {
        return Truncated;
    }
    HeaderFieldReader baseFields(base, kBaseSize);
    const std::uint32_t headerCrc = baseFields.u16();
    const std::uint32_t type = baseFields.u8();
    const std::uint32_t flags = baseFields.u16();
    const std::uint32_t headerSize = baseFields.u16();
    if (headerSize < kBaseSize) {
        return Broken;
    }
    if (const ReadStatus read = readHeaderBytes(headerSize); read != BlockRead) {
        return read;
    }
    const std::vector<unsigned char>& header = m_header;
    if ((crc32Of(header.data() + 2, header.size() - 2) & 0xFFFF) != headerCrc) {
        return Broken;
    }
    std::uint64_t dataSize = 0;
    if (flags & rar4::kLongBlock) {
        HeaderFieldReader fields(header.data(), header.size(), kBaseSize);
        dataSize = fields.u32();
        if ((type == rar4::kFileHeader || type == rar4::kServiceHeader) &&
            (flags & rar4::kLargeSizes)) {
            fields.seek(32);
            dataSize |= static_cast<std::uint64_t>(fields.u32()) << 32;
        }
        if (!fields.ok()) {
            return Broken;
        }
    }
    block.start = m_position;
    block.end = saturatingAdd(m_position + headerSize, dataSize);
    block.archiveFlags = flags;
    switch (type) {
    case rar4::kArchiveHeader:
        block.kind = BlockKind::ArchiveHeader;
        break;
    case rar4::kEndOfArchive:
        block.kind = BlockKind::EndOfArchive;
        block.moreVolumes = (flags & 0x0001) != 0;
        break;
    case rar4::kFileHeader:
        block.kind = BlockKind::File;
        if (!fillRar4File(header, flags, block)) {
            return Broken;
        }
        break;
    default:
        block.kind = BlockKind::Other;
        break;
    }
    return BlockRead;
}

bool RarHeaderWalker::fillRar4File(const std::vector<unsigned char>& header, std::uint32_t flags,
                                   Block& block) {
    HeaderFieldReader fields(header.data(), header.size(), 7);
    RarEntry& entry = block.entry;
    entry.packSize = fields.u32();
    entry.unpSize = fields.u32();
    entry.hostOs = fields.u8();
    entry.crc = fields.u32();
    entry.dosTime = fields.u32();
    entry.unpVer = fields.u8();
    entry.method = fields.u8();
    const std::uint32_t nameSize = fields.u16();
    entry.attributes = fields.u32();
    if (flags & rar4::kLargeSizes) {
        entry.packSize |= static_cast<std::uint64_t>(fields.u32()) << 32;
        entry.unpSize |= static_cast<std::uint64_t>(fields.u32()) << 32;
    }
    const std::string nameField = fields.bytes(nameSize);
    if (!fields.ok()) {
        return false;
    }
    entry.name = withSlashes(Rar4NameDecoder::decode(nameField, (flags & rar4::kUnicodeName) != 0));
    entry.isDirectory = (flags & rar4::kDirectoryMask) == rar4::kDirectoryMask;
    entry.hasCrc = !entry.isDirectory;
    entry.isEncrypted = (flags & rar4::kEncrypted) != 0;
    entry.unsupportedMethod = !entry.isDirectory && entry.method != rar4::kStoredMethod &&
                              entry.unpVer < rar4::kFirstDecodableVersion;
    block.continuedFromPrevious = (flags & rar4::kSplitBefore) != 0;
    block.continuesInNext = (flags & rar4::kSplitAfter) != 0;
    entry.flags =
        (flags & (rar4::kSplitBefore | rar4::kSplitAfter | rar4::kEncrypted | rar4::kSolid)) |
        (entry.isDirectory ? RHDF_DIRECTORY : 0);
    return true;
}

RarHeaderWalker::ReadStatus RarHeaderWalker::readRar5Block(Block& block) {
    unsigned char prefix[14];
    const std::size_t prefixSize =
        static_cast<std::size_t>(std::min<std::uint64_t>(sizeof prefix, m_volumeSize - m_position));
    if (prefixSize < 5 || !readAt(m_position, prefix, prefixSize)) {
        return Truncated;
    }
    HeaderFieldReader prefixFields(prefix, prefixSize);
    const std::uint32_t headerCrc = prefixFields.u32();
    const std::uint64_t headerSize = prefixFields.vint();
    if (!prefixFields.ok()) {
        return prefixSize < sizeof prefix ? Truncated : Broken;
    }
    if (headerSize == 0 || headerSize > kMaxRar5HeaderSize) {
        return Broken;
    }
    const std::size_t fieldsAt = prefixFields.position();
    const std::size_t total = fieldsAt + static_cast<std::size_t>(headerSize);
    if (const ReadStatus read = readHeaderBytes(total); read != BlockRead) {
        return read;
    }
    const std::vector<unsigned char>& header = m_header;
    if (crc32Of(header.data() + 4, total - 4) != headerCrc) {
        return Broken;
    }
    HeaderFieldReader fields(header.data(), header.size(), fieldsAt);
    const std::uint64_t type = fields.vint();
    const std::uint64_t flags = fields.vint();
    const std::uint64_t extraSize = (flags & rar5::kHasExtra) ? fields.vint() : 0;
    const std::uint64_t dataSize = (flags & rar5::kHasData) ? fields.vint() : 0;
    if (!fields.ok() || extraSize > total - fields.position()) {
        return Broken;
    }
    block.start = m_position;
    block.end = saturatingAdd(m_position + total, dataSize);
    block.continuedFromPrevious = (flags & rar5::kContinuedFromPrevious) != 0;
    block.continuesInNext = (flags & rar5::kContinuesInNext) != 0;
    switch (type) {
    case rar5::kArchiveHeader:
        block.kind = BlockKind::ArchiveHeader;
        block.archiveFlags = fields.vint();
        break;
    case rar5::kEndOfArchive:
        block.kind = BlockKind::EndOfArchive;
        block.moreVolumes = (fields.vint() & 0x01) != 0;
        break;
    case rar5::kEncryptionHeader:
        block.kind = BlockKind::Encryption;
        break;
    case rar5::kFileHeader:
        block.kind = BlockKind::File;
        block.entry.packSize = dataSize;
        if (!fillRar5File(header, fields.position(), extraSize, block)) {
            return Broken;
        }
        break;
    default:
        block.kind = BlockKind::Other;
        break;
    }
    return BlockRead;
}

bool RarHeaderWalker::fillRar5File(const std::vector<unsigned char>& header, std::size_t fieldsAt,
                                   std::uint64_t extraSize, Block& block) {
    HeaderFieldReader fields(header.data(), header.size(), fieldsAt);
    RarEntry& entry = block.entry;
    const std::uint64_t fileFlags = fields.vint();
    entry.unpSize = fields.vint();
    entry.attributes = static_cast<std::uint32_t>(fields.vint());
    if (fileFlags & rar5::kHasTime) {
        entry.dosTime = DosTime::fromUnix(static_cast<std::time_t>(fields.u32()));
    }
    if (fileFlags & rar5::kHasCrc) {
        entry.crc = fields.u32();
        entry.hasCrc = true;
    }
    const std::uint64_t compression = fields.vint();
    const std::uint64_t hostOs = fields.vint();
    const std::uint64_t nameSize = fields.vint();
    entry.name = withSlashes(fields.bytes(nameSize));
    if (!fields.ok()) {
        return false;
    }
    if (fileFlags & rar5::kUnknownSize) {
        entry.unpSize = 0;
    }

    HeaderFieldReader extra(header.data(), header.size(), header.size() - extraSize);
    while (extra.ok() && extra.position() < extra.size()) {
        const std::uint64_t recordSize = extra.vint();
        const std::size_t recordStart = extra.position();
        if (!extra.ok() || recordSize > extra.size() - recordStart) {
            break;
        }
        const std::uint64_t recordType = extra.vint();
        if (recordType == rar5::kExtraEncryption) {
            entry.isEncrypted = true;
        } else if (recordType == rar5::kExtraTime) {
            const std::uint64_t timeFlags = extra.vint();
            if (timeFlags & rar5::kTimeHasModification) {
                entry.dosTime = (timeFlags & rar5::kTimeIsUnix)
                                    ? DosTime::fromUnix(static_cast<std::time_t>(extra.u32()))
                                    : DosTime::fromWindowsFileTime(extra.u64());
            }
        }
        extra.seek(recordStart + static_cast<std::size_t>(recordSize));
    }

    entry.isDirectory = (fileFlags & rar5::kDirectory) != 0;
    entry.method = 0x30 + static_cast<std::uint32_t>((compression >> 7) & 7);
    entry.unpVer = 50 + static_cast<std::uint32_t>(compression & 0x3F);
    entry.unsupportedMethod = !entry.isDirectory && (compression & 0x3F) != 0;
    entry.hostOs = hostOs == rar5::kHostUnix ? rar5::kDllHostUnix : rar5::kDllHostWindows;
    entry.flags =
        (block.continuedFromPrevious ? RHDF_SPLITBEFORE : 0) |
        (block.continuesInNext ? RHDF_SPLITAFTER : 0) | (entry.isEncrypted ? RHDF_ENCRYPTED : 0) |
        ((compression & 0x40) ? RHDF_SOLID : 0) | (entry.isDirectory ? RHDF_DIRECTORY : 0);
    return true;
}

bool RarHeaderWalker::readAt(std::uint64_t offset, void* buffer, std::size_t size) {
    if (size == 0) {
        return true;
    }
    if (offset >= m_cacheStart && offset - m_cacheStart + size <= m_cacheSize) {
        std::memcpy(buffer, m_cache.data() + (offset - m_cacheStart), size);
        return true;
    }
    if (size <= kReadAhead) {
        m_cache.resize(kReadAhead); // allocated once; only the bytes read count
        const ssize_t got = ::pread(m_fd, m_cache.data(), kReadAhead, static_cast<off_t>(offset));
        m_cacheStart = offset;
        m_cacheSize = got > 0 ? static_cast<std::size_t>(got) : 0;
        if (m_cacheSize < size) {
            return false;
        }
        std::memcpy(buffer, m_cache.data(), size);
        return true;
    }
    auto* out = static_cast<unsigned char*>(buffer);
    while (size > 0) {
        const ssize_t got = ::pread(m_fd, out, size, static_cast<off_t>(offset));
        if (got <= 0) {
            return false;
        }
        out += got;
        offset += static_cast<std::uint64_t>(got);
        size -= static_cast<std::size_t>(got);
    }
    return true;
}
