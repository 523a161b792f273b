#pragma once

// Writes an 8-bit picture as a packed device-independent bitmap: a 40-byte BITMAPINFOHEADER,
// a full 256-entry colour table, then the rows bottom-up, each padded to four bytes.

#include "PaletteQuantizer.h"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

class DibWriter {
public:
    // `indices` holds width x height palette indices, top row first.
    static std::vector<std::uint8_t> encode(int width, int height,
                                            const std::array<Colour8, 256>& palette,
                                            const std::vector<std::uint8_t>& indices);
    static bool write(const std::string& path, const std::vector<std::uint8_t>& bytes);
};
