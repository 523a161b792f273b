#include "InstallSettings.h"

#include "PrivateProfile.h"

#include <array>

namespace {
// Values hold at most this many bytes, as releases have always been written for.
constexpr int kInstallSettingMaxLength = 63;

CString InstallIniPath(const CString& currentDirectory) {
    return currentDirectory + "/Install.ini";
}
} // namespace

CString ArchivePath(const CString& currentDirectory, const CString& archiveName) {
    return currentDirectory + "/" + archiveName;
}

CString ReadInstallSetting(const CString& currentDirectory, LPCSTR key, LPCSTR defaultValue) {
    std::array<char, kInstallSettingMaxLength + 1> value{};
    GetPrivateProfileStringA("Config", key, defaultValue, value.data(),
                             static_cast<DWORD>(value.size()), InstallIniPath(currentDirectory));
    return CString(value.data());
}
