#include "PrivateProfile.h"

#include "IniFile.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {
// The longest prefix of text that fits in limit bytes without splitting a UTF-8 character.
std::size_t Utf8Prefix(const std::string& text, std::size_t limit) {
    if (text.size() <= limit) {
        return text.size();
    }
    std::size_t cut = limit;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) {
        --cut;
    }
    return cut;
}
} // namespace

DWORD GetPrivateProfileStringA(LPCSTR section, LPCSTR key, LPCSTR defaultValue, LPSTR buffer,
                               DWORD size, LPCSTR fileName) {
    if (!buffer || size == 0) {
        return 0;
    }
    std::optional<std::string> value;
    if (section && key && fileName) {
        value = IniFile::Load(fileName).Value(section, key);
    }
    std::string text = value ? *value : std::string(defaultValue ? defaultValue : "");
    std::size_t length = Utf8Prefix(text, size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}
