#pragma once

// A context menu with two commands that records what it was asked to do.

#include "Menu.h"
#include "ShellApi.h"

#include <vector>

class StandInContextMenu : public IContextMenu {
public:
    HRESULT queryResult = S_OK;
    HRESULT invokeResult = S_OK;
    std::vector<CMINVOKECOMMANDINFO> invocations;
    ULONG references = 0;
    UINT queriedFirstId = 0;
    UINT queriedLastId = 0;
    UINT queriedFlags = 0;

    HRESULT QueryInterface(REFIID, void**) override { return E_NOINTERFACE; }
    ULONG AddRef() override { return ++references; }
    ULONG Release() override { return --references; }

    HRESULT QueryContextMenu(HMENU menu, UINT, UINT firstId, UINT lastId, UINT flags) override {
        queriedFirstId = firstId;
        queriedLastId = lastId;
        queriedFlags = flags;
        if (FAILED(queryResult)) {
            return queryResult;
        }
        AppendMenuA(menu, MF_STRING, firstId, "First");
        AppendMenuA(menu, MF_STRING, firstId + 1, "Second");
        return MAKE_HRESULT(SEVERITY_SUCCESS, 0, 2);
    }
    HRESULT InvokeCommand(CMINVOKECOMMANDINFO* info) override {
        invocations.push_back(*info);
        return invokeResult;
    }
};
