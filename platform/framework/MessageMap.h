#pragma once

// Static message maps: each class lists the messages it handles; a message that a class does not
// list goes to its base class's map and finally to the default processing.

#include "WinTypes.h"

class CCmdTarget;

struct NMHDR {
    HWND hwndFrom;
    UINT_PTR idFrom;
    int code;
};

using AfxHandlerThunk = LRESULT (*)(CCmdTarget* target, WPARAM wParam, LPARAM lParam);

struct MessageMapEntry {
    UINT message;
    int code;
    UINT id;
    AfxHandlerThunk thunk; // null ends the table
};

struct MessageMap {
    const MessageMap* (*base)();
    const MessageMapEntry* entries;
};

namespace afx_detail {
template <typename> struct MemberOf;
template <typename C, typename R, typename... A> struct MemberOf<R (C::*)(A...)> {
    using Class = C;
};

template <auto F> LRESULT CommandThunk(CCmdTarget* target, WPARAM, LPARAM) {
    using C = typename MemberOf<decltype(F)>::Class;
    (static_cast<C*>(target)->*F)();
    return 0;
}

template <auto F> LRESULT NotifyThunk(CCmdTarget* target, WPARAM, LPARAM lParam) {
    using C = typename MemberOf<decltype(F)>::Class;
    LRESULT result = 0;
    (static_cast<C*>(target)->*F)(reinterpret_cast<NMHDR*>(lParam), &result);
    return result;
}

template <auto F> LRESULT SysCommandThunk(CCmdTarget* target, WPARAM wParam, LPARAM lParam) {
    using C = typename MemberOf<decltype(F)>::Class;
    (static_cast<C*>(target)->*F)(static_cast<UINT>(wParam), lParam);
    return 0;
}

template <auto F> LRESULT QueryIconThunk(CCmdTarget* target, WPARAM, LPARAM) {
    using C = typename MemberOf<decltype(F)>::Class;
    return reinterpret_cast<LRESULT>((static_cast<C*>(target)->*F)());
}
} // namespace afx_detail

#define DECLARE_MESSAGE_MAP()                                                                      \
public:                                                                                            \
    static const MessageMap* GetThisMessageMap();                                                  \
                                                                                                   \
protected:                                                                                         \
    const MessageMap* GetMessageMap() const override;

#define BEGIN_MESSAGE_MAP(theClass, baseClass)                                                     \
    const MessageMap* theClass::GetMessageMap() const {                                            \
        return GetThisMessageMap();                                                                \
    }                                                                                              \
    const MessageMap* theClass::GetThisMessageMap() {                                              \
        using ThisClass [[maybe_unused]] = theClass;                                               \
        using TheBaseClass = baseClass;                                                            \
        static const MessageMapEntry entries[] = {

#define END_MESSAGE_MAP()                                                                          \
    { 0, 0, 0, nullptr }                                                                           \
    }                                                                                              \
    ;                                                                                              \
    static const MessageMap map = {&TheBaseClass::GetThisMessageMap, entries};                     \
    return &map;                                                                                   \
    }

#define ON_COMMAND(id, memberFxn)                                                                  \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), &afx_detail::CommandThunk<memberFxn>},
#define ON_BN_CLICKED(id, memberFxn)                                                               \
    {WM_COMMAND, BN_CLICKED, static_cast<UINT>(id), &afx_detail::CommandThunk<memberFxn>},
#define ON_EN_CHANGE(id, memberFxn)                                                                \
    {WM_COMMAND, EN_CHANGE, static_cast<UINT>(id), &afx_detail::CommandThunk<memberFxn>},
#define ON_NOTIFY(code, id, memberFxn)                                                             \
    {WM_NOTIFY, static_cast<int>(code), static_cast<UINT>(id), &afx_detail::NotifyThunk<memberFxn>},
#define ON_WM_SYSCOMMAND()                                                                         \
    {WM_SYSCOMMAND, 0, 0, &afx_detail::SysCommandThunk<&ThisClass::OnSysCommand>},
#define ON_WM_PAINT() {WM_PAINT, 0, 0, &afx_detail::CommandThunk<&ThisClass::OnPaint>},
#define ON_WM_QUERYDRAGICON()                                                                      \
    {WM_QUERYDRAGICON, 0, 0, &afx_detail::QueryIconThunk<&ThisClass::OnQueryDragIcon>},
