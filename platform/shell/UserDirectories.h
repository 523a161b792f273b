#pragma once

// The user's own folders, as the desktop finds them: the home folder from HOME, the desktop
// folder from the XDG user directories (XDG_CONFIG_HOME/user-dirs.dirs, else ~/Desktop).

#include <optional>
#include <string>

class UserDirectories {
public:
    static std::string Home();
    // The desktop folder when it exists. A desktop set to the home folder itself means that the
    // user has none.
    static std::optional<std::string> Desktop();
};
