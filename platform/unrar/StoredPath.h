#pragma once

#include <string>
#include <vector>

// Checks the paths an archive stores before anything is created: both "/" and "\" separate
// components, and nothing may lead outside the destination folder.
class StoredPath {
public:
    // The components of `path`, or false when it is absolute, names a drive, climbs with ".."
    // or is empty.
    static bool split(const std::string& path, std::vector<std::string>& components);

    // Whether a symbolic link at `linkComponents` whose target is `target` points at a place
    // inside the destination.
    static bool linkStaysInside(const std::vector<std::string>& linkComponents,
                                const std::string& target);

private:
    static bool isRooted(const std::string& path);
};
