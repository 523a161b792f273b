#include "PrivateProfile.h"

#include "IniFile.h"
#include "Utf8Text.h"

#include <algorithm>
#include <cstring>
#include <string>

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
    std::size_t length = Utf8PrefixLength(text, size - 1);
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
    return static_cast<DWORD>(length);
}
