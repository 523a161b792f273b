#pragma once

#include <csignal>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// Creates entries under a destination folder and nowhere else. Every path is walked one folder
// at a time without following symbolic links, files are written under a temporary name and
// renamed into place once complete, and only permission bits 0777 are ever set.
class SafeDestinationWriter {
public:
    struct Time {
        bool isSet = false;
        std::int64_t seconds = 0;
        long nanoseconds = 0;
    };

    SafeDestinationWriter() = default;
    ~SafeDestinationWriter();
    SafeDestinationWriter(const SafeDestinationWriter&) = delete;
    SafeDestinationWriter& operator=(const SafeDestinationWriter&) = delete;

    // Uses `folder` (the current directory when empty), created with its parents if missing.
    int setDestination(const std::string& folder);

    int beginFile(const std::vector<std::string>& path, unsigned permissions, Time time);
    int writeFile(const void* data, std::size_t size, std::int64_t offset);
    int commitFile();
    void abandonFile();

    int makeDirectory(const std::vector<std::string>& path, unsigned permissions, Time time);
    int makeSymbolicLink(const std::vector<std::string>& path, const std::string& target);
    int makeHardLink(const std::vector<std::string>& path,
                     const std::vector<std::string>& existing);

    // Sets the permissions and times of the folders made so far; files created inside a folder
    // change its time, so this waits until the end.
    void finish();

private:
    struct PendingFolder {
        std::vector<std::string> path;
        unsigned permissions;
        Time time;
    };

    int openParent(const std::vector<std::string>& path, bool create, int& fd);
    int replaceWithTemporary(int parentFd, const std::string& temporary, const std::string& name);
    bool isDirectory(int parentFd, const std::string& name) const;
    std::string temporaryName();
    void guardFileSize();
    void releaseFileSize(bool overLimit);
    void closeFolders();

    std::string m_destination;
    int m_rootFd = -1;
    std::string m_parentKey;
    int m_parentFd = -1;
    std::vector<PendingFolder> m_pendingFolders;
    unsigned m_temporaryCounter = 0;

    int m_fileFd = -1;
    int m_fileParentFd = -1;
    std::string m_fileTemporary;
    std::string m_fileName;
    unsigned m_filePermissions = 0;
    Time m_fileTime;
    bool m_fileOverLimit = false;
    bool m_sizeGuarded = false;
    sigset_t m_savedSignals{};
};
