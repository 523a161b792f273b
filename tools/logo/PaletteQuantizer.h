#pragma once

// Reduces a true-colour picture to 256 colours: median cut for the first table, then a few
// rounds of k-means so that the table follows the picture's gradients closely.

#include <array>
#include <cstdint>
#include <vector>

struct Colour8 {
    std::uint8_t r, g, b;
};

class PaletteQuantizer {
public:
    static constexpr int paletteSize = 256;

    explicit PaletteQuantizer(const std::vector<Colour8>& pixels);

    const std::array<Colour8, paletteSize>& palette() const { return m_palette; }
    std::uint8_t nearestIndex(Colour8 colour) const;

private:
    void medianCut(const std::vector<Colour8>& pixels);
    void refine(const std::vector<Colour8>& pixels);

    std::array<Colour8, paletteSize> m_palette{};
};
