#pragma once

// Platform-internal: what stands behind the GDI handles. Every bitmap, palette and device
// context that exists is registered here, so handles can be checked, live objects counted and
// the drawing calls recorded for tests.

#include "DibSection.h"
#include "GdiTypes.h"

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class GdiRegistry {
public:
    struct Object {
        enum class Kind { Bitmap, Palette };
        explicit Object(Kind kind) : kind(kind) {}

        Kind kind;
        std::unique_ptr<DibSection> dib;   // a bitmap's pixels; none for the empty stock bitmap
        std::vector<PALETTEENTRY> entries; // a palette's colours
        bool stock = false;
        int selections = 0; // device contexts that hold it
    };

    struct DeviceContext {
        enum class Kind { Screen, Window, Paint, Memory } kind;
        HWND window = nullptr;
        Object* bitmap = nullptr;
        Object* palette = nullptr;
        bool drawsToWindow = false; // a paint context that reached the window's surface
    };

    static GdiRegistry& Instance();

    HGDIOBJ Add(std::unique_ptr<Object> object);
    Object* Find(HGDIOBJ handle);
    // Fails while the object is selected into a device context; stock objects are never deleted.
    bool Delete(HGDIOBJ handle);

    HDC AddContext(DeviceContext::Kind kind, HWND window);
    DeviceContext* FindContext(HDC handle);
    // Lets go of what is selected into the context, without deleting it.
    bool DeleteContext(HDC handle);
    void Select(Object*& slot, Object* object);

    int LiveCount() const { return static_cast<int>(m_objects.size() + m_contexts.size()); }

    bool paletteDisplay = false;
    std::map<UINT, std::vector<unsigned char>> bitmapOverrides;

    void Log(const std::string& call);
    void StartLog();
    std::vector<std::string> TakeLog();
    static const char* KindName(DeviceContext::Kind kind);

private:
    GdiRegistry();

    std::map<Object*, std::unique_ptr<Object>> m_objects;
    std::map<DeviceContext*, std::unique_ptr<DeviceContext>> m_contexts;
    Object m_stockBitmap{Object::Kind::Bitmap};
    Object m_defaultPalette{Object::Kind::Palette};
    bool m_logging = false;
    std::vector<std::string> m_log;
};
