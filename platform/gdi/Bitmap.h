#pragma once

// A bitmap object; the logo is attached to one as a DIB section.

#include "GdiObject.h"

class CBitmap : public CGdiObject {
public:
    operator HBITMAP() const { return static_cast<HBITMAP>(m_hObject); }
};
