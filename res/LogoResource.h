#pragma once

// The release logo, bitmap resource 137: a packed 8-bit DIB (header, 256-entry colour table,
// pixels) drawn by tools/logo.

#include <span>

std::span<const unsigned char> LogoBitmap();
