#include "Palette.h"

#include "Gdi.h"

int CPalette::GetEntryCount() const {
    WORD count = 0;
    return GetObject(sizeof count, &count) ? count : 0;
}

UINT CPalette::GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* entries) const {
    return ::GetPaletteEntries(*this, start, count, entries);
}
