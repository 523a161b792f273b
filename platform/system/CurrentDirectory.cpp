#include "CurrentDirectory.h"

#include <cerrno>
#include <string>
#include <unistd.h>

CString GetCurrentDirectoryPath() {
    std::string buffer(256, '\0');
    while (!getcwd(buffer.data(), buffer.size())) {
        if (errno != ERANGE) {
            return CString();
        }
        buffer.resize(buffer.size() * 2);
    }
    return CString(buffer.c_str());
}
