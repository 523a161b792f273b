#pragma once

// The root of every object that has a message map.

#include "MessageMap.h"

class CCmdTarget {
public:
    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // Looks the message up in this class's map and its bases'; TRUE when a handler ran.
    BOOL OnCmdMsg(UINT message, int code, UINT id, WPARAM wParam, LPARAM lParam, LRESULT* result);

    static const MessageMap* GetThisMessageMap();

protected:
    virtual const MessageMap* GetMessageMap() const { return GetThisMessageMap(); }
};
