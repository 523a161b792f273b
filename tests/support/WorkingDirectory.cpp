#include "WorkingDirectory.h"

#include <fstream>
#include <stdexcept>
#include <stdlib.h>

WorkingDirectory::WorkingDirectory() : m_previous(std::filesystem::current_path()) {
    std::string pattern = (std::filesystem::temp_directory_path() / "plovrin-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) {
        throw std::runtime_error("cannot create a temporary folder");
    }
    m_path = pattern;
    std::filesystem::current_path(m_path);
}

WorkingDirectory::~WorkingDirectory() {
    std::filesystem::current_path(m_previous);
    std::error_code ignored;
    std::filesystem::permissions(m_path, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(m_path, ignored);
}

void WorkingDirectory::Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = m_path / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}
