#include "ShellAllocator.h"
#include "ShellApi.h"

#include <gtest/gtest.h>

TEST(ShellAllocatorTest, CountsLiveBlocksAndIgnoresNull) {
    IMalloc* allocator = nullptr;
    ASSERT_EQ(SHGetMalloc(&allocator), S_OK);
    const long start = ShellAllocator::Instance().LiveBlockCount();

    void* first = allocator->Alloc(20);
    void* empty = allocator->Alloc(0);
    ASSERT_NE(first, nullptr);
    ASSERT_NE(empty, nullptr);
    EXPECT_EQ(ShellAllocator::Instance().LiveBlockCount(), start + 2);
    allocator->Free(first);
    allocator->Free(empty);
    allocator->Free(nullptr);
    EXPECT_EQ(ShellAllocator::Instance().LiveBlockCount(), start);
    allocator->Release();
}

TEST(ShellAllocatorTest, IsOneProcessWideObjectThatReleaseNeverDestroys) {
    IMalloc* first = nullptr;
    IMalloc* second = nullptr;
    ASSERT_EQ(SHGetMalloc(&first), S_OK);
    ASSERT_EQ(SHGetMalloc(&second), S_OK);
    EXPECT_EQ(first, second);
    first->Release();
    second->Release();
    EXPECT_GE(second->Release(), 1u);
    void* block = second->Alloc(1);
    EXPECT_NE(block, nullptr) << "still usable after every reference is released";
    second->Free(block);
    EXPECT_EQ(SHGetMalloc(nullptr), E_INVALIDARG);
}

TEST(ShellAllocatorTest, AnswersForItsOwnInterfacesOnly) {
    IMalloc* allocator = nullptr;
    ASSERT_EQ(SHGetMalloc(&allocator), S_OK);
    void* object = nullptr;
    EXPECT_EQ(allocator->QueryInterface(IID_IMalloc, &object), S_OK);
    EXPECT_EQ(object, allocator);
    allocator->Release();
    EXPECT_EQ(allocator->QueryInterface(IID_IUnknown, &object), S_OK);
    allocator->Release();
    EXPECT_EQ(allocator->QueryInterface(IID_IShellFolder, &object), E_NOINTERFACE);
    EXPECT_EQ(object, nullptr);
    allocator->Release();
}
