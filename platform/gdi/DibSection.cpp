#include "DibSection.h"

#include <cstring>

namespace {

DWORD Read32(std::span<const unsigned char> bytes, std::size_t offset) {
    return static_cast<DWORD>(bytes[offset]) | static_cast<DWORD>(bytes[offset + 1]) << 8 |
           static_cast<DWORD>(bytes[offset + 2]) << 16 |
           static_cast<DWORD>(bytes[offset + 3]) << 24;
}

WORD Read16(std::span<const unsigned char> bytes, std::size_t offset) {
    return static_cast<WORD>(bytes[offset] | bytes[offset + 1] << 8);
}

BITMAPINFOHEADER ReadHeader(std::span<const unsigned char> bytes) {
    BITMAPINFOHEADER header{};
    header.biSize = Read32(bytes, 0);
    header.biWidth = static_cast<LONG>(Read32(bytes, 4));
    header.biHeight = static_cast<LONG>(Read32(bytes, 8));
    header.biPlanes = Read16(bytes, 12);
    header.biBitCount = Read16(bytes, 14);
    header.biCompression = Read32(bytes, 16);
    header.biSizeImage = Read32(bytes, 20);
    header.biXPelsPerMeter = static_cast<LONG>(Read32(bytes, 24));
    header.biYPelsPerMeter = static_cast<LONG>(Read32(bytes, 28));
    header.biClrUsed = Read32(bytes, 32);
    header.biClrImportant = Read32(bytes, 36);
    return header;
}

bool SupportedDepth(WORD bitCount) {
    return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
           bitCount == 32;
}

} // namespace

std::unique_ptr<DibSection> DibSection::FromPackedDib(std::span<const unsigned char> bytes) {
    constexpr std::size_t headerSize = sizeof(BITMAPINFOHEADER);
    constexpr LONG largestSide = 32767;
    if (bytes.size() < headerSize)
        return nullptr;
    BITMAPINFOHEADER header = ReadHeader(bytes);
    if (header.biSize < headerSize || header.biSize > bytes.size() || header.biWidth <= 0 ||
        header.biWidth > largestSide || header.biHeight == 0 || header.biHeight < -largestSide ||
        header.biHeight > largestSide || header.biPlanes != 1 ||
        !SupportedDepth(header.biBitCount) || header.biCompression != BI_RGB)
        return nullptr;

    // Up to 8 bits per pixel the table maps indices to colours; above, it is only a hint for
    // palette devices, and a DIB section does not keep it.
    std::uint64_t tableEntries = header.biClrUsed;
    if (header.biBitCount <= 8) {
        std::uint64_t fullTable = 1u << header.biBitCount;
        if (tableEntries == 0)
            tableEntries = fullTable;
        if (tableEntries > fullTable)
            return nullptr;
    }
    auto dib = std::unique_ptr<DibSection>(new DibSection);
    dib->m_header = header;
    dib->m_stride = (header.biWidth * header.biBitCount + 31) / 32 * 4;
    std::uint64_t tableOffset = header.biSize;
    std::uint64_t bitsOffset = tableOffset + tableEntries * sizeof(RGBQUAD);
    std::uint64_t bitsSize = static_cast<std::uint64_t>(dib->m_stride) * dib->Height();
    if (bitsOffset + bitsSize > bytes.size())
        return nullptr;
    dib->m_header.biSizeImage = static_cast<DWORD>(bitsSize);

    if (header.biBitCount <= 8) {
        dib->m_colourTable.resize(tableEntries);
        std::memcpy(dib->m_colourTable.data(), bytes.data() + tableOffset,
                    tableEntries * sizeof(RGBQUAD));
    }
    dib->m_bits.assign(bytes.begin() + static_cast<std::ptrdiff_t>(bitsOffset),
                       bytes.begin() + static_cast<std::ptrdiff_t>(bitsOffset + bitsSize));
    return dib;
}

RGBQUAD DibSection::PixelAt(int x, int y) const {
    int row = m_header.biHeight > 0 ? Height() - 1 - y : y;
    const unsigned char* line = m_bits.data() + static_cast<std::size_t>(row) * m_stride;
    auto fromTable = [this](unsigned index) {
        return index < m_colourTable.size() ? m_colourTable[index] : RGBQUAD{0, 0, 0, 0};
    };
    switch (m_header.biBitCount) {
    case 1:
        return fromTable((line[x / 8] >> (7 - x % 8)) & 1);
    case 4:
        return fromTable((line[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8:
        return fromTable(line[x]);
    case 16: {
        unsigned value = line[2 * x] | line[2 * x + 1] << 8;
        auto expand = [](unsigned five) {
            return static_cast<BYTE>(five << 3 | five >> 2);
        };
        return {expand(value & 0x1F), expand((value >> 5) & 0x1F), expand((value >> 10) & 0x1F), 0};
    }
    case 24:
        return {line[3 * x], line[3 * x + 1], line[3 * x + 2], 0};
    default:
        return {line[4 * x], line[4 * x + 1], line[4 * x + 2], 0};
    }
}
