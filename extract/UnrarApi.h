#pragma once

// The RAR library's entry points, its two records and the archive handle: shared by every run
// in the process, bound by name each time the Install dialog starts.

#include "unrar.h"

struct UnrarApiTable {
    HANDLE (*RAROpenArchive)(RAROpenArchiveData* data);
    int (*RARReadHeader)(HANDLE archive, RARHeaderData* header);
    int (*RARCloseArchive)(HANDLE archive);
    int (*RARProcessFile)(HANDLE archive, int operation, char* destPath, char* destName);
};

extern UnrarApiTable UnrarApi;
extern RAROpenArchiveData UnrarOpenData;
extern RARHeaderData UnrarHeaderData;
extern HANDLE UnrarArchive;

// Loads "UNRAR.dll" and binds the four calls. A library that cannot be loaded, or lacks one of
// the calls, counts as missing: the table is then left as it was and false returned, so that no
// null entry point is ever called.
bool BindUnrarApi();
