#pragma once

// The release settings in Install.ini, section Config, in the current directory, and the paths
// built from that directory.

#include "CString.h"

CString ArchivePath(const CString& currentDirectory, const CString& archiveName);
// A missing file or key yields defaultValue; a null default the empty text.
CString ReadInstallSetting(const CString& currentDirectory, LPCSTR key, LPCSTR defaultValue);
