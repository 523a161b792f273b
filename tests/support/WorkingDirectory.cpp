#include "WorkingDirectory.h"

#include <fstream>

WorkingDirectory::WorkingDirectory() : m_previous(std::filesystem::current_path()) {
    std::filesystem::current_path(m_folder.path());
}

WorkingDirectory::~WorkingDirectory() {
    std::filesystem::current_path(m_previous);
}

void WorkingDirectory::Write(const std::string& name, const std::string& bytes) const {
    std::filesystem::path file = m_folder.path() / name;
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << bytes;
}
