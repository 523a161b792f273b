#include "PackedDib.h"

#include <cstring>

std::vector<unsigned char> MakePackedDib(const PackedDibLayout& layout, unsigned char fill) {
    int stride = (layout.width * layout.bitCount + 31) / 32 * 4;
    int rows = layout.height < 0 ? -layout.height : layout.height;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = layout.width;
    header.biHeight = layout.height;
    header.biPlanes = 1;
    header.biBitCount = layout.bitCount;
    header.biCompression = layout.compression;
    header.biSizeImage = static_cast<DWORD>(stride * rows);
    header.biClrUsed = layout.colourCount;

    std::vector<unsigned char> bytes(sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    for (DWORD i = 0; i < layout.tableEntries; ++i) {
        RGBQUAD colour = TestTableColour(i);
        bytes.insert(bytes.end(), {colour.rgbBlue, colour.rgbGreen, colour.rgbRed, 0x5A});
    }
    bytes.insert(bytes.end(), static_cast<std::size_t>(stride * rows), fill);
    return bytes;
}

RGBQUAD TestTableColour(unsigned index) {
    return {static_cast<BYTE>(index / 2), static_cast<BYTE>(255 - index), static_cast<BYTE>(index),
            0};
}
