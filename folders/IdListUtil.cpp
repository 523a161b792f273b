#include "IdListUtil.h"

#include "Menu.h"
#include "MessageBox.h"
#include "Utf8Text.h"

#include <cstdio>
#include <cstring>
#include <string_view>

namespace {

// Copies zero-terminated text of at most `available` bytes into a MAX_PATH buffer, cut at a
// character boundary when it is longer than the buffer holds.
void CopyText(const char* source, std::size_t available, LPSTR text) {
    const std::string_view name(source, strnlen(source, available));
    const std::size_t length = Utf8PrefixLength(name, MAX_PATH - 1);
    std::memcpy(text, name.data(), length);
    text[length] = '\0';
}

void ReportFailure(const char* format, HRESULT result) {
    char message[64];
    std::snprintf(message, sizeof(message), format,
                  static_cast<unsigned long>(static_cast<ULONG>(result)));
    AfxMessageBox(message, MB_OK, 0);
}

} // namespace

LPITEMIDLIST CIdListUtil::NextItem(LPCITEMIDLIST item) {
    return reinterpret_cast<LPITEMIDLIST>(
        const_cast<BYTE*>(reinterpret_cast<const BYTE*>(item) + item->mkid.cb));
}

UINT CIdListUtil::ListSize(LPCITEMIDLIST list) {
    if (!list) {
        return 0;
    }
    UINT size = sizeof(USHORT);
    while (list->mkid.cb != 0) {
        size += list->mkid.cb;
        list = NextItem(list);
    }
    return size;
}

LPITEMIDLIST CIdListUtil::AllocList(UINT size) {
    IMalloc* allocator = nullptr;
    if (FAILED(SHGetMalloc(&allocator))) {
        return nullptr;
    }
    auto* list = static_cast<LPITEMIDLIST>(allocator->Alloc(size));
    if (list) {
        std::memset(list, 0, size);
    }
    allocator->Release();
    return list;
}

LPITEMIDLIST CIdListUtil::JoinLists(LPCITEMIDLIST first, LPCITEMIDLIST second) {
    const UINT firstSize = first ? ListSize(first) - sizeof(USHORT) : 0;
    const UINT secondSize = ListSize(second);
    LPITEMIDLIST joined = AllocList(firstSize + secondSize);
    if (!joined) {
        return nullptr;
    }
    auto* bytes = reinterpret_cast<BYTE*>(joined);
    if (first) {
        std::memcpy(bytes, first, firstSize);
    }
    std::memcpy(bytes + firstSize, second, secondSize);
    return joined;
}

LPITEMIDLIST CIdListUtil::CopyFirstItem(IMalloc* allocator, LPCITEMIDLIST list) {
    const UINT size = list->mkid.cb + sizeof(USHORT);
    auto* copy = static_cast<LPITEMIDLIST>(allocator->Alloc(size));
    if (copy) {
        std::memcpy(copy, list, size);
    }
    return copy;
}

BOOL CIdListUtil::GetDisplayText(IShellFolder* folder, LPCITEMIDLIST item, DWORD flags,
                                 LPSTR text) {
    STRRET name{};
    if (folder->GetDisplayNameOf(item, flags, &name) != S_OK) {
        return FALSE;
    }
    switch (name.uType) {
    case STRRET_WSTR: {
        if (!name.pOleStr) {
            return FALSE;
        }
        // A name too long for the buffer is cut after the last whole character that fits.
        WideCharToMultiByte(CP_ACP, 0, name.pOleStr, -1, text, MAX_PATH, nullptr, nullptr);
        IMalloc* allocator = nullptr;
        if (SUCCEEDED(SHGetMalloc(&allocator))) {
            allocator->Free(name.pOleStr);
            allocator->Release();
        }
        return TRUE;
    }
    case STRRET_OFFSET: {
        // The name must lie inside the list it was asked for.
        const UINT size = ListSize(item);
        if (name.uOffset >= size) {
            return FALSE;
        }
        CopyText(reinterpret_cast<const char*>(item) + name.uOffset, size - name.uOffset, text);
        return TRUE;
    }
    case STRRET_CSTR:
        CopyText(name.cStr, sizeof(name.cStr), text);
        return TRUE;
    default:
        return FALSE;
    }
}

int CIdListUtil::GetIconIndex(LPCITEMIDLIST list, UINT flags) {
    SHFILEINFOA info{};
    SHGetFileInfoA(reinterpret_cast<LPCSTR>(list), 0, &info, sizeof(info), flags);
    return info.iIcon;
}

BOOL CIdListUtil::ShowItemMenu(HWND owner, IShellFolder* folder, LPCITEMIDLIST item, POINT* point) {
    IContextMenu* contextMenu = nullptr;
    LPCITEMIDLIST items[] = {item};
    HRESULT result = folder->GetUIObjectOf(owner, 1, items, IID_IContextMenu, nullptr,
                                           reinterpret_cast<void**>(&contextMenu));
    if (FAILED(result)) {
        ReportFailure("GetUIObjectOf failed! hr=%lx", result);
        return FALSE;
    }
    HMENU menu = CreatePopupMenu();
    if (!menu) {
        contextMenu->Release();
        return FALSE;
    }
    constexpr UINT FirstCommand = 1;
    constexpr UINT LastCommand = 0x7FFF;
    if (FAILED(contextMenu->QueryContextMenu(menu, 0, FirstCommand, LastCommand, CMF_EXPLORE))) {
        DestroyMenu(menu);
        contextMenu->Release();
        return FALSE;
    }
    const UINT chosen =
        static_cast<UINT>(TrackPopupMenu(menu, TPM_LEFTALIGN | TPM_RIGHTBUTTON | TPM_RETURNCMD,
                                         point->x, point->y, 0, owner, nullptr));
    if (chosen != 0) {
        CMINVOKECOMMANDINFO invocation{};
        invocation.cbSize = sizeof(invocation);
        invocation.fMask = 0;
        invocation.hwnd = owner;
        invocation.lpVerb = MAKEINTRESOURCEA(static_cast<WORD>(chosen - FirstCommand));
        invocation.nShow = SW_SHOWNORMAL;
        result = contextMenu->InvokeCommand(&invocation);
        if (FAILED(result)) {
            ReportFailure("InvokeCommand failed. hr=%lx", result);
        }
    }
    DestroyMenu(menu);
    contextMenu->Release();
    return TRUE;
}
