#include "ArchiveSession.h"

#include "HeaderRecordFiller.h"
#include "StoredPath.h"
#include "unrar.h"

#include <cstdint>
#include <libdeflate.h>

namespace {

// libarchive leaves stored data unchecked, so every entry's checksum is checked here. Data
// that does not arrive in order cannot be summed; that only happens to compressed data, which
// libarchive checks itself.
class DataChecksum {
public:
    explicit DataChecksum(const RarEntry& entry) : m_entry(entry) {}
    void add(const void* data, std::size_t size, std::int64_t offset) {
        if (offset != m_next) {
            m_inOrder = false;
            return;
        }
        m_crc = libdeflate_crc32(m_crc, data, size);
        m_next += static_cast<std::int64_t>(size);
    }
    bool matches() const { return !m_entry.hasCrc || !m_inOrder || m_crc == m_entry.crc; }

private:
    const RarEntry& m_entry;
    std::uint32_t m_crc = 0;
    std::int64_t m_next = 0;
    bool m_inOrder = true;
};

} // namespace

ArchiveSession::ArchiveSession(std::string firstVolume, bool extractMode)
    : m_walker(std::move(firstVolume)), m_extractMode(extractMode) {}

int ArchiveSession::open() {
    const int result = m_walker.open();
    if (result == ERAR_SUCCESS && m_extractMode) {
        m_stream = std::make_unique<ArchiveStreamReader>(m_walker.volumes());
    }
    return result;
}

int ArchiveSession::readHeader(RARHeaderData& record) {
    if (m_haveCurrent) {
        // The caller moves on without processing the entry: it counts as passed, so that its
        // data can never be taken for a later entry's.
        m_previousOffset = static_cast<std::int64_t>(m_current.offset);
    }
    m_haveCurrent = false;
    m_headerFailure = 0;
    const int result = m_walker.next(m_current);
    if (result == ERAR_END_ARCHIVE) {
        return result;
    }
    if (result != ERAR_SUCCESS) {
        m_headerFailure = result;
        HeaderRecordFiller::fillVolumeOnly(record, m_walker.volumes().back());
        return result;
    }
    m_haveCurrent = true;
    HeaderRecordFiller::fill(record, m_current, m_walker.volumes()[m_current.volume]);
    return ERAR_SUCCESS;
}

int ArchiveSession::processFile(int operation, const char* destPath, const char* destName) {
    if (!m_haveCurrent) {
        const int failure = m_headerFailure;
        m_headerFailure = 0;
        return failure != 0 ? failure : ERAR_UNKNOWN;
    }
    m_haveCurrent = false;
    const RarEntry& entry = m_current;
    const std::int64_t previous = m_previousOffset;
    m_previousOffset = static_cast<std::int64_t>(entry.offset);
    if (entry.failure != ERAR_SUCCESS) {
        return entry.failure;
    }
    // In list mode every operation only moves on, which is what makes counting cheap.
    if (!m_extractMode || operation == RAR_SKIP) {
        return ERAR_SUCCESS;
    }
    if (operation != RAR_TEST && operation != RAR_EXTRACT) {
        return ERAR_UNKNOWN;
    }
    if (entry.isEncrypted) {
        return ERAR_MISSING_PASSWORD;
    }
    if (entry.unsupportedMethod) {
        return ERAR_UNKNOWN_FORMAT;
    }
    std::vector<std::string> path;
    if (operation == RAR_EXTRACT && destName == nullptr && !StoredPath::split(entry.name, path)) {
        return ERAR_ECREATE; // checked before any data is read: nothing is written
    }
    StreamEntry stream;
    if (const int found =
            m_stream->moveToEntry(previous, entry.offset, entry.volume, entry.name, stream);
        found != ERAR_SUCCESS) {
        return found;
    }
    if (stream.isEncrypted) {
        return ERAR_MISSING_PASSWORD;
    }
    if (operation == RAR_TEST) {
        return readChecked(entry,
                           [](const void*, std::size_t, std::int64_t) { return ERAR_SUCCESS; });
    }
    return extract(entry, stream, std::move(path), destPath, destName);
}

int ArchiveSession::readChecked(const RarEntry& entry, const DataConsumer& consume) {
    DataChecksum checksum(entry);
    const void* data = nullptr;
    std::size_t size = 0;
    std::int64_t offset = 0;
    for (;;) {
        int result = m_stream->readData(data, size, offset);
        if (result == ERAR_SUCCESS) {
            checksum.add(data, size, offset);
            result = consume(data, size, offset);
            if (result == ERAR_SUCCESS) {
                continue;
            }
        }
        if (result == ERAR_END_ARCHIVE) {
            return checksum.matches() ? ERAR_SUCCESS : ERAR_BAD_DATA;
        }
        return result;
    }
}

int ArchiveSession::extract(const RarEntry& entry, const StreamEntry& stream,
                            std::vector<std::string> path, const char* destPath,
                            const char* destName) {
    std::string folder = destPath != nullptr ? destPath : "";
    if (destName != nullptr) {
        // An explicit name is the caller's own choice of place: its folder and its file name.
        const std::string full = destName;
        const std::size_t slash = full.rfind('/');
        folder = slash == std::string::npos ? "" : full.substr(0, slash + 1);
        path = {full.substr(slash == std::string::npos ? 0 : slash + 1)};
        if (path.front().empty()) {
            return ERAR_ECREATE;
        }
    }
    if (const int ready = m_writer.setDestination(folder); ready != ERAR_SUCCESS) {
        return ready;
    }
    const SafeDestinationWriter::Time time{stream.hasModificationTime, stream.modificationSeconds,
                                           stream.modificationNanoseconds};
    switch (stream.kind) {
    case StreamEntry::Kind::Directory:
        return m_writer.makeDirectory(path, stream.permissions, time);
    case StreamEntry::Kind::SymbolicLink:
        if (!StoredPath::linkStaysInside(path, stream.linkTarget)) {
            return ERAR_ECREATE;
        }
        return m_writer.makeSymbolicLink(path, stream.linkTarget);
    case StreamEntry::Kind::HardLink: {
        std::vector<std::string> existing;
        if (!StoredPath::split(stream.linkTarget, existing)) {
            return ERAR_ECREATE;
        }
        return m_writer.makeHardLink(path, existing);
    }
    case StreamEntry::Kind::Special:
        return ERAR_ECREATE; // device nodes, FIFOs and sockets are never created
    case StreamEntry::Kind::File:
        break;
    }
    if (const int begun = m_writer.beginFile(path, stream.permissions, time);
        begun != ERAR_SUCCESS) {
        return begun;
    }
    const int result =
        readChecked(entry, [this](const void* data, std::size_t size, std::int64_t offset) {
            return m_writer.writeFile(data, size, offset);
        });
    if (result == ERAR_SUCCESS) {
        return m_writer.commitFile();
    }
    m_writer.abandonFile(); // a damaged or unwritable file never appears under its name
    return result;
}

int ArchiveSession::close() {
    m_writer.finish();
    return ERAR_SUCCESS;
}
