#include "SafeDestinationWriter.h"

#include "unrar.h"

#include <cerrno>
#include <fcntl.h>
#include <filesystem>
#include <pthread.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr unsigned kPermissionBits = 0777; // never setuid, setgid or sticky

timespec toTimespec(const SafeDestinationWriter::Time& time) {
    timespec result{};
    result.tv_sec = static_cast<time_t>(time.seconds);
    result.tv_nsec = time.nanoseconds;
    return result;
}

void setTimes(int fd, const SafeDestinationWriter::Time& time) {
    if (time.isSet) {
        const timespec times[2] = {toTimespec(time), toTimespec(time)};
        ::futimens(fd, times);
    }
}

} // namespace

SafeDestinationWriter::~SafeDestinationWriter() {
    abandonFile();
    finish();
    closeFolders();
}

void SafeDestinationWriter::closeFolders() {
    if (m_parentFd >= 0) {
        ::close(m_parentFd);
        m_parentFd = -1;
    }
    if (m_rootFd >= 0) {
        ::close(m_rootFd);
        m_rootFd = -1;
    }
    m_parentKey.clear();
}

int SafeDestinationWriter::setDestination(const std::string& folder) {
    const std::string wanted = folder.empty() ? "." : folder;
    if (m_rootFd >= 0 && wanted == m_destination) {
        return ERAR_SUCCESS;
    }
    finish();
    closeFolders();
    m_destination = wanted;
    std::error_code error;
    std::filesystem::create_directories(wanted, error);
    m_rootFd = ::open(wanted.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    return m_rootFd >= 0 ? ERAR_SUCCESS : ERAR_ECREATE;
}

// Opens the folder holding the last component of `path`, creating missing folders on the way
// when `create` is set. The descriptor belongs to the writer and stays valid until the next call.
int SafeDestinationWriter::openParent(const std::vector<std::string>& path, bool create, int& fd) {
    std::string key;
    for (std::size_t i = 0; i + 1 < path.size(); ++i) {
        key += path[i];
        key += '/';
    }
    if (key.empty()) {
        fd = m_rootFd;
        return ERAR_SUCCESS;
    }
    if (m_parentFd >= 0 && key == m_parentKey) {
        fd = m_parentFd;
        return ERAR_SUCCESS;
    }
    int current = ::dup(m_rootFd);
    for (std::size_t i = 0; current >= 0 && i + 1 < path.size(); ++i) {
        constexpr int kFolderFlags = O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC;
        int next = ::openat(current, path[i].c_str(), kFolderFlags);
        if (next < 0 && errno == ENOENT && create) {
            if (::mkdirat(current, path[i].c_str(), 0755) == 0 || errno == EEXIST) {
                next = ::openat(current, path[i].c_str(), kFolderFlags);
            }
        }
        ::close(current);
        current = next; // a symbolic link on the way fails here, whatever it points at
    }
    if (current < 0) {
        return ERAR_ECREATE;
    }
    if (m_parentFd >= 0) {
        ::close(m_parentFd);
    }
    m_parentFd = current;
    m_parentKey = key;
    fd = current;
    return ERAR_SUCCESS;
}

bool SafeDestinationWriter::isDirectory(int parentFd, const std::string& name) const {
    struct stat st {};
    return ::fstatat(parentFd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode);
}

std::string SafeDestinationWriter::temporaryName() {
    return ".unrar-" + std::to_string(::getpid()) + "-" + std::to_string(++m_temporaryCounter);
}

int SafeDestinationWriter::replaceWithTemporary(int parentFd, const std::string& temporary,
                                                const std::string& name) {
    if (::renameat(parentFd, temporary.c_str(), parentFd, name.c_str()) != 0) {
        ::unlinkat(parentFd, temporary.c_str(), 0);
        return ERAR_ECREATE;
    }
    return ERAR_SUCCESS;
}

// A write past RLIMIT_FSIZE raises SIGXFSZ, which would end the whole process; while a file is
// written the signal is held back, so the write fails with EFBIG and is reported instead.
void SafeDestinationWriter::guardFileSize() {
    rlimit limit{};
    if (::getrlimit(RLIMIT_FSIZE, &limit) != 0 || limit.rlim_cur == RLIM_INFINITY) {
        return;
    }
    sigset_t blocked;
    sigemptyset(&blocked);
    sigaddset(&blocked, SIGXFSZ);
    m_sizeGuarded = ::pthread_sigmask(SIG_BLOCK, &blocked, &m_savedSignals) == 0;
}

void SafeDestinationWriter::releaseFileSize(bool overLimit) {
    if (!m_sizeGuarded) {
        return;
    }
    if (overLimit) {
        sigset_t pending;
        sigemptyset(&pending);
        sigaddset(&pending, SIGXFSZ);
        const timespec noWait{};
        while (::sigtimedwait(&pending, nullptr, &noWait) == SIGXFSZ) {
        }
    }
    ::pthread_sigmask(SIG_SETMASK, &m_savedSignals, nullptr);
    m_sizeGuarded = false;
}

int SafeDestinationWriter::beginFile(const std::vector<std::string>& path, unsigned permissions,
                                     Time time) {
    int parentFd = -1;
    if (const int opened = openParent(path, true, parentFd); opened != ERAR_SUCCESS) {
        return opened;
    }
    if (isDirectory(parentFd, path.back())) {
        return ERAR_ECREATE;
    }
    m_fileParentFd = ::dup(parentFd);
    m_fileTemporary = temporaryName();
    m_fileFd = ::openat(m_fileParentFd, m_fileTemporary.c_str(),
                        O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (m_fileFd < 0) {
        const int error = errno;
        ::close(m_fileParentFd);
        m_fileParentFd = -1;
        return error == ENOSPC || error == EDQUOT ? ERAR_EWRITE : ERAR_ECREATE;
    }
    m_fileName = path.back();
    m_filePermissions = permissions & kPermissionBits;
    m_fileTime = time;
    m_fileOverLimit = false;
    guardFileSize();
    return ERAR_SUCCESS;
}

int SafeDestinationWriter::writeFile(const void* data, std::size_t size, std::int64_t offset) {
    const auto* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::pwrite(m_fileFd, bytes, size, static_cast<off_t>(offset));
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written <= 0) {
            // Out of space, over quota and over the file-size limit are all write errors.
            m_fileOverLimit = written < 0 && errno == EFBIG;
            return ERAR_EWRITE;
        }
        bytes += written;
        offset += written;
        size -= static_cast<std::size_t>(written);
    }
    return ERAR_SUCCESS;
}

int SafeDestinationWriter::commitFile() {
    ::fchmod(m_fileFd, m_filePermissions);
    setTimes(m_fileFd, m_fileTime);
    const int closed = ::close(m_fileFd);
    m_fileFd = -1;
    releaseFileSize(m_fileOverLimit);
    int result = ERAR_SUCCESS;
    if (closed != 0) {
        ::unlinkat(m_fileParentFd, m_fileTemporary.c_str(), 0);
        result = ERAR_ECLOSE;
    } else {
        result = replaceWithTemporary(m_fileParentFd, m_fileTemporary, m_fileName);
    }
    ::close(m_fileParentFd);
    m_fileParentFd = -1;
    return result;
}

void SafeDestinationWriter::abandonFile() {
    if (m_fileFd < 0) {
        return;
    }
    ::close(m_fileFd);
    m_fileFd = -1;
    releaseFileSize(m_fileOverLimit);
    ::unlinkat(m_fileParentFd, m_fileTemporary.c_str(), 0);
    ::close(m_fileParentFd);
    m_fileParentFd = -1;
}

int SafeDestinationWriter::makeDirectory(const std::vector<std::string>& path, unsigned permissions,
                                         Time time) {
    int parentFd = -1;
    if (const int opened = openParent(path, true, parentFd); opened != ERAR_SUCCESS) {
        return opened;
    }
    if (::mkdirat(parentFd, path.back().c_str(), 0700) != 0 &&
        !(errno == EEXIST && isDirectory(parentFd, path.back()))) {
        return ERAR_ECREATE;
    }
    m_pendingFolders.push_back({path, permissions & kPermissionBits, time});
    return ERAR_SUCCESS;
}

int SafeDestinationWriter::makeSymbolicLink(const std::vector<std::string>& path,
                                            const std::string& target) {
    int parentFd = -1;
    if (const int opened = openParent(path, true, parentFd); opened != ERAR_SUCCESS) {
        return opened;
    }
    if (isDirectory(parentFd, path.back())) {
        return ERAR_ECREATE;
    }
    const std::string temporary = temporaryName();
    if (::symlinkat(target.c_str(), parentFd, temporary.c_str()) != 0) {
        return ERAR_ECREATE;
    }
    return replaceWithTemporary(parentFd, temporary, path.back());
}

int SafeDestinationWriter::makeHardLink(const std::vector<std::string>& path,
                                        const std::vector<std::string>& existing) {
    int sourceParent = -1;
    if (const int opened = openParent(existing, false, sourceParent); opened != ERAR_SUCCESS) {
        return opened;
    }
    struct stat st {};
    if (::fstatat(sourceParent, existing.back().c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0 ||
        S_ISDIR(st.st_mode)) {
        return ERAR_ECREATE;
    }
    const int sourceFd = ::dup(sourceParent);
    int parentFd = -1;
    int result = openParent(path, true, parentFd);
    if (result == ERAR_SUCCESS && isDirectory(parentFd, path.back())) {
        result = ERAR_ECREATE;
    }
    if (result == ERAR_SUCCESS) {
        const std::string temporary = temporaryName();
        result = ::linkat(sourceFd, existing.back().c_str(), parentFd, temporary.c_str(), 0) == 0
                     ? replaceWithTemporary(parentFd, temporary, path.back())
                     : ERAR_ECREATE;
    }
    ::close(sourceFd);
    return result;
}

void SafeDestinationWriter::finish() {
    for (auto folder = m_pendingFolders.rbegin(); folder != m_pendingFolders.rend(); ++folder) {
        int parentFd = -1;
        if (m_rootFd < 0 || openParent(folder->path, false, parentFd) != ERAR_SUCCESS) {
            continue;
        }
        const int fd = ::openat(parentFd, folder->path.back().c_str(),
                                O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
        if (fd >= 0) {
            // The owner keeps write and search rights, so that installing again, or removing
            // the installation, is never refused by a folder the archive made read-only.
            ::fchmod(fd, folder->permissions | S_IRWXU);
            setTimes(fd, folder->time);
            ::close(fd);
        }
    }
    m_pendingFolders.clear();
}
