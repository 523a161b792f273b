#include "ShellApi.h"

#include "DesktopFolder.h"
#include "NamespaceLocation.h"
#include "ShellAllocator.h"
#include "SystemImageList.h"
#include "UserDirectories.h"

#include <cstring>
#include <new>
#include <sys/stat.h>

namespace {

std::optional<ShellIcon> IconOfPath(const char* path, bool open) {
    struct stat info {};
    if (stat(path, &info) != 0) {
        return std::nullopt;
    }
    if (!S_ISDIR(info.st_mode)) {
        return ShellIcon::File;
    }
    if (std::strcmp(path, "/") == 0) {
        return ShellIcon::Drive;
    }
    if (UserDirectories::Home() == path) {
        return ShellIcon::Home;
    }
    return open ? ShellIcon::FolderOpen : ShellIcon::Folder;
}

// Encodes one code point as UTF-8 and returns its length.
int EncodeUtf8(char32_t code, char* out) {
    if (code < 0x80) {
        out[0] = static_cast<char>(code);
        return 1;
    }
    if (code < 0x800) {
        out[0] = static_cast<char>(0xC0 | (code >> 6));
        out[1] = static_cast<char>(0x80 | (code & 0x3F));
        return 2;
    }
    if (code < 0x10000) {
        out[0] = static_cast<char>(0xE0 | (code >> 12));
        out[1] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out[2] = static_cast<char>(0x80 | (code & 0x3F));
        return 3;
    }
    out[0] = static_cast<char>(0xF0 | (code >> 18));
    out[1] = static_cast<char>(0x80 | ((code >> 12) & 0x3F));
    out[2] = static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out[3] = static_cast<char>(0x80 | (code & 0x3F));
    return 4;
}

bool IsHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}
bool IsLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

} // namespace

HRESULT SHGetMalloc(IMalloc** allocator) {
    if (!allocator) {
        return E_INVALIDARG;
    }
    *allocator = &ShellAllocator::Instance();
    (*allocator)->AddRef();
    return S_OK;
}

HRESULT SHGetDesktopFolder(IShellFolder** desktop) {
    if (!desktop) {
        return E_INVALIDARG;
    }
    *desktop = new (std::nothrow) DesktopFolder();
    return *desktop ? S_OK : E_OUTOFMEMORY;
}

DWORD_PTR SHGetFileInfoA(LPCSTR path, DWORD /*fileAttributes*/, SHFILEINFOA* info,
                         UINT /*infoSize*/, UINT flags) {
    if (!path || !info || !(flags & SHGFI_SYSICONINDEX)) {
        return 0;
    }
    const bool open = flags & SHGFI_OPENICON;
    const auto icon = (flags & SHGFI_PIDL)
                          ? NamespaceLocation::IconOf(reinterpret_cast<LPCITEMIDLIST>(path), open)
                          : IconOfPath(path, open);
    const SystemImageList& list = SystemImageList::Instance();
    if (!icon || !list.Handle()) {
        return 0;
    }
    info->iIcon = list.IndexOf(*icon);
    return reinterpret_cast<DWORD_PTR>(list.Handle());
}

BOOL SHGetPathFromIDListA(LPCITEMIDLIST list, LPSTR path) {
    if (!path) {
        return FALSE;
    }
    const auto location = NamespaceLocation::PathOf(list);
    if (!location || location->size() >= static_cast<std::size_t>(MAX_PATH)) {
        path[0] = '\0';
        return FALSE;
    }
    std::memcpy(path, location->c_str(), location->size() + 1);
    return TRUE;
}

int WideCharToMultiByte(UINT codePage, DWORD /*flags*/, LPCWSTR wide, int wideLength, LPSTR text,
                        int textSize, LPCSTR /*defaultChar*/, BOOL* usedDefaultChar) {
    if (usedDefaultChar) {
        *usedDefaultChar = FALSE;
    }
    if ((codePage != CP_ACP && codePage != CP_UTF8) || !wide || wideLength < -1 || textSize < 0 ||
        (textSize > 0 && !text)) {
        return 0;
    }
    const bool terminated = wideLength == -1;
    const std::size_t length = terminated ? std::char_traits<WCHAR>::length(wide) + 1
                                          : static_cast<std::size_t>(wideLength);
    const bool measuring = textSize == 0;
    int written = 0;
    for (std::size_t at = 0; at < length; ++at) {
        char32_t code = wide[at];
        if (IsHighSurrogate(code) && at + 1 < length && IsLowSurrogate(wide[at + 1])) {
            code = 0x10000 + ((code - 0xD800) << 10) + (wide[at + 1] - 0xDC00);
            ++at;
        } else if (IsHighSurrogate(code) || IsLowSurrogate(code)) {
            code = 0xFFFD;
        }
        char bytes[4];
        const int size = EncodeUtf8(code, bytes);
        if (!measuring) {
            // Room stays for the terminator when the source has one.
            const int reserve = terminated && code != 0 ? 1 : 0;
            if (written + size + reserve > textSize) {
                if (terminated) {
                    text[written] = '\0';
                }
                return 0;
            }
            std::memcpy(text + written, bytes, size);
        }
        written += size;
    }
    return written;
}
