#include "VolumeNameFinder.h"

#include <cctype>
#include <sys/stat.h>

namespace {

bool isRegularFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

bool equalsIgnoringCase(const std::string& text, std::size_t at, const char* word) {
    for (std::size_t i = 0; word[i] != '\0'; ++i) {
        if (at + i >= text.size() ||
            std::tolower(static_cast<unsigned char>(text[at + i])) != word[i]) {
            return false;
        }
    }
    return true;
}

// Adds one to the decimal number text[begin, end), growing it when every digit was 9.
std::string incremented(std::string text, std::size_t begin, std::size_t end) {
    for (std::size_t i = end; i > begin; --i) {
        if (text[i - 1] != '9') {
            ++text[i - 1];
            return text;
        }
        text[i - 1] = '0';
    }
    text.insert(begin, 1, '1');
    return text;
}

} // namespace

std::string VolumeNameFinder::nextVolumeName(const std::string& volume, bool newNumbering) {
    if (newNumbering) {
        std::string next = nextPartName(volume);
        if (!next.empty()) {
            return next;
        }
    }
    return nextOldStyleName(volume);
}

std::vector<std::string> VolumeNameFinder::laterVolumes(const std::string& firstVolume,
                                                        bool newNumbering) {
    std::vector<std::string> volumes;
    std::string current = firstVolume;
    for (;;) {
        std::string next = nextVolumeName(current, newNumbering);
        if (next.empty() || !isRegularFile(next)) {
            return volumes;
        }
        volumes.push_back(next);
        current = next;
    }
}

std::string VolumeNameFinder::nextPartName(const std::string& volume) {
    const std::size_t slash = volume.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    const std::size_t extension = volume.rfind('.');
    if (extension == std::string::npos || extension < nameStart) {
        return {};
    }
    std::size_t digitsBegin = extension;
    while (digitsBegin > nameStart &&
           std::isdigit(static_cast<unsigned char>(volume[digitsBegin - 1]))) {
        --digitsBegin;
    }
    if (digitsBegin == extension || digitsBegin < nameStart + 5 ||
        !equalsIgnoringCase(volume, digitsBegin - 5, ".part")) {
        return {};
    }
    // A self-extracting first volume "name.part1.exe" continues as "name.part2.rar".
    return incremented(volume.substr(0, extension), digitsBegin, extension) + ".rar";
}

std::string VolumeNameFinder::nextOldStyleName(const std::string& volume) {
    const std::size_t slash = volume.rfind('/');
    const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
    std::size_t dot = volume.rfind('.');
    if (dot == std::string::npos || dot < nameStart) {
        return volume + ".r00";
    }
    std::string extension = volume.substr(dot + 1);
    const bool numbered = extension.size() == 3 &&
                          std::isalpha(static_cast<unsigned char>(extension[0])) &&
                          std::isdigit(static_cast<unsigned char>(extension[1])) &&
                          std::isdigit(static_cast<unsigned char>(extension[2]));
    if (!numbered) {
        const bool upper =
            !extension.empty() && std::isupper(static_cast<unsigned char>(extension[0]));
        return volume.substr(0, dot + 1) + (upper ? "R00" : "r00");
    }
    if (extension[1] == '9' && extension[2] == '9') {
        const char letter = extension[0];
        if (letter == 'z' || letter == 'Z') {
            return {};
        }
        extension = std::string(1, static_cast<char>(letter + 1)) + "00";
    } else {
        extension = incremented(extension, 1, 3);
    }
    return volume.substr(0, dot + 1) + extension;
}
