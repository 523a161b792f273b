#pragma once

// The pixels of a device-independent bitmap section: its header, its colour table (up to 8 bits
// per pixel) and its rows, stored as the packed DIB stores them.

#include "GdiTypes.h"

#include <memory>
#include <span>
#include <vector>

class DibSection {
public:
    // Null when the bytes do not hold a complete, uncompressed bitmap.
    static std::unique_ptr<DibSection> FromPackedDib(std::span<const unsigned char> bytes);

    const BITMAPINFOHEADER& Header() const { return m_header; }
    int Width() const { return m_header.biWidth; }
    int Height() const { return m_header.biHeight < 0 ? -m_header.biHeight : m_header.biHeight; }
    int Stride() const { return m_stride; }
    const std::vector<RGBQUAD>& ColourTable() const { return m_colourTable; }
    unsigned char* Bits() { return m_bits.data(); }
    // The colour at (x, y), counted from the top-left pixel.
    RGBQUAD PixelAt(int x, int y) const;

private:
    BITMAPINFOHEADER m_header{};
    int m_stride = 0;
    std::vector<RGBQUAD> m_colourTable;
    std::vector<unsigned char> m_bits;
};
