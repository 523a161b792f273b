#pragma once

// The PLOVRIN logo as a picture that can be sampled at any point: a deep night-blue field,
// a golden isometric box in a cyan halo, the word PLOVRIN and a light grid floor.

#include "Rgb.h"
#include "StrokeFont.h"

#include <vector>

class LogoScene {
public:
    static constexpr int width = 150;
    static constexpr int height = 276;

    LogoScene();
    // The colour at (x, y) in pixel units, y growing downward.
    Rgb colourAt(double x, double y) const;

private:
    Rgb background(double x, double y) const;
    Rgb halo(const Rgb& base, double x, double y) const;
    Rgb box(const Rgb& base, double x, double y) const;
    Rgb floorGrid(const Rgb& base, double x, double y) const;
    Rgb lettering(const Rgb& base, double x, double y) const;

    std::vector<Segment> m_name;
    std::vector<Segment> m_subtitle;
    double m_nameTop = 0;
    double m_nameHeight = 0;
};
