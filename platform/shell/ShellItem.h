#pragma once

// One item of an item identifier list as this namespace lays it out:
//
//   cb (2 bytes, little-endian) | kind (1 byte) | text bytes | 0
//
// The text is a file name for folders and files, the mount point for volumes, and empty for
// Home and Computer. A name is kept as the file system's bytes, so it can be handed out as a
// STRRET_OFFSET display name pointing into the item.

#include "ShellTypes.h"

#include <optional>
#include <string_view>

enum class ItemKind : BYTE { Home = 1, Computer = 2, Volume = 3, Folder = 4, File = 5 };

class ShellItem {
public:
    // Where the text begins, counted from the start of the item.
    static constexpr UINT TextOffset = 3;

    // The first item of a list, or nothing when the list is null, empty or not a well-formed
    // item of this namespace. Names that could step out of their folder are refused.
    static std::optional<ShellItem> Read(LPCITEMIDLIST list);
    // The item of a one-item list; nothing for longer lists.
    static std::optional<ShellItem> ReadSingle(LPCITEMIDLIST list);
    // A new one-item list from the shell allocator; null when memory cannot be had or the text
    // is too long for an item.
    static LPITEMIDLIST Create(ItemKind kind, std::string_view text);

    static bool IsEnd(LPCITEMIDLIST list) { return !list || list->mkid.cb == 0; }
    static LPCITEMIDLIST Next(LPCITEMIDLIST list) {
        return reinterpret_cast<LPCITEMIDLIST>(reinterpret_cast<const BYTE*>(list) + list->mkid.cb);
    }

    ItemKind Kind() const { return m_kind; }
    // Zero-terminated inside the item.
    std::string_view Text() const { return m_text; }
    bool IsFileSystemEntry() const {
        return m_kind == ItemKind::Folder || m_kind == ItemKind::File;
    }

private:
    ShellItem(ItemKind kind, std::string_view text) : m_kind(kind), m_text(text) {}

    ItemKind m_kind;
    std::string_view m_text;
};
