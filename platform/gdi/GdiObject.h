#pragma once

// A GDI object (bitmap or palette) owned through its handle: the object deletes what it still
// holds when it goes, which fails, as it does classically, while the handle is selected somewhere.

#include "GdiTypes.h"

class CGdiObject {
public:
    CGdiObject() = default;
    CGdiObject(const CGdiObject&) = delete;
    CGdiObject& operator=(const CGdiObject&) = delete;
    virtual ~CGdiObject();

    HGDIOBJ m_hObject = nullptr;

    operator HGDIOBJ() const { return m_hObject; }
    BOOL Attach(HGDIOBJ object);
    HGDIOBJ Detach();
    BOOL DeleteObject();
    int GetObject(int size, void* buffer) const;
};
