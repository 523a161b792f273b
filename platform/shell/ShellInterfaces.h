#pragma once

// The shell's interfaces, with the methods that folder browsing uses.

#include "ComTypes.h"
#include "ShellTypes.h"
#include "WinTypes.h"

inline constexpr IID IID_IMalloc = {
    0x00000002, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IShellFolder = {
    0x000214E6, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IEnumIDList = {
    0x000214F2, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};
inline constexpr IID IID_IContextMenu = {
    0x000214E4, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class IBindCtx;

class IMalloc : public IUnknown {
public:
    // Null when the memory cannot be had.
    virtual void* Alloc(SIZE_T size) = 0;
    // Null is accepted and ignored.
    virtual void Free(void* block) = 0;

protected:
    ~IMalloc() = default;
};

class IEnumIDList : public IUnknown {
public:
    // Hands out up to `count` one-item lists, which the caller frees with the shell allocator.
    // S_OK when all were fetched, S_FALSE when the enumeration ran out first.
    virtual HRESULT Next(ULONG count, LPITEMIDLIST* items, ULONG* fetched) = 0;
    virtual HRESULT Skip(ULONG count) = 0;
    virtual HRESULT Reset() = 0;

protected:
    ~IEnumIDList() = default;
};

class IShellFolder : public IUnknown {
public:
    virtual HRESULT BindToObject(LPCITEMIDLIST item, IBindCtx* context, REFIID iid,
                                 void** object) = 0;
    // The code field (low 16 bits, signed) is negative, 0 or positive as item1 sorts before,
    // together with or after item2.
    virtual HRESULT CompareIDs(LPARAM column, LPCITEMIDLIST item1, LPCITEMIDLIST item2) = 0;
    virtual HRESULT EnumObjects(HWND owner, DWORD flags, IEnumIDList** enumerator) = 0;
    // On entry the attributes asked for; on return those of them that every item has.
    virtual HRESULT GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) = 0;
    virtual HRESULT GetUIObjectOf(HWND owner, UINT count, LPCITEMIDLIST* items, REFIID iid,
                                  UINT* reserved, void** object) = 0;
    virtual HRESULT GetDisplayNameOf(LPCITEMIDLIST item, DWORD flags, STRRET* name) = 0;

protected:
    ~IShellFolder() = default;
};

class IContextMenu : public IUnknown {
public:
    // Inserts the commands at `index`, with ids from `firstId` on; the code field of a success
    // is the number of ids used.
    virtual HRESULT QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                     UINT flags) = 0;
    virtual HRESULT InvokeCommand(CMINVOKECOMMANDINFO* info) = 0;

protected:
    ~IContextMenu() = default;
};
