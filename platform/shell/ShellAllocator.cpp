#include "ShellAllocator.h"

#include <cstdlib>

ShellAllocator& ShellAllocator::Instance() {
    static ShellAllocator allocator;
    return allocator;
}

HRESULT ShellAllocator::QueryInterface(REFIID iid, void** object) {
    if (!object) {
        return E_POINTER;
    }
    if (iid == IID_IUnknown || iid == IID_IMalloc) {
        *object = static_cast<IMalloc*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG ShellAllocator::AddRef() {
    return ++m_references;
}

// The process keeps its own reference, so the count never reaches 0.
ULONG ShellAllocator::Release() {
    return m_references > 1 ? --m_references : 1;
}

void* ShellAllocator::Alloc(SIZE_T size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block) {
        ++m_liveBlocks;
    }
    return block;
}

void ShellAllocator::Free(void* block) {
    if (block) {
        --m_liveBlocks;
        std::free(block);
    }
}
