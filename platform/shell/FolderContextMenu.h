#pragma once

// The context menu of one namespace item: "Open" shows the item in the desktop's file manager
// (through xdg-open), and "Copy Location" puts its path on the clipboard when it has one.

#include "ComObject.h"
#include "ShellInterfaces.h"

#include <string>

class FolderContextMenu final : public ComObject<IContextMenu, IID_IContextMenu> {
public:
    // `location` is empty for an item with no path of its own.
    FolderContextMenu(std::string openTarget, std::string location);

    // A new menu, handed out as the interface asked for (IID_IContextMenu or IID_IUnknown).
    static HRESULT Create(std::string openTarget, std::string location, REFIID iid, void** object);

    HRESULT QueryContextMenu(HMENU menu, UINT index, UINT firstId, UINT lastId,
                             UINT flags) override;
    HRESULT InvokeCommand(CMINVOKECOMMANDINFO* info) override;

private:
    enum Command : UINT { Open = 0, CopyLocation = 1 };

    UINT CommandCount() const { return m_location.empty() ? 1 : 2; }

    std::string m_openTarget;
    std::string m_location;
};
