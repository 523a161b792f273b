#pragma once

// An initialisation file read the way the platform's profile reader reads one: section and key
// names match without regard to case, keys and values are trimmed, one pair of quotes around a
// value is removed, lines end in CRLF or LF, and a UTF-8 or UTF-16 byte-order mark is honoured.

#include <optional>
#include <string>
#include <string_view>

class IniFile {
public:
    // An unreadable or missing file reads as an empty one.
    static IniFile Load(const std::string& path);
    static IniFile FromBytes(std::string_view bytes);

    // The first value of key in the first section of that name.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;

private:
    explicit IniFile(std::string text) : m_text(std::move(text)) {}

    std::string m_text; // UTF-8
};
