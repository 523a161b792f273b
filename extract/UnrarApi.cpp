#include "UnrarApi.h"

#include "DynamicLibrary.h"

UnrarApiTable UnrarApi;
RAROpenArchiveData UnrarOpenData;
RARHeaderData UnrarHeaderData;
HANDLE UnrarArchive;

namespace {
template <typename Function> bool Bind(HMODULE library, const char* name, Function& entry) {
    entry = reinterpret_cast<Function>(GetProcAddress(library, name));
    return entry != nullptr;
}
} // namespace

bool BindUnrarApi() {
    HMODULE library = LoadLibraryA("UNRAR.dll");
    if (!library) {
        return false;
    }
    UnrarApiTable bound{};
    bool complete = Bind(library, "RAROpenArchive", bound.RAROpenArchive) &&
                    Bind(library, "RARReadHeader", bound.RARReadHeader) &&
                    Bind(library, "RARCloseArchive", bound.RARCloseArchive) &&
                    Bind(library, "RARProcessFile", bound.RARProcessFile);
    if (complete) {
        UnrarApi = bound;
    }
    return complete;
}
