// Draws the PLOVRIN logo and writes it as an 8-bit DIB with its own 256-colour table.
// Usage: plovrin-logo <output.dib>

#include "DibWriter.h"
#include "LogoScene.h"
#include "PaletteQuantizer.h"

#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int samplesPerAxis = 4;

std::uint8_t toByte(double value) {
    // Channels are mixed in a gamma-like space already; round and clamp only.
    return static_cast<std::uint8_t>(std::lround(std::clamp(value, 0.0, 1.0) * 255));
}

std::vector<Colour8> render(const LogoScene& scene) {
    std::vector<Colour8> pixels;
    pixels.reserve(LogoScene::width * LogoScene::height);
    for (int y = 0; y < LogoScene::height; ++y) {
        for (int x = 0; x < LogoScene::width; ++x) {
            Rgb sum;
            for (int sy = 0; sy < samplesPerAxis; ++sy)
                for (int sx = 0; sx < samplesPerAxis; ++sx)
                    sum += scene.colourAt(x + (sx + 0.5) / samplesPerAxis,
                                          y + (sy + 0.5) / samplesPerAxis);
            Rgb average = sum * (1.0 / (samplesPerAxis * samplesPerAxis));
            pixels.push_back({toByte(average.r), toByte(average.g), toByte(average.b)});
        }
    }
    return pixels;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <output.dib>\n", argv[0]);
        return 2;
    }
    std::vector<Colour8> pixels = render(LogoScene());
    PaletteQuantizer quantizer(pixels);
    std::vector<std::uint8_t> indices;
    indices.reserve(pixels.size());
    for (Colour8 pixel : pixels)
        indices.push_back(quantizer.nearestIndex(pixel));
    std::vector<std::uint8_t> dib =
        DibWriter::encode(LogoScene::width, LogoScene::height, quantizer.palette(), indices);
    if (!DibWriter::write(argv[1], dib)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
