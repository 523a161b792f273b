#include "LogoScene.h"

#include <array>
#include <cmath>
#include <numbers>

namespace {

constexpr double emblemX = 75;
constexpr double emblemY = 90;
constexpr double boxEdge = 33;
constexpr double haloRadius = 55;

constexpr double nameStroke = 3.4;
constexpr double nameTracking = 2.6;
constexpr double nameWidth = 132;
constexpr double subtitleTop = 214;
constexpr double subtitleHeight = 8;
constexpr double subtitleStroke = 1.25;
constexpr double subtitleTracking = 3.2;
constexpr double ruleY = 205.5;
constexpr double horizonY = 236;

const double cos30 = std::sqrt(3.0) / 2;

double smoothstep(double edge0, double edge1, double value) {
    double t = std::clamp((value - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3 - 2 * t);
}

struct Vertex {
    double x, y;
};

bool insideConvex(const std::array<Vertex, 4>& quad, double x, double y) {
    for (std::size_t i = 0; i < quad.size(); ++i) {
        const Vertex& a = quad[i];
        const Vertex& b = quad[(i + 1) % quad.size()];
        if ((b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x) < 0)
            return false;
    }
    return true;
}

double lineDistance(Vertex a, Vertex b, double x, double y) {
    return StrokeFont::distance({{a.x, a.y, b.x, b.y}}, x, y);
}

// A fixed hash, so the stars fall in the same places at every run.
double hash(int x, int y) {
    unsigned n = static_cast<unsigned>(x) * 374761393u + static_cast<unsigned>(y) * 668265263u;
    n = (n ^ (n >> 13)) * 1274126177u;
    return ((n ^ (n >> 16)) & 0xFFFF) / 65535.0;
}

} // namespace

LogoScene::LogoScene() {
    // The width grows linearly with the cap height: solve for the height that fills the line.
    double fixed = StrokeFont::width("PLOVRIN", 0, nameStroke, nameTracking);
    m_nameHeight = (nameWidth - fixed) / StrokeFont::width("PLOVRIN", 1, 0, 0);
    m_nameTop = 170;
    double left =
        (width - StrokeFont::width("PLOVRIN", m_nameHeight, nameStroke, nameTracking)) / 2;
    m_name = StrokeFont::layout("PLOVRIN", left, m_nameTop, m_nameHeight, nameStroke, nameTracking);
    double subtitleLeft =
        (width - StrokeFont::width("INSTALLER", subtitleHeight, subtitleStroke, subtitleTracking)) /
        2;
    m_subtitle = StrokeFont::layout("INSTALLER", subtitleLeft, subtitleTop, subtitleHeight,
                                    subtitleStroke, subtitleTracking);
}

Rgb LogoScene::colourAt(double x, double y) const {
    Rgb colour = background(x, y);
    colour = floorGrid(colour, x, y);
    colour = halo(colour, x, y);
    colour = box(colour, x, y);
    return lettering(colour, x, y);
}

Rgb LogoScene::background(double x, double y) const {
    double t = y / height;
    Rgb top = Rgb::fromHex(0x060a24);
    Rgb middle = Rgb::fromHex(0x141a52);
    Rgb bottom = Rgb::fromHex(0x05122a);
    Rgb colour = t < 0.45 ? mix(top, middle, t / 0.45) : mix(middle, bottom, (t - 0.45) / 0.55);

    double glow = std::exp(-std::pow(std::hypot(x - emblemX, (y - emblemY) * 0.9) / 62, 2));
    colour = screen(colour, Rgb::fromHex(0x2a5bd0) * (0.55 * glow));

    // Faint rays from behind the emblem.
    double angle = std::atan2(y - emblemY, x - emblemX);
    double rays = std::pow(0.5 + 0.5 * std::cos(angle * 12), 6);
    double rayFade = smoothstep(120, 30, std::hypot(x - emblemX, y - emblemY));
    colour = screen(colour, Rgb::fromHex(0x3f6fe0) * (0.10 * rays * rayFade));

    int cellX = static_cast<int>(std::floor(x / 6));
    int cellY = static_cast<int>(std::floor(y / 6));
    double brightness = hash(cellX, cellY);
    if (brightness > 0.93 && y < horizonY - 10) {
        double starX = cellX * 6 + 1 + 4 * hash(cellY, cellX);
        double starY = cellY * 6 + 1 + 4 * hash(cellX + 7, cellY + 3);
        double twinkle = smoothstep(0.9, 0.0, std::hypot(x - starX, y - starY));
        colour = screen(colour, Rgb::fromHex(0xbcd4ff) * (twinkle * (brightness - 0.9) * 8));
    }

    double vignette = smoothstep(
        0.2, 1.15, std::hypot((x - width / 2.0) / width, (y - height / 2.0) / height) * 1.6);
    return colour * (1 - 0.45 * vignette);
}

Rgb LogoScene::floorGrid(const Rgb& base, double x, double y) const {
    if (y < horizonY)
        return base;
    double depth = y - horizonY + 4;
    Rgb line = Rgb::fromHex(0x38c8f0);
    double fade = smoothstep(horizonY, horizonY + 30, y) * 0.75 + 0.25;
    double edgeFade = smoothstep(0, 20, x) * smoothstep(width, width - 20, x);

    // Lines running away from the viewer meet at a point above the horizon.
    double spread = (x - width / 2.0) / depth * 18;
    double nearestColumn = std::round(spread / 8) * 8;
    double columnDistance = std::abs(spread - nearestColumn) * depth / 18;

    // Cross lines get closer together toward the horizon.
    double row = std::log(depth) * 3.2;
    double rowDistance = std::abs(row - std::round(row)) / 3.2 * depth;

    double coverage =
        std::max(smoothstep(0.9, 0.2, columnDistance), smoothstep(0.9, 0.2, rowDistance));
    Rgb colour = screen(base, line * (0.55 * coverage * fade * edgeFade));
    double horizonGlow = std::exp(-std::pow((y - horizonY) / 2.5, 2)) * edgeFade;
    return screen(colour, Rgb::fromHex(0x7fe6ff) * (0.6 * horizonGlow));
}

Rgb LogoScene::halo(const Rgb& base, double x, double y) const {
    double radius = std::hypot(x - emblemX, y - emblemY);
    double ring = std::abs(radius - haloRadius);
    double angle = std::atan2(y - emblemY, x - emblemX);
    // The ring turns from cyan at the top to violet at the bottom.
    Rgb tint = mix(Rgb::fromHex(0x5ef0ff), Rgb::fromHex(0x9a6bff), 0.5 + 0.5 * std::sin(angle));
    double core = smoothstep(1.4, 0.5, ring);
    double glow = std::exp(-std::pow(ring / 5, 2)) * 0.35;
    Rgb colour = screen(base, tint * (core + glow));
    double inner = std::abs(radius - (haloRadius - 7));
    return screen(colour, tint * (0.25 * smoothstep(0.8, 0.2, inner)));
}

Rgb LogoScene::box(const Rgb& base, double x, double y) const {
    const Vertex top{emblemX, emblemY - boxEdge};
    const Vertex upperLeft{emblemX - boxEdge * cos30, emblemY - boxEdge / 2};
    const Vertex upperRight{emblemX + boxEdge * cos30, emblemY - boxEdge / 2};
    const Vertex centre{emblemX, emblemY};
    const Vertex lowerLeft{emblemX - boxEdge * cos30, emblemY + boxEdge / 2};
    const Vertex lowerRight{emblemX + boxEdge * cos30, emblemY + boxEdge / 2};
    const Vertex bottom{emblemX, emblemY + boxEdge};

    // A soft shadow under the box.
    double shadow = std::exp(-std::pow(std::hypot((x - emblemX) / 34, (y - bottom.y - 6) / 6), 2));
    Rgb colour = base * (1 - 0.5 * shadow);

    double across = (x - upperLeft.x) / (upperRight.x - upperLeft.x);
    if (insideConvex({top, upperRight, centre, upperLeft}, x, y)) {
        double down = (y - top.y) / boxEdge;
        colour = mix(Rgb::fromHex(0xfff1b8), Rgb::fromHex(0xf2b33d), 0.6 * down + 0.4 * across);
    } else if (insideConvex({upperLeft, centre, bottom, lowerLeft}, x, y)) {
        double down = (y - upperLeft.y) / (2 * boxEdge);
        colour = mix(Rgb::fromHex(0xe89a2c), Rgb::fromHex(0x9c5212), down + 0.3 * across);
    } else if (insideConvex({centre, upperRight, lowerRight, bottom}, x, y)) {
        double down = (y - upperRight.y) / (2 * boxEdge);
        colour = mix(Rgb::fromHex(0x8a3f10), Rgb::fromHex(0x4a1c08), down + 0.4 * (across - 0.5));
    }

    // Bright edges where the faces meet, brightest at the front corner.
    double edge =
        std::min({lineDistance(upperLeft, centre, x, y), lineDistance(centre, upperRight, x, y),
                  lineDistance(centre, bottom, x, y)});
    double outline = std::min(
        {lineDistance(top, upperRight, x, y), lineDistance(top, upperLeft, x, y),
         lineDistance(upperLeft, lowerLeft, x, y), lineDistance(lowerLeft, bottom, x, y),
         lineDistance(bottom, lowerRight, x, y), lineDistance(lowerRight, upperRight, x, y)});
    double nearCentre = smoothstep(boxEdge, 0, std::hypot(x - centre.x, y - centre.y));
    colour = screen(colour, Rgb::fromHex(0xfff4d0) *
                                (smoothstep(0.9, 0.3, edge) * (0.35 + 0.6 * nearCentre)));
    return screen(colour, Rgb::fromHex(0xffd27a) * (0.55 * smoothstep(0.8, 0.2, outline)));
}

Rgb LogoScene::lettering(const Rgb& base, double x, double y) const {
    Rgb colour = base;
    if (y > m_nameTop - 8 && y < m_nameTop + m_nameHeight + 8) {
        double distance = StrokeFont::distance(m_name, x, y);
        double glow = std::exp(-std::pow(distance / 4.5, 2)) * 0.35;
        colour = screen(colour, Rgb::fromHex(0x3d7dff) * glow);
        double down = (y - m_nameTop) / m_nameHeight;
        Rgb ink = mix(Rgb::fromHex(0xffffff), Rgb::fromHex(0xa9c8ff), down);
        colour = mix(colour, ink, distance < nameStroke / 2 ? 1 : 0);
    }

    double fromCentre = std::abs(x - width / 2.0);
    double rule = smoothstep(0.7, 0.2, std::abs(y - ruleY)) * smoothstep(52, 10, fromCentre);
    colour = screen(colour, Rgb::fromHex(0xf2c063) * (0.9 * rule));

    if (y > subtitleTop - 2 && y < subtitleTop + subtitleHeight + 2) {
        double distance = StrokeFont::distance(m_subtitle, x, y);
        colour = mix(colour, Rgb::fromHex(0xf4cf7f), distance < subtitleStroke / 2 ? 1 : 0);
    }
    return colour;
}
