#pragma once

// A device context. A memory context made with CreateCompatibleDC is deleted with the object
// unless DeleteDC came first.

#include "GdiTypes.h"

#include <memory>
#include <vector>

class CBitmap;
class CGdiObject;
class CPalette;

class CDC {
public:
    CDC();
    CDC(const CDC&) = delete;
    CDC& operator=(const CDC&) = delete;
    virtual ~CDC();

    HDC m_hDC = nullptr;

    operator HDC() const { return m_hDC; }
    HDC GetSafeHdc() const { return m_hDC; }
    BOOL Attach(HDC dc);
    HDC Detach();

    BOOL CreateCompatibleDC(CDC* dc);
    BOOL DeleteDC();

    // The objects returned stand for the handles that were replaced, so that they can be
    // selected back. This context object owns them; they stay valid while it lives.
    CBitmap* SelectObject(CBitmap* bitmap);
    CPalette* SelectPalette(CPalette* palette, BOOL forceBackground);
    UINT RealizePalette();

    int GetDeviceCaps(int index) const;
    BOOL BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                DWORD rop);
    BOOL DrawIcon(int x, int y, HICON icon);

private:
    template <typename Wrapper> Wrapper* StandIn(HGDIOBJ handle);

    std::vector<std::unique_ptr<CGdiObject>> m_standIns;
};
