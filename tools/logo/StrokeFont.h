#pragma once

// A small geometric sans-serif drawn as round-capped strokes, enough for the logo's words.

#include <string_view>
#include <vector>

struct Segment {
    double x0, y0, x1, y1;
};

class StrokeFont {
public:
    // Lays out upper-case text with its cap height `height` and its top-left corner at (left,
    // top); `tracking` is the extra room between letters.
    static std::vector<Segment> layout(std::string_view text, double left, double top,
                                       double height, double strokeWidth, double tracking);
    // The width that layout() covers, stroke ends included.
    static double width(std::string_view text, double height, double strokeWidth, double tracking);
    // Distance from (x, y) to the nearest stroke centre line.
    static double distance(const std::vector<Segment>& strokes, double x, double y);
};
