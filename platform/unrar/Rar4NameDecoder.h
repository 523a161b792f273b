#pragma once

#include <string>

// Turns the name field of a RAR 2.9/3.x file header into UTF-8: the compact Unicode encoding
// that follows a NUL byte in names flagged as Unicode, a plain UTF-8 name, or legacy bytes.
class Rar4NameDecoder {
public:
    static std::string decode(const std::string& field, bool unicodeFlag);

private:
    static std::u16string decodeCompact(const std::string& ascii, const std::string& encoded);
    static std::string legacyToUtf8(const std::string& bytes);
};
