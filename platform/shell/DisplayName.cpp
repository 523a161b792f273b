#include "DisplayName.h"

#include "ShellAllocator.h"
#include "Utf8Text.h"

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
    const std::size_t length = Utf8PrefixLength(text, sizeof(name->cStr) - 1);
    name->uType = STRRET_CSTR;
    std::memcpy(name->cStr, text.data(), length);
    name->cStr[length] = '\0';
    return S_OK;
}
