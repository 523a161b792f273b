#pragma once

// A fresh temporary folder that is the process's working directory for one test.

#include "TemporaryFolder.h"

#include <filesystem>
#include <string>

class WorkingDirectory {
public:
    WorkingDirectory();
    ~WorkingDirectory();
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

    const std::filesystem::path& Path() const { return m_folder.path(); }
    void Write(const std::string& name, const std::string& bytes) const;

private:
    std::filesystem::path m_previous;
    TemporaryFolder m_folder;
};
