#include "GdiRegistry.h"

#include <utility>

GdiRegistry& GdiRegistry::Instance() {
    static GdiRegistry registry;
    return registry;
}

GdiRegistry::GdiRegistry() {
    m_stockBitmap.stock = true;
    m_defaultPalette.stock = true;
}

HGDIOBJ GdiRegistry::Add(std::unique_ptr<Object> object) {
    Object* raw = object.get();
    m_objects.emplace(raw, std::move(object));
    return raw;
}

GdiRegistry::Object* GdiRegistry::Find(HGDIOBJ handle) {
    auto* object = static_cast<Object*>(handle);
    if (object == &m_stockBitmap || object == &m_defaultPalette)
        return object;
    return m_objects.contains(object) ? object : nullptr;
}

bool GdiRegistry::Delete(HGDIOBJ handle) {
    Object* object = Find(handle);
    if (!object)
        return false;
    if (object->stock)
        return true;
    if (object->selections > 0)
        return false;
    m_objects.erase(object);
    return true;
}

HDC GdiRegistry::AddContext(DeviceContext::Kind kind, HWND window) {
    auto context = std::make_unique<DeviceContext>(DeviceContext{kind, window});
    DeviceContext* raw = context.get();
    Select(raw->bitmap, &m_stockBitmap);
    Select(raw->palette, &m_defaultPalette);
    m_contexts.emplace(raw, std::move(context));
    return reinterpret_cast<HDC>(raw);
}

GdiRegistry::DeviceContext* GdiRegistry::FindContext(HDC handle) {
    auto* context = reinterpret_cast<DeviceContext*>(handle);
    return m_contexts.contains(context) ? context : nullptr;
}

bool GdiRegistry::DeleteContext(HDC handle) {
    DeviceContext* context = FindContext(handle);
    if (!context)
        return false;
    Select(context->bitmap, nullptr);
    Select(context->palette, nullptr);
    m_contexts.erase(context);
    return true;
}

void GdiRegistry::Select(Object*& slot, Object* object) {
    if (slot)
        --slot->selections;
    slot = object;
    if (slot)
        ++slot->selections;
}

void GdiRegistry::Log(const std::string& call) {
    if (m_logging)
        m_log.push_back(call);
}

void GdiRegistry::StartLog() {
    m_log.clear();
    m_logging = true;
}

std::vector<std::string> GdiRegistry::TakeLog() {
    m_logging = false;
    return std::exchange(m_log, {});
}

const char* GdiRegistry::KindName(DeviceContext::Kind kind) {
    switch (kind) {
    case DeviceContext::Kind::Screen:
        return "screen";
    case DeviceContext::Kind::Window:
        return "window";
    case DeviceContext::Kind::Paint:
        return "paint";
    case DeviceContext::Kind::Memory:
        return "memory";
    }
    return "";
}
