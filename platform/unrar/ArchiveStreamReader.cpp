#include "ArchiveStreamReader.h"

#include "unrar.h"

#include <algorithm>
#include <archive.h>
#include <archive_entry.h>
#include <cerrno>
#include <cstring>
#include <strings.h>
#include <sys/stat.h>

namespace {

constexpr std::size_t kBlockSize = 1024 * 1024;

bool mentions(const char* message, const char* word) {
    return message != nullptr && ::strcasestr(message, word) != nullptr;
}

const char* utf8OrNative(const char* utf8, const char* native) {
    return utf8 != nullptr ? utf8 : (native != nullptr ? native : "");
}

} // namespace

struct ArchiveStreamReader::Decoder {
    archive* handle = nullptr;
    archive_entry* entry = nullptr;
    ~Decoder() {
        if (handle != nullptr) {
            archive_read_free(handle);
        }
    }
};

ArchiveStreamReader::ArchiveStreamReader(std::vector<std::string> volumes)
    : m_volumes(std::move(volumes)) {
    std::uint64_t start = 0;
    for (const auto& volume : m_volumes) {
        m_volumeStarts.push_back(start);
        struct stat st {};
        start += ::stat(volume.c_str(), &st) == 0 ? static_cast<std::uint64_t>(st.st_size) : 0;
    }
    m_broken = true; // opened on first use, so listing never touches the decoder
}

ArchiveStreamReader::~ArchiveStreamReader() = default;

int ArchiveStreamReader::reopen(std::size_t firstVolume) {
    m_decoder = std::make_unique<Decoder>();
    m_headerPending = false;
    m_firstVolume = firstVolume;
    m_decoder->handle = archive_read_new();
    if (m_decoder->handle == nullptr) {
        return ERAR_NO_MEMORY;
    }
    archive_read_support_format_rar(m_decoder->handle);
    archive_read_support_format_rar5(m_decoder->handle);
    std::vector<const char*> names;
    for (std::size_t i = firstVolume; i < m_volumes.size(); ++i) {
        names.push_back(m_volumes[i].c_str());
    }
    names.push_back(nullptr);
    if (archive_read_open_filenames(m_decoder->handle, names.data(), kBlockSize) != ARCHIVE_OK) {
        return failureCode();
    }
    m_broken = false;
    return ERAR_SUCCESS;
}

int ArchiveStreamReader::moveToEntry(std::int64_t after, std::uint64_t at, std::size_t volume,
                                     const std::string& name, StreamEntry& entry) {
    if (m_beyondRepair) {
        return m_brokenCode;
    }
    if (m_broken) {
        if (const int opened = reopen(m_firstVolume); opened != ERAR_SUCCESS) {
            m_beyondRepair = true;
            m_brokenCode = opened;
            return opened;
        }
    }
    int found = findEntry(after, at, name);
    // libarchive ends a volume set at a volume boundary that no file crosses, and cannot get
    // past some damage; reading on from the entry's own volume gets there.
    if (found != ERAR_SUCCESS && found != ERAR_NO_MEMORY && volume > m_firstVolume &&
        reopen(volume) == ERAR_SUCCESS) {
        m_beyondRepair = false;
        found = findEntry(after, at, name);
    }
    if (found == ERAR_SUCCESS) {
        describe(entry);
    }
    return found;
}

int ArchiveStreamReader::findEntry(std::int64_t after, std::uint64_t at, const std::string& name) {
    // After starting at a later volume, the tail of a file split over volumes comes first.
    const bool checkName = m_firstVolume > 0;
    for (;;) {
        if (!m_headerPending) {
            const int result = archive_read_next_header(m_decoder->handle, &m_decoder->entry);
            if (result == ARCHIVE_EOF) {
                return ERAR_BAD_DATA; // the headers name an entry the decoder cannot find
            }
            if (result < ARCHIVE_WARN) {
                // The decoder cannot get past this header, so starting over would not help.
                m_brokenCode = failureCode();
                m_beyondRepair = true;
                return m_brokenCode;
            }
            m_headerPending = true;
            m_pendingPosition =
                m_volumeStarts[m_firstVolume] +
                static_cast<std::uint64_t>(archive_read_header_position(m_decoder->handle));
        }
        if (after >= 0 && m_pendingPosition <= static_cast<std::uint64_t>(after)) {
            m_headerPending =
                false; // an entry skipped before, or the tail of one split over volumes
            continue;
        }
        if (m_pendingPosition > at) {
            return ERAR_BAD_DATA;
        }
        m_headerPending = false;
        if (checkName) {
            std::string decoded = utf8OrNative(archive_entry_pathname_utf8(m_decoder->entry),
                                               archive_entry_pathname(m_decoder->entry));
            std::replace(decoded.begin(), decoded.end(), '\\', '/');
            if (decoded != name) {
                continue;
            }
        }
        return ERAR_SUCCESS;
    }
}

void ArchiveStreamReader::describe(StreamEntry& entry) const {
    archive_entry* source = m_decoder->entry;
    switch (archive_entry_filetype(source)) {
    case AE_IFREG:
        entry.kind = StreamEntry::Kind::File;
        break;
    case AE_IFDIR:
        entry.kind = StreamEntry::Kind::Directory;
        break;
    case AE_IFLNK:
        entry.kind = StreamEntry::Kind::SymbolicLink;
        entry.linkTarget =
            utf8OrNative(archive_entry_symlink_utf8(source), archive_entry_symlink(source));
        break;
    case AE_IFCHR:
    case AE_IFBLK:
    case AE_IFIFO:
    case AE_IFSOCK:
        entry.kind = StreamEntry::Kind::Special;
        break;
    default:
        entry.kind = StreamEntry::Kind::File; // attributes from another system name no type
        break;
    }
    // Without a UTF-8 locale the native form of a Unicode name may be missing.
    if (archive_entry_hardlink_utf8(source) != nullptr ||
        archive_entry_hardlink(source) != nullptr) {
        entry.kind = StreamEntry::Kind::HardLink;
        entry.linkTarget =
            utf8OrNative(archive_entry_hardlink_utf8(source), archive_entry_hardlink(source));
    }
    entry.permissions = archive_entry_perm(source);
    entry.hasModificationTime = archive_entry_mtime_is_set(source) != 0;
    entry.modificationSeconds = archive_entry_mtime(source);
    entry.modificationNanoseconds = archive_entry_mtime_nsec(source);
    entry.isEncrypted = archive_entry_is_data_encrypted(source) != 0;
}

int ArchiveStreamReader::readData(const void*& data, std::size_t& size, std::int64_t& offset) {
    if (m_broken || m_beyondRepair) {
        return m_brokenCode;
    }
    la_int64_t position = 0;
    const int result = archive_read_data_block(m_decoder->handle, &data, &size, &position);
    offset = position;
    if (result == ARCHIVE_EOF) {
        return ERAR_END_ARCHIVE;
    }
    if (result >= ARCHIVE_WARN) {
        return ERAR_SUCCESS;
    }
    const int code = failureCode();
    if (result == ARCHIVE_FATAL) {
        m_broken = true; // start over from the next entry
        m_brokenCode = code;
    }
    return code;
}

// libarchive reports failures as text; sort them into the library's result codes.
int ArchiveStreamReader::failureCode() const {
    archive* handle = m_decoder ? m_decoder->handle : nullptr;
    const int error = handle != nullptr ? archive_errno(handle) : ENOMEM;
    const char* message = handle != nullptr ? archive_error_string(handle) : nullptr;
    if (error == ENOMEM || mentions(message, "allocate") || mentions(message, "memory")) {
        return ERAR_NO_MEMORY;
    }
    if (mentions(message, "crc") || mentions(message, "checksum")) {
        return ERAR_BAD_DATA;
    }
    if (mentions(message, "encrypt") || mentions(message, "password")) {
        return ERAR_MISSING_PASSWORD;
    }
    if (mentions(message, "unsupported") || mentions(message, "not supported") ||
        mentions(message, "solid")) {
        return ERAR_UNKNOWN_FORMAT;
    }
    if (error == ENOENT || error == EACCES) {
        return ERAR_EOPEN;
    }
    // libarchive marks damaged data with EILSEQ and misuse with EINVAL; other values are the
    // operating system's own errors.
    if (error > 0 && error != EILSEQ && error != EINVAL) {
        return ERAR_EREAD; // the operating system failed a read
    }
    return ERAR_BAD_DATA;
}
