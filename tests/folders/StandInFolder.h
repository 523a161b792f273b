#pragma once

// A folder that answers with whatever the test sets up: a display name, or a context menu (or
// a failure in its place). Lives on the test's stack.

#include "ShellApi.h"

#include <cstring>
#include <string>

class StandInFolder : public IShellFolder {
public:
    HRESULT nameResult = S_OK;
    STRRET name{};
    std::u16string wideName;
    HRESULT menuResult = S_OK;
    IContextMenu* menu = nullptr;
    HWND menuOwner = nullptr;
    LPCITEMIDLIST menuItem = nullptr;

    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return 1; }
    ULONG Release() override { return 1; }
    HRESULT BindToObject(LPCITEMIDLIST, IBindCtx*, REFIID, void**) override { return E_FAIL; }
    HRESULT CompareIDs(LPARAM, LPCITEMIDLIST, LPCITEMIDLIST) override { return E_FAIL; }
    HRESULT EnumObjects(HWND, DWORD, IEnumIDList**) override { return E_FAIL; }
    HRESULT GetAttributesOf(UINT, LPCITEMIDLIST*, SFGAOF*) override { return E_FAIL; }

    HRESULT GetUIObjectOf(HWND owner, UINT count, LPCITEMIDLIST* items, REFIID iid, UINT*,
                          void** object) override {
        menuOwner = owner;
        menuItem = count == 1 && iid == IID_IContextMenu ? items[0] : nullptr;
        if (FAILED(menuResult)) {
            return menuResult;
        }
        menu->AddRef();
        *object = menu;
        return S_OK;
    }

    // A wide name is handed out in fresh shell-allocator memory, as a real folder does.
    HRESULT GetDisplayNameOf(LPCITEMIDLIST, DWORD, STRRET* result) override {
        *result = name;
        if (name.uType == STRRET_WSTR && nameResult == S_OK) {
            IMalloc* allocator = nullptr;
            SHGetMalloc(&allocator);
            const std::size_t bytes = (wideName.size() + 1) * sizeof(WCHAR);
            result->pOleStr = static_cast<LPWSTR>(allocator->Alloc(bytes));
            std::memcpy(result->pOleStr, wideName.c_str(), bytes);
            allocator->Release();
        }
        return nameResult;
    }
};
