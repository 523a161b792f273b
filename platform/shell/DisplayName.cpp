#include "DisplayName.h"

#include "ShellAllocator.h"

#include <cstring>

HRESULT DisplayName::SetWide(std::u16string_view text, STRRET* name) {
    const std::size_t bytes = (text.size() + 1) * sizeof(WCHAR);
    auto* wide = static_cast<LPWSTR>(ShellAllocator::Instance().Alloc(bytes));
    if (!wide) {
        return E_OUTOFMEMORY;
    }
    std::memcpy(wide, text.data(), text.size() * sizeof(WCHAR));
    wide[text.size()] = u'\0';
    name->uType = STRRET_WSTR;
    name->pOleStr = wide;
    return S_OK;
}

HRESULT DisplayName::SetOffset(UINT offset, STRRET* name) {
    name->uType = STRRET_OFFSET;
    name->uOffset = offset;
    return S_OK;
}

HRESULT DisplayName::SetInline(std::string_view text, STRRET* name) {
    const std::size_t length = FittingLength(text, sizeof(name->cStr) - 1);
    name->uType = STRRET_CSTR;
    std::memcpy(name->cStr, text.data(), length);
    name->cStr[length] = '\0';
    return S_OK;
}

std::size_t DisplayName::FittingLength(std::string_view text, std::size_t capacity) {
    if (text.size() <= capacity) {
        return text.size();
    }
    std::size_t length = capacity;
    // Step back over continuation bytes to the start of the character that does not fit; a
    // character has at most three of them.
    while (length > 0 && capacity - length < 3 &&
           (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80) {
        --length;
    }
    return length;
}
