#include "DynamicLibrary.h"

#include <algorithm>
#include <cctype>
#include <dlfcn.h>
#include <filesystem>
#include <string>

namespace {
// "UNRAR.dll" -> "libunrar.so"; other names are used as they are.
std::string SharedObjectName(std::string name) {
    constexpr std::string_view kDllSuffix = ".dll";
    if (name.size() > kDllSuffix.size()) {
        std::string suffix = name.substr(name.size() - kDllSuffix.size());
        std::transform(suffix.begin(), suffix.end(), suffix.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        if (suffix == kDllSuffix) {
            name.resize(name.size() - kDllSuffix.size());
            std::transform(name.begin(), name.end(), name.begin(),
                           [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
            return "lib" + name + ".so";
        }
    }
    return name;
}

std::filesystem::path ProgramFolder() {
    std::error_code error;
    std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    return error ? std::filesystem::path() : program.parent_path();
}
} // namespace

HMODULE LoadLibraryA(LPCSTR name) {
    if (!name || !*name) {
        return nullptr;
    }
    std::string file = SharedObjectName(name);
    void* handle = nullptr;
    if (file.find('/') == std::string::npos) {
        std::filesystem::path beside = ProgramFolder() / file;
        if (std::filesystem::exists(beside)) {
            handle = dlopen(beside.c_str(), RTLD_NOW | RTLD_LOCAL);
        }
    }
    if (!handle) {
        handle = dlopen(file.c_str(), RTLD_NOW | RTLD_LOCAL);
    }
    return static_cast<HMODULE>(handle);
}

FARPROC GetProcAddress(HMODULE module, LPCSTR name) {
    if (!module || !name) {
        return nullptr;
    }
    return reinterpret_cast<FARPROC>(dlsym(module, name));
}
