#pragma once

// The release logo, bitmap resource 137: a packed 8-bit DIB (header, 256-entry colour table,
// pixels) drawn by tools/logo.

#include <cstddef>

constexpr unsigned logoBitmapId = 137;
constexpr std::size_t logoBitmapSize = 43016;

extern const unsigned char logoBitmap[logoBitmapSize];
