#include "Gdi.h"

#include "GdiRegistry.h"
#include "Resources.h"
#include "WindowSurface.h"

#include <algorithm>
#include <cstring>

namespace {

using Object = GdiRegistry::Object;
using DeviceContext = GdiRegistry::DeviceContext;

GdiRegistry& Registry() {
    return GdiRegistry::Instance();
}

// The classic large-icon size, at which minimised windows draw their icon.
constexpr int iconSize = 32;

std::span<const unsigned char> BitmapResourceBytes(UINT id) {
    auto& overrides = Registry().bitmapOverrides;
    if (auto found = overrides.find(id); found != overrides.end())
        return found->second;
    const BitmapResource* resource = AfxFindBitmap(id);
    return resource ? resource->bytes : std::span<const unsigned char>();
}

HPALETTE AddPalette(std::vector<PALETTEENTRY> entries) {
    auto palette = std::make_unique<Object>(Object::Kind::Palette);
    palette->entries = std::move(entries);
    return static_cast<HPALETTE>(Registry().Add(std::move(palette)));
}

} // namespace

HDC GetDC(HWND window) {
    return Registry().AddContext(window ? DeviceContext::Kind::Window : DeviceContext::Kind::Screen,
                                 window);
}

int ReleaseDC(HWND, HDC dc) {
    DeviceContext* context = Registry().FindContext(dc);
    if (!context || context->kind == DeviceContext::Kind::Memory)
        return 0;
    return Registry().DeleteContext(dc) ? 1 : 0;
}

HDC BeginPaint(HWND window, PAINTSTRUCT* paint) {
    if (!window || !paint)
        return nullptr;
    HDC dc = Registry().AddContext(DeviceContext::Kind::Paint, window);
    Registry().FindContext(dc)->drawsToWindow = BeginWindowPainting(window);
    *paint = PAINTSTRUCT{dc, FALSE, {}};
    return dc;
}

BOOL EndPaint(HWND window, const PAINTSTRUCT* paint) {
    DeviceContext* context = paint ? Registry().FindContext(paint->hdc) : nullptr;
    if (!context || context->kind != DeviceContext::Kind::Paint || context->window != window)
        return FALSE;
    if (context->drawsToWindow)
        EndWindowPainting(window);
    return Registry().DeleteContext(paint->hdc);
}

HDC CreateCompatibleDC(HDC dc) {
    if (dc && !Registry().FindContext(dc))
        return nullptr;
    return Registry().AddContext(DeviceContext::Kind::Memory, nullptr);
}

BOOL DeleteDC(HDC dc) {
    DeviceContext* context = Registry().FindContext(dc);
    if (!context || context->kind != DeviceContext::Kind::Memory)
        return FALSE;
    return Registry().DeleteContext(dc);
}

HGDIOBJ SelectObject(HDC dc, HGDIOBJ object) {
    DeviceContext* context = Registry().FindContext(dc);
    Object* bitmap = Registry().Find(object);
    // Bitmaps go into memory contexts only, and into one at a time; palettes take SelectPalette.
    if (!context || !bitmap || bitmap->kind != Object::Kind::Bitmap ||
        context->kind != DeviceContext::Kind::Memory)
        return nullptr;
    if (bitmap->selections > 0 && bitmap != context->bitmap && !bitmap->stock)
        return nullptr;
    Object* previous = context->bitmap;
    Registry().Select(context->bitmap, bitmap);
    return previous;
}

HPALETTE SelectPalette(HDC dc, HPALETTE palette, BOOL forceBackground) {
    DeviceContext* context = Registry().FindContext(dc);
    Object* object = Registry().Find(palette);
    if (!context || !object || object->kind != Object::Kind::Palette)
        return nullptr;
    Registry().Log(std::string("SelectPalette ") + GdiRegistry::KindName(context->kind) +
                   (forceBackground ? " background" : " foreground"));
    Object* previous = context->palette;
    Registry().Select(context->palette, object);
    return static_cast<HPALETTE>(static_cast<HGDIOBJ>(previous));
}

UINT RealizePalette(HDC dc) {
    DeviceContext* context = Registry().FindContext(dc);
    if (!context)
        return 0;
    Registry().Log(std::string("RealizePalette ") + GdiRegistry::KindName(context->kind));
    // Only a palette display maps the logical palette into the system palette.
    return Registry().paletteDisplay ? static_cast<UINT>(context->palette->entries.size()) : 0;
}

int GetDeviceCaps(HDC dc, int index) {
    if (!Registry().FindContext(dc) || index != RASTERCAPS)
        return 0;
    return RC_BITBLT | (Registry().paletteDisplay ? RC_PALETTE : 0);
}

BOOL BitBlt(HDC dc, int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
            DWORD rop) {
    DeviceContext* target = Registry().FindContext(dc);
    DeviceContext* from = Registry().FindContext(source);
    if (!target || !from || rop != SRCCOPY)
        return FALSE;
    Registry().Log("BitBlt " + std::string(GdiRegistry::KindName(target->kind)) + " " +
                   std::to_string(x) + " " + std::to_string(y) + " " + std::to_string(width) + " " +
                   std::to_string(height) + " " + GdiRegistry::KindName(from->kind) + " " +
                   std::to_string(sourceX) + " " + std::to_string(sourceY) + " SRCCOPY");
    const DibSection* dib = from->bitmap->dib.get();
    if (!target->drawsToWindow || !dib)
        return TRUE;
    // Copy only the part of the source rectangle that lies on the source bitmap.
    int left = std::max(sourceX, 0);
    int top = std::max(sourceY, 0);
    int right = std::min(sourceX + width, dib->Width());
    int bottom = std::min(sourceY + height, dib->Height());
    PaintDibSection(target->window, x + left - sourceX, y + top - sourceY, *dib, left, top,
                    right - left, bottom - top);
    return TRUE;
}

BOOL DrawIcon(HDC dc, int x, int y, HICON icon) {
    DeviceContext* context = Registry().FindContext(dc);
    if (!context || !icon)
        return FALSE;
    Registry().Log("DrawIcon " + std::string(GdiRegistry::KindName(context->kind)) + " " +
                   std::to_string(x) + " " + std::to_string(y));
    if (context->drawsToWindow)
        PaintIcon(context->window, x, y, icon, iconSize);
    return TRUE;
}

HANDLE LoadImage(HINSTANCE, LPCSTR name, UINT type, int width, int height, UINT flags) {
    auto id = reinterpret_cast<std::uintptr_t>(name);
    if (id > 0xFFFF || type != IMAGE_BITMAP || width != 0 || height != 0 ||
        flags != LR_CREATEDIBSECTION)
        return nullptr;
    std::unique_ptr<DibSection> dib =
        DibSection::FromPackedDib(BitmapResourceBytes(static_cast<UINT>(id)));
    if (!dib)
        return nullptr;
    auto bitmap = std::make_unique<Object>(Object::Kind::Bitmap);
    bitmap->dib = std::move(dib);
    return Registry().Add(std::move(bitmap));
}

int GetObject(HGDIOBJ handle, int size, void* buffer) {
    Object* object = Registry().Find(handle);
    if (!object || !buffer || size < 0)
        return 0;
    if (object->kind == Object::Kind::Palette) {
        if (static_cast<std::size_t>(size) < sizeof(WORD))
            return 0;
        auto count = static_cast<WORD>(object->entries.size());
        std::memcpy(buffer, &count, sizeof count);
        return sizeof count;
    }
    DibSection* dib = object->dib.get();
    if (!dib)
        return 0;
    DIBSECTION section{};
    section.dsBm = {
        0, dib->Width(), dib->Height(), dib->Stride(), 1, dib->Header().biBitCount, dib->Bits()};
    section.dsBmih = dib->Header();
    if (static_cast<std::size_t>(size) >= sizeof(DIBSECTION)) {
        std::memcpy(buffer, &section, sizeof section);
        return sizeof section;
    }
    if (static_cast<std::size_t>(size) >= sizeof(BITMAP)) {
        std::memcpy(buffer, &section.dsBm, sizeof section.dsBm);
        return sizeof section.dsBm;
    }
    return 0;
}

UINT GetDIBColorTable(HDC dc, UINT start, UINT count, RGBQUAD* colours) {
    DeviceContext* context = Registry().FindContext(dc);
    if (!context || !colours || !context->bitmap->dib)
        return 0;
    const std::vector<RGBQUAD>& table = context->bitmap->dib->ColourTable();
    if (start >= table.size())
        return 0;
    UINT copied = std::min<UINT>(count, static_cast<UINT>(table.size()) - start);
    std::copy_n(table.begin() + start, copied, colours);
    return copied;
}

HPALETTE CreatePalette(const LOGPALETTE* logPalette) {
    if (!logPalette || logPalette->palVersion != PALVERSION || logPalette->palNumEntries == 0)
        return nullptr;
    Registry().Log("CreatePalette " + std::to_string(logPalette->palNumEntries));
    const PALETTEENTRY* first = logPalette->palPalEntry;
    return AddPalette({first, first + logPalette->palNumEntries});
}

HPALETTE CreateHalftonePalette(HDC dc) {
    if (!Registry().FindContext(dc))
        return nullptr;
    Registry().Log("CreateHalftonePalette");
    std::vector<PALETTEENTRY> entries;
    for (int red = 0; red < 6; ++red)
        for (int green = 0; green < 6; ++green)
            for (int blue = 0; blue < 6; ++blue)
                entries.push_back({static_cast<BYTE>(red * 51), static_cast<BYTE>(green * 51),
                                   static_cast<BYTE>(blue * 51), 0});
    // The cube holds six greys; the ramp fills in between them.
    constexpr int greys = 256 - 216;
    for (int step = 1; step <= greys; ++step) {
        auto grey = static_cast<BYTE>(step * 255 / (greys + 1));
        entries.push_back({grey, grey, grey, 0});
    }
    return AddPalette(std::move(entries));
}

UINT GetPaletteEntries(HPALETTE palette, UINT start, UINT count, PALETTEENTRY* entries) {
    Object* object = Registry().Find(palette);
    if (!object || object->kind != Object::Kind::Palette || start >= object->entries.size())
        return 0;
    UINT copied = std::min<UINT>(count, static_cast<UINT>(object->entries.size()) - start);
    if (entries)
        std::copy_n(object->entries.begin() + start, copied, entries);
    return copied;
}

BOOL DeleteObject(HGDIOBJ object) {
    return Registry().Delete(object);
}

int GetSystemMetrics(int index) {
    return index == SM_CXICON || index == SM_CYICON ? iconSize : 0;
}
