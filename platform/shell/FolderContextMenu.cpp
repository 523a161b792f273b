#include "FolderContextMenu.h"

#include "DetachedLauncher.h"
#include "Menu.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QString>
#include <new>

namespace {

constexpr const char* CommandTexts[] = {"Open", "Copy Location"};

bool CopyToClipboard(const std::string& text) {
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        return false;
    }
    QGuiApplication::clipboard()->setText(QString::fromUtf8(text.data(), text.size()));
    return true;
}

} // namespace

FolderContextMenu::FolderContextMenu(std::string openTarget, std::string location)
    : m_openTarget(std::move(openTarget)), m_location(std::move(location)) {}

HRESULT FolderContextMenu::Create(std::string openTarget, std::string location, REFIID iid,
                                  void** object) {
    if (!object) {
        return E_POINTER;
    }
    *object = nullptr;
    auto* menu = new (std::nothrow) FolderContextMenu(std::move(openTarget), std::move(location));
    if (!menu) {
        return E_OUTOFMEMORY;
    }
    const HRESULT result = menu->QueryInterface(iid, object);
    menu->Release();
    return result;
}

HRESULT FolderContextMenu::QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                                            UINT /*flags*/) {
    if (!menu || lastId < firstId) {
        return E_INVALIDARG;
    }
    UINT added = 0;
    for (UINT command = 0; command < CommandCount() && firstId + command <= lastId; ++command) {
        if (!InsertMenuA(menu, index + command, MF_BYPOSITION | MF_STRING, firstId + command,
                         CommandTexts[command])) {
            return E_FAIL;
        }
        added = command + 1;
    }
    return MAKE_HRESULT(SEVERITY_SUCCESS, 0, added);
}

HRESULT FolderContextMenu::InvokeCommand(CMINVOKECOMMANDINFO* info) {
    if (!info || !IS_INTRESOURCE(info->lpVerb)) {
        return E_INVALIDARG;
    }
    switch (LOWORD(reinterpret_cast<std::uintptr_t>(info->lpVerb))) {
    case Open:
        return DetachedLauncher::Launch("xdg-open", {m_openTarget}) ? S_OK : E_FAIL;
    case CopyLocation:
        if (m_location.empty()) {
            return E_INVALIDARG;
        }
        return CopyToClipboard(m_location) ? S_OK : E_FAIL;
    default:
        return E_INVALIDARG;
    }
}
