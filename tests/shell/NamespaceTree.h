#pragma once

// A home folder in a temporary directory, with HOME and XDG_CONFIG_HOME pointing into it, so the
// desktop namespace shows it as the user's own. Restores the environment when it goes.

#include "TemporaryFolder.h"

#include <string>

class NamespaceTree {
public:
    NamespaceTree();
    ~NamespaceTree();
    NamespaceTree(const NamespaceTree&) = delete;
    NamespaceTree& operator=(const NamespaceTree&) = delete;

    const std::string& Home() const { return m_home; }
    std::string Path(const std::string& relative) const { return m_home + "/" + relative; }

    void MakeFolder(const std::string& relative) const;
    void MakeFile(const std::string& relative) const;
    void MakeLink(const std::string& relative, const std::string& target) const;
    // Writes the XDG user-directories file with this desktop line value.
    void SetDesktopEntry(const std::string& value) const;

private:
    TemporaryFolder m_root;
    std::string m_home;
    std::string m_savedHome;
    std::string m_savedConfigHome;
    bool m_hadConfigHome = false;
};
