#include "PaletteQuantizer.h"

#include <algorithm>
#include <limits>

namespace {

int channel(Colour8 colour, int which) {
    return which == 0 ? colour.r : which == 1 ? colour.g : colour.b;
}

int distanceSquared(Colour8 a, Colour8 b) {
    int dr = a.r - b.r;
    int dg = a.g - b.g;
    int db = a.b - b.b;
    // Weighted toward green, as the eye is.
    return 3 * dr * dr + 4 * dg * dg + 2 * db * db;
}

struct Box {
    std::vector<Colour8> colours;

    int widestChannel() const {
        int best = 0;
        int bestRange = -1;
        for (int which = 0; which < 3; ++which) {
            auto [low, high] =
                std::minmax_element(colours.begin(), colours.end(), [which](Colour8 a, Colour8 b) {
                    return channel(a, which) < channel(b, which);
                });
            int range = channel(*high, which) - channel(*low, which);
            if (range > bestRange) {
                bestRange = range;
                best = which;
            }
        }
        return best;
    }
    int range() const {
        int which = widestChannel();
        auto [low, high] =
            std::minmax_element(colours.begin(), colours.end(), [which](Colour8 a, Colour8 b) {
                return channel(a, which) < channel(b, which);
            });
        return channel(*high, which) - channel(*low, which);
    }
    Colour8 average() const {
        long sum[3] = {0, 0, 0};
        for (Colour8 colour : colours)
            for (int which = 0; which < 3; ++which)
                sum[which] += channel(colour, which);
        long count = static_cast<long>(colours.size());
        return {static_cast<std::uint8_t>((sum[0] + count / 2) / count),
                static_cast<std::uint8_t>((sum[1] + count / 2) / count),
                static_cast<std::uint8_t>((sum[2] + count / 2) / count)};
    }
};

} // namespace

PaletteQuantizer::PaletteQuantizer(const std::vector<Colour8>& pixels) {
    medianCut(pixels);
    refine(pixels);
}

void PaletteQuantizer::medianCut(const std::vector<Colour8>& pixels) {
    std::vector<Box> boxes{{pixels}};
    while (static_cast<int>(boxes.size()) < paletteSize) {
        // Split the box whose colours spread widest, weighted by how many pixels it covers.
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) {
            return static_cast<long>(a.range()) * static_cast<long>(a.colours.size()) <
                   static_cast<long>(b.range()) * static_cast<long>(b.colours.size());
        });
        if (widest->colours.size() < 2 || widest->range() == 0)
            break;
        int which = widest->widestChannel();
        std::vector<Colour8>& colours = widest->colours;
        auto middle = colours.begin() + static_cast<long>(colours.size() / 2);
        std::nth_element(colours.begin(), middle, colours.end(), [which](Colour8 a, Colour8 b) {
            return channel(a, which) < channel(b, which);
        });
        Box upper{{middle, colours.end()}};
        colours.erase(middle, colours.end());
        boxes.push_back(std::move(upper));
    }
    for (std::size_t i = 0; i < boxes.size(); ++i)
        m_palette[i] = boxes[i].average();
}

void PaletteQuantizer::refine(const std::vector<Colour8>& pixels) {
    for (int round = 0; round < 8; ++round) {
        std::array<std::array<long, 4>, paletteSize> sums{};
        for (Colour8 pixel : pixels) {
            std::array<long, 4>& sum = sums[nearestIndex(pixel)];
            sum[0] += pixel.r;
            sum[1] += pixel.g;
            sum[2] += pixel.b;
            ++sum[3];
        }
        for (int i = 0; i < paletteSize; ++i) {
            long count = sums[i][3];
            if (count == 0)
                continue;
            m_palette[i] = {static_cast<std::uint8_t>((sums[i][0] + count / 2) / count),
                            static_cast<std::uint8_t>((sums[i][1] + count / 2) / count),
                            static_cast<std::uint8_t>((sums[i][2] + count / 2) / count)};
        }
    }
}

std::uint8_t PaletteQuantizer::nearestIndex(Colour8 colour) const {
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < paletteSize; ++i) {
        int distance = distanceSquared(colour, m_palette[i]);
        if (distance < bestDistance) {
            bestDistance = distance;
            best = i;
        }
    }
    return static_cast<std::uint8_t>(best);
}
