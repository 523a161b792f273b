#pragma once

#include <string>
#include <vector>

// Finds the later volumes of a volume set by name, the way the common RAR tools number them:
// "name.part1.rar", "name.part01.rar" ... with any number of digits, or the old style
// "name.rar", "name.r00" ... "name.r99", "name.s00" ...
class VolumeNameFinder {
public:
    // The name the volume after `volume` has; empty when the numbering has run out.
    static std::string nextVolumeName(const std::string& volume, bool newNumbering);

    // The volumes after `firstVolume` that exist, in order, up to the first one missing.
    static std::vector<std::string> laterVolumes(const std::string& firstVolume, bool newNumbering);

private:
    static std::string nextPartName(const std::string& volume);
    static std::string nextOldStyleName(const std::string& volume);
};
