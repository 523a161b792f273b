#include "TemporaryFolder.h"

#include <cstdlib>
#include <stdexcept>

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "plovrin-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    namespace fs = std::filesystem;
    std::error_code error;
    // Tests make folders read-only or unreadable; give them back before removing. A folder is
    // opened again before it is entered, so its contents are reached too.
    fs::permissions(m_path, fs::perms::owner_all, fs::perm_options::add, error);
    for (auto it = fs::recursive_directory_iterator(m_path, error);
         it != fs::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error)) {
            fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, error);
        }
    }
    fs::remove_all(m_path, error);
}
