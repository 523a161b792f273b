#pragma once

// A colour with linear float channels in 0..1, used while the logo is drawn and averaged.

#include <algorithm>

struct Rgb {
    double r = 0;
    double g = 0;
    double b = 0;

    Rgb operator+(const Rgb& other) const { return {r + other.r, g + other.g, b + other.b}; }
    Rgb operator-(const Rgb& other) const { return {r - other.r, g - other.g, b - other.b}; }
    Rgb operator*(double factor) const { return {r * factor, g * factor, b * factor}; }
    Rgb& operator+=(const Rgb& other) { return *this = *this + other; }

    static Rgb fromHex(unsigned hex) {
        return {((hex >> 16) & 0xFF) / 255.0, ((hex >> 8) & 0xFF) / 255.0, (hex & 0xFF) / 255.0};
    }
};

inline Rgb mix(const Rgb& from, const Rgb& to, double amount) {
    amount = std::clamp(amount, 0.0, 1.0);
    return from + (to - from) * amount;
}

// Adds light: the result never exceeds white.
inline Rgb screen(const Rgb& base, const Rgb& light) {
    return {1 - (1 - base.r) * (1 - light.r), 1 - (1 - base.g) * (1 - light.g),
            1 - (1 - base.b) * (1 - light.b)};
}
