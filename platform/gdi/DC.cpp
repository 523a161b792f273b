#include "DC.h"

#include "Bitmap.h"
#include "Gdi.h"
#include "Palette.h"

#include <utility>

CDC::CDC() = default;

CDC::~CDC() {
    // The stand-ins only name objects that others own.
    for (auto& standIn : m_standIns)
        standIn->Detach();
    if (m_hDC)
        ::DeleteDC(Detach());
}

BOOL CDC::Attach(HDC dc) {
    if (!dc || m_hDC)
        return FALSE;
    m_hDC = dc;
    return TRUE;
}

HDC CDC::Detach() {
    return std::exchange(m_hDC, nullptr);
}

BOOL CDC::CreateCompatibleDC(CDC* dc) {
    return Attach(::CreateCompatibleDC(dc ? dc->m_hDC : nullptr));
}

BOOL CDC::DeleteDC() {
    if (!m_hDC)
        return FALSE;
    return ::DeleteDC(Detach());
}

template <typename Wrapper> Wrapper* CDC::StandIn(HGDIOBJ handle) {
    if (!handle)
        return nullptr;
    auto standIn = std::make_unique<Wrapper>();
    standIn->m_hObject = handle;
    Wrapper* raw = standIn.get();
    m_standIns.push_back(std::move(standIn));
    return raw;
}

CBitmap* CDC::SelectObject(CBitmap* bitmap) {
    return StandIn<CBitmap>(::SelectObject(m_hDC, bitmap ? bitmap->m_hObject : nullptr));
}

CPalette* CDC::SelectPalette(CPalette* palette, BOOL forceBackground) {
    return StandIn<CPalette>(::SelectPalette(
        m_hDC, palette ? static_cast<HPALETTE>(*palette) : nullptr, forceBackground));
}

UINT CDC::RealizePalette() {
    return ::RealizePalette(m_hDC);
}

int CDC::GetDeviceCaps(int index) const {
    return ::GetDeviceCaps(m_hDC, index);
}

BOOL CDC::BitBlt(int x, int y, int width, int height, CDC* source, int sourceX, int sourceY,
                 DWORD rop) {
    return ::BitBlt(m_hDC, x, y, width, height, source ? source->m_hDC : nullptr, sourceX, sourceY,
                    rop);
}

BOOL CDC::DrawIcon(int x, int y, HICON icon) {
    return ::DrawIcon(m_hDC, x, y, icon);
}
