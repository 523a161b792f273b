#include "PackedDib.h"

#include <cstring>

std::vector<unsigned char> MakePackedDib(const PackedDibSpec& spec, unsigned char fill) {
    int stride = (spec.width * spec.bitCount + 31) / 32 * 4;
    int rows = spec.height < 0 ? -spec.height : spec.height;
    BITMAPINFOHEADER header{};
    header.biSize = sizeof header;
    header.biWidth = spec.width;
    header.biHeight = spec.height;
    header.biPlanes = 1;
    header.biBitCount = spec.bitCount;
    header.biCompression = spec.compression;
    header.biSizeImage = static_cast<DWORD>(stride * rows);
    header.biClrUsed = spec.colourCount;

    std::vector<unsigned char> bytes(sizeof header);
    std::memcpy(bytes.data(), &header, sizeof header);
    for (DWORD i = 0; i < spec.tableEntries; ++i) {
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
