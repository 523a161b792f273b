#pragma once

// A folder of a made-up namespace for the folder tree: named entries with chosen attributes,
// each bound to a sub-folder or failing to bind. It counts enumerations, bindings and
// references, and its item ids hold the entry's name.

#include "ShellApi.h"

#include <cstring>
#include <string>
#include <vector>

class StandInTreeFolder : public IShellFolder {
public:
    struct Entry {
        std::string name;
        SFGAOF attributes;
        StandInTreeFolder* folder; // null: binding fails
    };

    std::vector<Entry> entries;
    bool compareFails = false;
    int enumerations = 0;
    int bindings = 0;
    ULONG references = 1;

    void Add(std::string name, SFGAOF attributes, StandInTreeFolder* folder = nullptr) {
        entries.push_back({std::move(name), attributes, folder});
    }

    static std::string NameOf(LPCITEMIDLIST item) {
        return std::string(reinterpret_cast<const char*>(item->mkid.abID), item->mkid.cb - 2u);
    }

    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }

    HRESULT BindToObject(LPCITEMIDLIST item, IBindCtx*, REFIID, void** object) override {
        ++bindings;
        const Entry* entry = Find(item);
        if (!entry || !entry->folder) {
            return E_FAIL;
        }
        entry->folder->AddRef();
        *object = static_cast<IShellFolder*>(entry->folder);
        return S_OK;
    }
    HRESULT CompareIDs(LPARAM, LPCITEMIDLIST item1, LPCITEMIDLIST item2) override {
        if (compareFails) {
            return E_FAIL;
        }
        const int order = NameOf(item1).compare(NameOf(item2));
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, static_cast<USHORT>(order < 0 ? -1 : order > 0));
    }
    HRESULT EnumObjects(HWND, DWORD, IEnumIDList** enumerator) override {
        ++enumerations;
        *enumerator = new Enumerator(entries);
        return S_OK;
    }
    HRESULT GetAttributesOf(UINT count, LPCITEMIDLIST* items, SFGAOF* attributes) override {
        const Entry* entry = count == 1 ? Find(items[0]) : nullptr;
        *attributes &= entry ? entry->attributes : 0;
        return S_OK;
    }
    HRESULT GetUIObjectOf(HWND, UINT, LPCITEMIDLIST*, REFIID, UINT*, void**) override {
        return E_FAIL;
    }
    HRESULT GetDisplayNameOf(LPCITEMIDLIST item, DWORD, STRRET* name) override {
        name->uType = STRRET_CSTR;
        std::strncpy(name->cStr, NameOf(item).c_str(), MAX_PATH - 1);
        name->cStr[MAX_PATH - 1] = '\0';
        return S_OK;
    }

private:
    class Enumerator final : public IEnumIDList {
    public:
        explicit Enumerator(const std::vector<Entry>& entries) : m_entries(entries) {}
        HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
        ULONG AddRef() override { return ++m_references; }
        ULONG Release() override {
            if (--m_references == 0) {
                delete this;
                return 0;
            }
            return m_references;
        }
        HRESULT Next(ULONG, LPITEMIDLIST* items, ULONG* fetched) override {
            if (m_next == m_entries.size()) {
                *fetched = 0;
                return S_FALSE;
            }
            const std::string& name = m_entries[m_next++].name;
            IMalloc* allocator = nullptr;
            SHGetMalloc(&allocator);
            auto* bytes = static_cast<BYTE*>(allocator->Alloc(name.size() + 4));
            allocator->Release();
            const auto size = static_cast<USHORT>(name.size() + 2);
            std::memcpy(bytes, &size, 2);
            std::memcpy(bytes + 2, name.data(), name.size());
            std::memset(bytes + size, 0, 2);
            items[0] = reinterpret_cast<LPITEMIDLIST>(bytes);
            *fetched = 1;
            return S_OK;
        }
        HRESULT Skip(ULONG) override { return E_FAIL; }
        HRESULT Reset() override { return E_FAIL; }

    private:
        ~Enumerator() = default;
        std::vector<Entry> m_entries;
        std::size_t m_next = 0;
        ULONG m_references = 1;
    };

    const Entry* Find(LPCITEMIDLIST item) const {
        const std::string name = NameOf(item);
        for (const Entry& entry : entries) {
            if (entry.name == name) {
                return &entry;
            }
        }
        return nullptr;
    }
};
