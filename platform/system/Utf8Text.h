#pragma once

// Cutting UTF-8 text to a byte limit without splitting a character.

#include <cstddef>
#include <string_view>

// The length of the longest prefix of text that fits in limit bytes and ends on a character
// boundary.
std::size_t Utf8PrefixLength(std::string_view text, std::size_t limit);
