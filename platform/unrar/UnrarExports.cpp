#include "ArchiveSession.h"
#include "unrar.h"

#include <memory>
#include <new>

namespace {

// No C++ exception may cross the C interface.
template <typename Call> int guarded(Call call) {
    try {
        return call();
    } catch (const std::bad_alloc&) {
        return ERAR_NO_MEMORY;
    } catch (...) {
        return ERAR_UNKNOWN;
    }
}

ArchiveSession* sessionOf(HANDLE handle) {
    return static_cast<ArchiveSession*>(handle);
}

} // namespace

extern "C" {

RAR_EXPORT HANDLE RAROpenArchive(struct RAROpenArchiveData* archiveData) {
    if (archiveData == nullptr) {
        return nullptr;
    }
    archiveData->CmtSize = 0;
    archiveData->CmtState = 0; // comments are never read
    if (archiveData->ArcName == nullptr) {
        archiveData->OpenResult = ERAR_EOPEN;
        return nullptr;
    }
    std::unique_ptr<ArchiveSession> session;
    const int result = guarded([&] {
        session = std::make_unique<ArchiveSession>(archiveData->ArcName,
                                                   archiveData->OpenMode == RAR_OM_EXTRACT);
        return session->open();
    });
    archiveData->OpenResult = static_cast<unsigned int>(result);
    return result == ERAR_SUCCESS ? session.release() : nullptr;
}

RAR_EXPORT int RARCloseArchive(HANDLE handle) {
    if (handle == nullptr) {
        return ERAR_ECLOSE;
    }
    std::unique_ptr<ArchiveSession> session(sessionOf(handle));
    const int result = guarded([&] { return session->close(); });
    return result == ERAR_SUCCESS ? ERAR_SUCCESS : ERAR_ECLOSE;
}

RAR_EXPORT int RARReadHeader(HANDLE handle, struct RARHeaderData* headerData) {
    if (handle == nullptr || headerData == nullptr) {
        return ERAR_BAD_DATA;
    }
    return guarded([&] { return sessionOf(handle)->readHeader(*headerData); });
}

RAR_EXPORT int RARProcessFile(HANDLE handle, int operation, char* destPath, char* destName) {
    if (handle == nullptr) {
        return ERAR_BAD_DATA;
    }
    return guarded([&] { return sessionOf(handle)->processFile(operation, destPath, destName); });
}

RAR_EXPORT int RARGetDllVersion() {
    return RAR_DLL_VERSION;
}
}
