#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Reads little-endian fields and RAR 5 variable-length integers from a header held in memory.
// Reading past the end yields zeros and clears ok(), so a damaged header is noticed once.
class HeaderFieldReader {
public:
    HeaderFieldReader(const unsigned char* data, std::size_t size, std::size_t at = 0)
        : m_data(data), m_size(size), m_at(at) {}

    std::uint64_t vint();
    std::uint32_t u8() { return static_cast<std::uint32_t>(fixed(1)); }
    std::uint32_t u16() { return static_cast<std::uint32_t>(fixed(2)); }
    std::uint32_t u32() { return static_cast<std::uint32_t>(fixed(4)); }
    std::uint64_t u64() { return fixed(8); }
    std::string bytes(std::uint64_t count);
    void seek(std::size_t at);

    std::size_t position() const { return m_at; }
    std::size_t size() const { return m_size; }
    bool ok() const { return m_ok; }

private:
    std::uint64_t fixed(std::size_t width);

    const unsigned char* m_data;
    std::size_t m_size;
    std::size_t m_at;
    bool m_ok = true;
};
