#include "DibWriter.h"

#include <fstream>

namespace {

void put16(std::vector<std::uint8_t>& out, std::uint16_t value) {
    out.push_back(static_cast<std::uint8_t>(value));
    out.push_back(static_cast<std::uint8_t>(value >> 8));
}

void put32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

} // namespace

std::vector<std::uint8_t> DibWriter::encode(int width, int height,
                                            const std::array<Colour8, 256>& palette,
                                            const std::vector<std::uint8_t>& indices) {
    const int stride = (width + 3) / 4 * 4;
    std::vector<std::uint8_t> out;
    put32(out, 40);                                          // biSize
    put32(out, static_cast<std::uint32_t>(width));           // biWidth
    put32(out, static_cast<std::uint32_t>(height));          // biHeight: positive, bottom-up
    put16(out, 1);                                           // biPlanes
    put16(out, 8);                                           // biBitCount
    put32(out, 0);                                           // biCompression: BI_RGB
    put32(out, static_cast<std::uint32_t>(stride * height)); // biSizeImage
    put32(out, 0);                                           // biXPelsPerMeter
    put32(out, 0);                                           // biYPelsPerMeter
    put32(out, 0);                                           // biClrUsed: the full table
    put32(out, 0);                                           // biClrImportant
    for (Colour8 colour : palette) {
        out.push_back(colour.b);
        out.push_back(colour.g);
        out.push_back(colour.r);
        out.push_back(0);
    }
    for (int row = height - 1; row >= 0; --row) {
        const std::uint8_t* source = indices.data() + static_cast<std::size_t>(row) * width;
        out.insert(out.end(), source, source + width);
        out.insert(out.end(), static_cast<std::size_t>(stride - width), 0);
    }
    return out;
}

bool DibWriter::write(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(file);
}
