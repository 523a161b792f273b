#include "StrokeFont.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace {

struct Point {
    double x, y;
};
using Polyline = std::vector<Point>;

struct Glyph {
    double width; // in cap heights, between the stroke centre lines
    std::vector<Polyline> strokes;
};

// An elliptic arc from angle `from` to `to` in degrees; y grows downward, 0 points right.
Polyline arc(double cx, double cy, double rx, double ry, double from, double to) {
    constexpr int steps = 32;
    Polyline points;
    for (int i = 0; i <= steps; ++i) {
        double angle = (from + (to - from) * i / steps) * std::numbers::pi / 180;
        points.push_back({cx + rx * std::cos(angle), cy + ry * std::sin(angle)});
    }
    return points;
}

Polyline join(Polyline first, const Polyline& second) {
    first.insert(first.end(), second.begin(), second.end());
    return first;
}

Polyline bowl(double stemX, double width) {
    double radius = 0.26;
    return join(join({{stemX, 0}}, arc(width - radius, radius, radius, radius, -90, 90)),
                {{stemX, 2 * radius}});
}

const Glyph* glyphFor(char letter) {
    static const Glyph p{0.58, {{{0, 1}, {0, 0}}, bowl(0, 0.58)}};
    static const Glyph r{0.60, {{{0, 1}, {0, 0}}, bowl(0, 0.58), {{0.30, 0.52}, {0.60, 1}}}};
    static const Glyph l{0.50, {{{0, 0}, {0, 1}, {0.50, 1}}}};
    static const Glyph o{0.90, {arc(0.45, 0.5, 0.45, 0.5, 0, 360)}};
    static const Glyph v{0.72, {{{0, 0}, {0.36, 1}, {0.72, 0}}}};
    static const Glyph i{0, {{{0, 0}, {0, 1}}}};
    static const Glyph n{0.66, {{{0, 1}, {0, 0}, {0.66, 1}, {0.66, 0}}}};
    static const Glyph s{
        0.56,
        {join(arc(0.28, 0.25, 0.28, 0.25, -30, -270), arc(0.28, 0.75, 0.28, 0.25, -90, 150))}};
    static const Glyph t{0.60, {{{0, 0}, {0.60, 0}}, {{0.30, 0}, {0.30, 1}}}};
    static const Glyph a{0.72, {{{0, 1}, {0.36, 0}, {0.72, 1}}, {{0.13, 0.66}, {0.59, 0.66}}}};
    static const Glyph e{0.50, {{{0.50, 0}, {0, 0}, {0, 1}, {0.50, 1}}, {{0, 0.5}, {0.44, 0.5}}}};
    switch (letter) {
    case 'P':
        return &p;
    case 'R':
        return &r;
    case 'L':
        return &l;
    case 'O':
        return &o;
    case 'V':
        return &v;
    case 'I':
        return &i;
    case 'N':
        return &n;
    case 'S':
        return &s;
    case 'T':
        return &t;
    case 'A':
        return &a;
    case 'E':
        return &e;
    default:
        return nullptr;
    }
}

double segmentDistance(const Segment& s, double x, double y) {
    double dx = s.x1 - s.x0;
    double dy = s.y1 - s.y0;
    double lengthSquared = dx * dx + dy * dy;
    double along = lengthSquared > 0 ? ((x - s.x0) * dx + (y - s.y0) * dy) / lengthSquared : 0;
    along = std::clamp(along, 0.0, 1.0);
    return std::hypot(x - (s.x0 + along * dx), y - (s.y0 + along * dy));
}

} // namespace

double StrokeFont::width(std::string_view text, double height, double strokeWidth,
                         double tracking) {
    double total = strokeWidth;
    bool first = true;
    for (char letter : text) {
        const Glyph* glyph = glyphFor(letter);
        if (!glyph)
            continue;
        if (!first)
            total += strokeWidth + tracking;
        total += glyph->width * height;
        first = false;
    }
    return total;
}

std::vector<Segment> StrokeFont::layout(std::string_view text, double left, double top,
                                        double height, double strokeWidth, double tracking) {
    std::vector<Segment> segments;
    double x = left + strokeWidth / 2;
    // Strokes are centred on the glyph outline, so the caps stay inside the cap height.
    double inset = strokeWidth / 2;
    double scale = height - strokeWidth;
    for (char letter : text) {
        const Glyph* glyph = glyphFor(letter);
        if (!glyph)
            continue;
        for (const Polyline& stroke : glyph->strokes) {
            for (std::size_t k = 1; k < stroke.size(); ++k) {
                segments.push_back({x + stroke[k - 1].x * height,
                                    top + inset + stroke[k - 1].y * scale, x + stroke[k].x * height,
                                    top + inset + stroke[k].y * scale});
            }
        }
        x += glyph->width * height + strokeWidth + tracking;
    }
    return segments;
}

double StrokeFont::distance(const std::vector<Segment>& strokes, double x, double y) {
    double nearest = std::numeric_limits<double>::infinity();
    for (const Segment& segment : strokes)
        nearest = std::min(nearest, segmentDistance(segment, x, y));
    return nearest;
}
