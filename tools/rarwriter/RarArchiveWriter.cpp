#include "RarArchiveWriter.h"

#include <algorithm>
#include <ctime>
#include <fstream>
#include <stdexcept>
#include <string_view>
#include <zlib.h>

namespace {

constexpr char kRar4Marker[] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x00};
constexpr char kRar5Marker[] = {0x52, 0x61, 0x72, 0x21, 0x1A, 0x07, 0x01, 0x00};
constexpr std::size_t kWriteBlock = 1 << 20;

void put16(std::string& out, std::uint32_t value) {
    out += static_cast<char>(value & 0xFF);
    out += static_cast<char>((value >> 8) & 0xFF);
}

void put32(std::string& out, std::uint32_t value) {
    put16(out, value & 0xFFFF);
    put16(out, value >> 16);
}

void putVint(std::string& out, std::uint64_t value) {
    do {
        const auto low = static_cast<unsigned char>(value & 0x7F);
        value >>= 7;
        out += static_cast<char>(value != 0 ? (low | 0x80) : low);
    } while (value != 0);
}

std::uint32_t crc32Of(const std::string& bytes, std::size_t from = 0) {
    return static_cast<std::uint32_t>(::crc32(0L,
                                              reinterpret_cast<const Bytef*>(bytes.data() + from),
                                              static_cast<uInt>(bytes.size() - from)));
}

std::uint32_t dosTime(std::int64_t unixTime) {
    const auto time = static_cast<std::time_t>(unixTime);
    std::tm local{};
    ::localtime_r(&time, &local);
    return (static_cast<std::uint32_t>(local.tm_year - 80) << 25) |
           (static_cast<std::uint32_t>(local.tm_mon + 1) << 21) |
           (static_cast<std::uint32_t>(local.tm_mday) << 16) |
           (static_cast<std::uint32_t>(local.tm_hour) << 11) |
           (static_cast<std::uint32_t>(local.tm_min) << 5) |
           (static_cast<std::uint32_t>(local.tm_sec) / 2);
}

unsigned typeBits(RarWriterEntry::Kind kind) {
    switch (kind) {
    case RarWriterEntry::Kind::Directory:
        return 0040000;
    case RarWriterEntry::Kind::SymbolicLink:
        return 0120000;
    default:
        return 0100000;
    }
}

bool isAscii(const std::string& text) {
    return std::all_of(text.begin(), text.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// RAR 5 headers: CRC32, size, then the header itself.
std::string rar5Block(const std::string& body) {
    std::string sized;
    putVint(sized, body.size());
    sized += body;
    std::string block;
    put32(block, crc32Of(sized));
    return block + sized;
}

// RAR 4 headers carry the low 16 bits of the CRC32 of everything after the CRC field.
std::string rar4Block(std::string header) {
    header[5] = static_cast<char>(header.size() & 0xFF);
    header[6] = static_cast<char>((header.size() >> 8) & 0xFF);
    const std::uint32_t crc = crc32Of(header, 2) & 0xFFFF;
    header[0] = static_cast<char>(crc & 0xFF);
    header[1] = static_cast<char>(crc >> 8);
    return header;
}

std::string rar4BlockStart(unsigned type, unsigned flags) {
    std::string header(2, '\0');
    header += static_cast<char>(type);
    put16(header, flags);
    put16(header, 0); // size, filled in by rar4Block
    return header;
}

} // namespace

std::string RarArchiveWriter::volumeName(const std::string& path, std::size_t index) const {
    const std::size_t dot = path.rfind('.');
    const std::string stem = dot == std::string::npos ? path : path.substr(0, dot);
    if (m_options.naming == RarArchiveOptions::VolumeNaming::Parts) {
        std::string number = std::to_string(index + 1);
        if (number.size() < static_cast<std::size_t>(m_options.partDigits)) {
            number.insert(0, static_cast<std::size_t>(m_options.partDigits) - number.size(), '0');
        }
        return stem + ".part" + number + ".rar";
    }
    if (index == 0) {
        return stem + ".rar";
    }
    const std::size_t n = index - 1;
    const char letter = static_cast<char>('r' + n / 100);
    const std::size_t digits = n % 100;
    return stem + "." + letter + static_cast<char>('0' + digits / 10) +
           static_cast<char>('0' + digits % 10);
}

std::uint64_t RarArchiveWriter::dataSize(const RarWriterEntry& entry) {
    if (!entry.sourcePath.empty()) {
        std::ifstream in(entry.sourcePath, std::ios::binary | std::ios::ate);
        if (!in) {
            throw std::runtime_error("cannot read " + entry.sourcePath);
        }
        return static_cast<std::uint64_t>(in.tellg());
    }
    return entry.data.size();
}

void RarArchiveWriter::forEachChunk(const RarWriterEntry& entry, std::uint64_t offset,
                                    std::uint64_t size,
                                    const std::function<void(const char*, std::size_t)>& consume) {
    if (entry.sourcePath.empty()) {
        consume(entry.data.data() + offset, static_cast<std::size_t>(size));
        return;
    }
    std::ifstream in(entry.sourcePath, std::ios::binary);
    in.seekg(static_cast<std::streamoff>(offset));
    std::string buffer(1 << 20, '\0');
    while (size > 0) {
        const auto wanted = static_cast<std::size_t>(std::min<std::uint64_t>(size, buffer.size()));
        if (!in.read(buffer.data(), static_cast<std::streamsize>(wanted))) {
            throw std::runtime_error("cannot read " + entry.sourcePath);
        }
        consume(buffer.data(), wanted);
        size -= wanted;
    }
}

std::uint32_t RarArchiveWriter::crcOf(const RarWriterEntry& entry, std::uint64_t offset,
                                      std::uint64_t size) {
    uLong crc = ::crc32(0L, Z_NULL, 0);
    forEachChunk(entry, offset, size, [&](const char* data, std::size_t length) {
        crc = ::crc32(crc, reinterpret_cast<const Bytef*>(data), static_cast<uInt>(length));
    });
    return static_cast<std::uint32_t>(crc);
}

// Every part but the last carries the checksum of its own data, the last that of the whole file.
std::uint32_t RarArchiveWriter::partCrc(const Part& part) const {
    const std::uint32_t crc = part.continuesInNext ? crcOf(*part.entry, part.offset, part.size)
                                                   : crcOf(*part.entry, 0, part.offset + part.size);
    return part.entry->wrongCrc ? ~crc : crc;
}

std::vector<std::string> RarArchiveWriter::write(const std::string& path,
                                                 const std::vector<RarWriterEntry>& entries) {
    const bool isVolumeSet = m_options.volumeDataSize > 0;
    std::vector<std::vector<Part>> volumes(1);
    std::uint64_t used = 0;
    for (const auto& entry : entries) {
        const bool carriesData = entry.kind == RarWriterEntry::Kind::File ||
                                 (entry.kind == RarWriterEntry::Kind::SymbolicLink &&
                                  m_options.format == RarArchiveOptions::Format::Rar4);
        const std::uint64_t size = carriesData ? dataSize(entry) : 0;
        if (!isVolumeSet || size == 0) {
            volumes.back().push_back({&entry, 0, size, false, false});
            continue;
        }
        for (std::uint64_t offset = 0; offset < size;) {
            if (used == m_options.volumeDataSize) {
                volumes.emplace_back();
                used = 0;
            }
            const std::uint64_t take = std::min(m_options.volumeDataSize - used, size - offset);
            volumes.back().push_back({&entry, offset, take, offset > 0, offset + take < size});
            used += take;
            offset += take;
        }
    }

    std::vector<std::string> written;
    for (std::size_t index = 0; index < volumes.size(); ++index) {
        const std::string name = isVolumeSet ? volumeName(path, index) : path;
        std::ofstream out(name, std::ios::binary | std::ios::trunc);
        if (!out) {
            throw std::runtime_error("cannot create " + name);
        }
        // Written in large blocks: a file written a few kilobytes at a time is cached in pages of
        // that size, and every later read of it pays for each page.
        std::string pending;
        auto emit = [&](std::string_view bytes) {
            pending += bytes;
            if (pending.size() >= kWriteBlock) {
                out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
                pending.clear();
            }
        };
        if (index == 0) {
            emit(m_options.stub);
        }
        emit(m_options.format == RarArchiveOptions::Format::Rar4
                 ? std::string_view(kRar4Marker, sizeof kRar4Marker)
                 : std::string_view(kRar5Marker, sizeof kRar5Marker));
        emit(archiveHeader(index, isVolumeSet));
        for (const auto& part : volumes[index]) {
            emit(fileHeader(part));
            forEachChunk(*part.entry, part.offset, part.size,
                         [&](const char* data, std::size_t length) {
                             emit({data, length});
                         });
        }
        emit(endOfArchive(index + 1 < volumes.size()));
        out.write(pending.data(), static_cast<std::streamsize>(pending.size()));
        if (!out.flush()) {
            throw std::runtime_error("cannot write " + name);
        }
        written.push_back(name);
    }
    return written;
}

std::string RarArchiveWriter::archiveHeader(std::size_t volumeIndex, bool isVolumeSet) const {
    if (m_options.format == RarArchiveOptions::Format::Rar4) {
        unsigned flags = 0;
        if (isVolumeSet) {
            flags |= 0x0001; // volume
            if (m_options.naming == RarArchiveOptions::VolumeNaming::Parts) {
                flags |= 0x0010; // "name.partN.rar" numbering
            }
            if (volumeIndex == 0) {
                flags |= 0x0100; // first volume
            }
        }
        std::string header = rar4BlockStart(0x73, flags);
        header.append(6, '\0'); // reserved
        return rar4Block(header);
    }
    std::string body;
    putVint(body, 1); // archive header
    putVint(body, 0);
    putVint(body, isVolumeSet ? (volumeIndex > 0 ? 0x3 : 0x1) : 0);
    if (isVolumeSet && volumeIndex > 0) {
        putVint(body, volumeIndex);
    }
    return rar5Block(body);
}

std::string RarArchiveWriter::endOfArchive(bool moreVolumes) const {
    if (m_options.format == RarArchiveOptions::Format::Rar4) {
        return rar4Block(rar4BlockStart(0x7B, moreVolumes ? 0x0001 : 0));
    }
    std::string body;
    putVint(body, 5); // end of archive
    putVint(body, 0);
    putVint(body, moreVolumes ? 0x1 : 0);
    return rar5Block(body);
}

std::string RarArchiveWriter::fileHeader(const Part& part) const {
    return m_options.format == RarArchiveOptions::Format::Rar4 ? rar4FileHeader(part)
                                                               : rar5FileHeader(part);
}

std::string RarArchiveWriter::rar4FileHeader(const Part& part) const {
    const RarWriterEntry& entry = *part.entry;
    if (entry.kind == RarWriterEntry::Kind::HardLink) {
        throw std::runtime_error("RAR 4 archives cannot hold hard links");
    }
    const std::uint64_t unpackedSize =
        entry.kind == RarWriterEntry::Kind::Directory ? 0 : dataSize(entry);
    const bool large = unpackedSize > 0xFFFFFFFFULL || part.size > 0xFFFFFFFFULL;
    unsigned flags = 0x8000;
    flags |= part.continuedFromPrevious ? 0x01 : 0;
    flags |= part.continuesInNext ? 0x02 : 0;
    flags |= entry.markedEncrypted ? 0x04 : 0;
    flags |= entry.kind == RarWriterEntry::Kind::Directory ? 0xE0 : 0;
    flags |= large ? 0x100 : 0;
    flags |= isAscii(entry.name) ? 0 : 0x200; // a Unicode name without the compact form: UTF-8
    std::string header = rar4BlockStart(0x74, flags);
    put32(header, static_cast<std::uint32_t>(part.size));
    put32(header, static_cast<std::uint32_t>(unpackedSize));
    header += static_cast<char>(3); // Unix
    put32(header, entry.kind == RarWriterEntry::Kind::Directory ? 0 : partCrc(part));
    put32(header, dosTime(entry.modificationTime));
    header += static_cast<char>(entry.oldCompression ? 20 : 29);
    header += static_cast<char>(entry.oldCompression ? 0x33 : 0x30);
    put16(header, static_cast<std::uint32_t>(entry.name.size()));
    put32(header, typeBits(entry.kind) | (entry.mode & 07777));
    if (large) {
        put32(header, static_cast<std::uint32_t>(part.size >> 32));
        put32(header, static_cast<std::uint32_t>(unpackedSize >> 32));
    }
    header += entry.name;
    return rar4Block(header);
}

std::string RarArchiveWriter::rar5FileHeader(const Part& part) const {
    const RarWriterEntry& entry = *part.entry;
    std::string extra;
    if (entry.kind == RarWriterEntry::Kind::SymbolicLink ||
        entry.kind == RarWriterEntry::Kind::HardLink) {
        std::string record;
        putVint(record, 5); // file system redirection
        putVint(record, entry.kind == RarWriterEntry::Kind::SymbolicLink ? 1 : 4);
        putVint(record, 0);
        putVint(record, entry.data.size());
        record += entry.data;
        putVint(extra, record.size());
        extra += record;
    }
    if (entry.markedEncrypted) {
        std::string record;
        putVint(record, 1); // encryption
        putVint(record, 0); // AES-256
        putVint(record, 0);
        record += static_cast<char>(15);
        record.append(32, '\x5A'); // salt and initialisation vector
        putVint(extra, record.size());
        extra += record;
    }
    const bool isFile = entry.kind == RarWriterEntry::Kind::File;
    unsigned headerFlags = extra.empty() ? 0 : 0x01;
    headerFlags |= 0x02; // data size, present even when zero as RAR itself writes it
    headerFlags |= part.continuedFromPrevious ? 0x08 : 0;
    headerFlags |= part.continuesInNext ? 0x10 : 0;
    std::string body;
    putVint(body, 2); // file header
    putVint(body, headerFlags);
    if (!extra.empty()) {
        putVint(body, extra.size());
    }
    putVint(body, part.size);
    putVint(body,
            (entry.kind == RarWriterEntry::Kind::Directory ? 0x1 : 0) | 0x2 | (isFile ? 0x4 : 0));
    putVint(body, isFile ? dataSize(entry) : 0);
    putVint(body, typeBits(entry.kind) | (entry.mode & 07777));
    put32(body, static_cast<std::uint32_t>(entry.modificationTime));
    if (isFile) {
        put32(body, partCrc(part));
    }
    putVint(body, 0); // version 0, stored
    putVint(body, 1); // Unix
    putVint(body, entry.name.size());
    body += entry.name;
    body += extra;
    return rar5Block(body);
}
