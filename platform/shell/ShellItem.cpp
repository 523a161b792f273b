#include "ShellItem.h"

#include "ShellAllocator.h"

#include <cstring>
#include <limits>

namespace {

bool IsSafeFileName(std::string_view name) {
    return !name.empty() && name != "." && name != ".." && name.find('/') == std::string_view::npos;
}

bool IsValidText(ItemKind kind, std::string_view text) {
    switch (kind) {
    case ItemKind::Home:
    case ItemKind::Computer:
        return text.empty();
    case ItemKind::Volume:
        return !text.empty() && text.front() == '/';
    case ItemKind::Folder:
    case ItemKind::File:
        return IsSafeFileName(text);
    }
    return false;
}

} // namespace

std::optional<ShellItem> ShellItem::Read(LPCITEMIDLIST list) {
    if (IsEnd(list)) {
        return std::nullopt;
    }
    const auto* bytes = reinterpret_cast<const char*>(list);
    const USHORT size = list->mkid.cb;
    if (size < TextOffset + 1 || bytes[size - 1] != '\0') {
        return std::nullopt;
    }
    const auto kind = static_cast<ItemKind>(bytes[2]);
    const std::string_view text(bytes + TextOffset);
    if (text.size() != size - TextOffset - 1u || !IsValidText(kind, text)) {
        return std::nullopt;
    }
    return ShellItem(kind, text);
}

std::optional<ShellItem> ShellItem::ReadSingle(LPCITEMIDLIST list) {
    auto item = Read(list);
    if (item && !IsEnd(Next(list))) {
        return std::nullopt;
    }
    return item;
}

LPITEMIDLIST ShellItem::Create(ItemKind kind, std::string_view text) {
    const std::size_t itemSize = TextOffset + text.size() + 1;
    if (itemSize > std::numeric_limits<USHORT>::max()) {
        return nullptr;
    }
    auto* bytes = static_cast<BYTE*>(ShellAllocator::Instance().Alloc(itemSize + 2));
    if (!bytes) {
        return nullptr;
    }
    bytes[0] = static_cast<BYTE>(itemSize & 0xFF);
    bytes[1] = static_cast<BYTE>(itemSize >> 8);
    bytes[2] = static_cast<BYTE>(kind);
    std::memcpy(bytes + TextOffset, text.data(), text.size());
    std::memset(bytes + TextOffset + text.size(), 0, 3);
    return reinterpret_cast<LPITEMIDLIST>(bytes);
}
