#pragma once

// The release settings in Install.ini, section Config, in the current directory, and the paths
// built from that directory.

#include "CString.h"

// Values hold at most this many bytes, as releases have always been written for.
constexpr int kInstallSettingMaxLength = 63;

CString InstallIniPath(const CString& currentDirectory);
CString ArchivePath(const CString& currentDirectory, const CString& archiveName);
// A missing file or key yields defaultValue; a null default the empty text.
CString ReadInstallSetting(const CString& currentDirectory, LPCSTR key, LPCSTR defaultValue);
