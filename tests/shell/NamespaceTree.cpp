#include "NamespaceTree.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <unistd.h>

NamespaceTree::NamespaceTree() {
    // Readable by others, so a test can look at it without privileges.
    std::filesystem::permissions(m_root.path(), std::filesystem::perms::all &
                                                    ~std::filesystem::perms::others_write &
                                                    ~std::filesystem::perms::group_write);
    m_home = m_root / "home";
    std::filesystem::create_directories(m_home + "/.config");
    m_savedHome = std::getenv("HOME") ? std::getenv("HOME") : "";
    if (const char* configHome = std::getenv("XDG_CONFIG_HOME")) {
        m_hadConfigHome = true;
        m_savedConfigHome = configHome;
    }
    setenv("HOME", m_home.c_str(), 1);
    setenv("XDG_CONFIG_HOME", (m_home + "/.config").c_str(), 1);
}

NamespaceTree::~NamespaceTree() {
    setenv("HOME", m_savedHome.c_str(), 1);
    if (m_hadConfigHome) {
        setenv("XDG_CONFIG_HOME", m_savedConfigHome.c_str(), 1);
    } else {
        unsetenv("XDG_CONFIG_HOME");
    }
}

void NamespaceTree::MakeFolder(const std::string& relative) const {
    std::filesystem::create_directories(Path(relative));
}

void NamespaceTree::MakeFile(const std::string& relative) const {
    std::ofstream(Path(relative)) << "text\n";
}

void NamespaceTree::MakeLink(const std::string& relative, const std::string& target) const {
    std::filesystem::create_symlink(target, Path(relative));
}

void NamespaceTree::SetDesktopEntry(const std::string& value) const {
    std::ofstream(m_home + "/.config/user-dirs.dirs")
        << "# written by the test\nXDG_DESKTOP_DIR=\"" << value << "\"\n";
}
