#pragma once

#include <cstddef>
#include <string>

// The few UTF-8 operations the header records need.
class Utf8 {
public:
    static bool isValid(const std::string& text);
    static void append(std::string& out, char32_t codePoint);
};
