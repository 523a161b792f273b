#pragma once

// The shell allocator: one per process, never destroyed. It counts the blocks it has handed
// out and not yet taken back, so that callers can prove they free what they get.

#include "ShellInterfaces.h"

#include <atomic>

class ShellAllocator final : public IMalloc {
public:
    static ShellAllocator& Instance();

    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override;
    ULONG Release() override;
    void* Alloc(SIZE_T size) override;
    void Free(void* block) override;

    long LiveBlockCount() const { return m_liveBlocks.load(); }

private:
    ShellAllocator() = default;

    std::atomic<ULONG> m_references{1};
    std::atomic<long> m_liveBlocks{0};
};
