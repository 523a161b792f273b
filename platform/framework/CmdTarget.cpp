#include "CmdTarget.h"

namespace {
bool Matches(const MessageMapEntry& entry, UINT message, int code, UINT id) {
    if (entry.message != message) {
        return false;
    }
    switch (message) {
    case WM_COMMAND:
    case WM_NOTIFY:
        return entry.code == code && entry.id == id;
    default:
        return true;
    }
}
} // namespace

const MessageMap* CCmdTarget::GetThisMessageMap() {
    static const MessageMapEntry entries[] = {{0, 0, 0, nullptr}};
    static const MessageMap map = {nullptr, entries};
    return &map;
}

BOOL CCmdTarget::OnCmdMsg(UINT message, int code, UINT id, WPARAM wParam, LPARAM lParam,
                          LRESULT* result) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base ? map->base() : nullptr) {
        for (const MessageMapEntry* entry = map->entries; entry->thunk; ++entry) {
            if (Matches(*entry, message, code, id)) {
                LRESULT value = entry->thunk(this, wParam, lParam);
                if (result) {
                    *result = value;
                }
                return TRUE;
            }
        }
    }
    return FALSE;
}
