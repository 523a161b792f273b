#include "HeaderFieldReader.h"

std::uint64_t HeaderFieldReader::vint() {
    std::uint64_t value = 0;
    for (unsigned shift = 0; shift < 64; shift += 7) {
        if (m_at >= m_size) {
            m_ok = false;
            return 0;
        }
        const unsigned char byte = m_data[m_at++];
        value |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
        if ((byte & 0x80) == 0) {
            return value;
        }
    }
    m_ok = false;
    return 0;
}

std::string HeaderFieldReader::bytes(std::uint64_t count) {
    if (count > m_size - m_at) {
        m_ok = false;
        m_at = m_size;
        return {};
    }
    std::string out(reinterpret_cast<const char*>(m_data + m_at), static_cast<std::size_t>(count));
    m_at += static_cast<std::size_t>(count);
    return out;
}

void HeaderFieldReader::seek(std::size_t at) {
    if (at > m_size) {
        m_ok = false;
        at = m_size;
    }
    m_at = at;
}

std::uint64_t HeaderFieldReader::fixed(std::size_t width) {
    if (width > m_size - m_at) {
        m_ok = false;
        m_at = m_size;
        return 0;
    }
    std::uint64_t value = 0;
    for (std::size_t i = 0; i < width; ++i) {
        value |= static_cast<std::uint64_t>(m_data[m_at + i]) << (8 * i);
    }
    m_at += width;
    return value;
}
