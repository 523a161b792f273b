#pragma once

// The shell's records and flags: item identifier lists, display names, file information and
// context-menu invocations.

#include "ComTypes.h"
#include "WinTypes.h"

// Wide text is UTF-16, as in the shell's own records.
using WCHAR = char16_t;
using LPWSTR = WCHAR*;
using LPCWSTR = const WCHAR*;

constexpr int MAX_PATH = 260;

// An item identifier list: items of `cb` bytes (the count included) one after another, ended by
// a count of 0. Byte-packed, so items may begin at any address.
#pragma pack(push, 1)
struct SHITEMID {
    USHORT cb;
    BYTE abID[1];
};
struct ITEMIDLIST {
    SHITEMID mkid;
};
#pragma pack(pop)
using LPITEMIDLIST = ITEMIDLIST*;
using LPCITEMIDLIST = const ITEMIDLIST*;

constexpr UINT STRRET_WSTR = 0;
constexpr UINT STRRET_OFFSET = 1;
constexpr UINT STRRET_CSTR = 2;

struct STRRET {
    UINT uType;
    union {
        LPWSTR pOleStr; // shell-allocator memory; the receiver frees it
        UINT uOffset;   // from the start of the item list the name was asked for
        char cStr[MAX_PATH];
    };
};

// Display-name flags. Every flag yields the name the user sees.
constexpr DWORD SHGDN_NORMAL = 0x0000;

// Enumeration flags.
constexpr DWORD SHCONTF_FOLDERS = 0x0020;
constexpr DWORD SHCONTF_NONFOLDERS = 0x0040;
constexpr DWORD SHCONTF_INCLUDEHIDDEN = 0x0080;

// Attributes.
using SFGAOF = ULONG;
constexpr SFGAOF SFGAO_FOLDER = 0x20000000;
constexpr SFGAOF SFGAO_FILESYSTEM = 0x40000000;
constexpr SFGAOF SFGAO_HASSUBFOLDER = 0x80000000;

struct SHFILEINFOA {
    HICON hIcon;
    int iIcon;
    DWORD dwAttributes;
    char szDisplayName[MAX_PATH];
    char szTypeName[80];
};

// File-information flags.
constexpr UINT SHGFI_SMALLICON = 0x0001;
constexpr UINT SHGFI_OPENICON = 0x0002;
constexpr UINT SHGFI_PIDL = 0x0008;
constexpr UINT SHGFI_SYSICONINDEX = 0x4000;

// Context-menu flags and invocation record.
constexpr UINT CMF_EXPLORE = 0x0004;

struct CMINVOKECOMMANDINFO {
    DWORD cbSize;
    DWORD fMask;
    HWND hwnd;
    LPCSTR lpVerb; // a command offset in its low 16 bits when the upper bits are 0
    LPCSTR lpParameters;
    LPCSTR lpDirectory;
    int nShow;
    DWORD dwHotKey;
    HICON hIcon;
};

inline LPCSTR MAKEINTRESOURCEA(WORD value) {
    return reinterpret_cast<LPCSTR>(static_cast<std::uintptr_t>(value));
}
inline bool IS_INTRESOURCE(LPCSTR value) {
    return (reinterpret_cast<std::uintptr_t>(value) >> 16) == 0;
}
