#pragma once

// Fills a STRRET in each of its three forms.

#include "ShellTypes.h"

#include <string_view>

class DisplayName {
public:
    // A wide string from the shell allocator, which the receiver frees.
    static HRESULT SetWide(std::u16string_view text, STRRET* name);
    // A zero-terminated text at `offset` bytes from the start of the item list asked about.
    static HRESULT SetOffset(UINT offset, STRRET* name);
    // Inline text, cut at a character boundary to fit with its terminator.
    static HRESULT SetInline(std::string_view text, STRRET* name);
};
