#pragma once

// A logical palette object.

#include "GdiObject.h"

class CPalette : public CGdiObject {
public:
    operator HPALETTE() const { return static_cast<HPALETTE>(m_hObject); }
    int GetEntryCount() const;
    UINT GetPaletteEntries(UINT start, UINT count, PALETTEENTRY* entries) const;
};
