#include "StoredPath.h"

#include <cctype>

namespace {

std::vector<std::string> componentsOf(const std::string& path) {
    std::vector<std::string> parts;
    std::string part;
    for (const char c : path) {
        if (c == '/' || c == '\\') {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

} // namespace

bool StoredPath::isRooted(const std::string& path) {
    if (!path.empty() && (path[0] == '/' || path[0] == '\\')) {
        return true;
    }
    return path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':';
}

bool StoredPath::split(const std::string& path, std::vector<std::string>& components) {
    components.clear();
    if (isRooted(path) || path.find('\0') != std::string::npos) {
        return false;
    }
    for (auto& part : componentsOf(path)) {
        if (part == "..") {
            return false;
        }
        if (!part.empty() && part != ".") {
            components.push_back(std::move(part));
        }
    }
    return !components.empty();
}

bool StoredPath::linkStaysInside(const std::vector<std::string>& linkComponents,
                                 const std::string& target) {
    if (target.empty() || isRooted(target) || linkComponents.empty()) {
        return false;
    }
    // A name may itself be a link made by the archive, so ".." after a name could climb from
    // wherever that link leads: only leading ".." components are counted, and never past the top.
    std::size_t depth = linkComponents.size() - 1;
    bool descended = false;
    for (const auto& part : componentsOf(target)) {
        if (part == "..") {
            if (depth == 0 || descended) {
                return false;
            }
            --depth;
        } else if (!part.empty() && part != ".") {
            ++depth;
            descended = true;
        }
    }
    return true;
}
