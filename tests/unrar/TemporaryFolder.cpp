#include "TemporaryFolder.h"

#include <cstdlib>
#include <stdexcept>

TemporaryFolder::TemporaryFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "unrar-test-XXXXXX").string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::runtime_error("mkdtemp failed");
    }
    m_path = pattern;
}

TemporaryFolder::~TemporaryFolder() {
    std::error_code error;
    // Tests make folders read-only; give them back before removing.
    for (auto it = std::filesystem::recursive_directory_iterator(m_path, error);
         it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        if (it->is_directory(error) && !it->is_symlink(error)) {
            std::filesystem::permissions(it->path(), std::filesystem::perms::owner_all,
                                         std::filesystem::perm_options::add, error);
        }
    }
    std::filesystem::remove_all(m_path, error);
}
