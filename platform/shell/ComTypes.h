#pragma once

// Result codes, interface ids and IUnknown: the little of the component object model that the
// shell's interfaces are built on.

#include "WinTypes.h"

#include <cstdint>

using HRESULT = std::int32_t;
using SIZE_T = std::size_t;
using DWORD_PTR = std::uintptr_t;
using USHORT = std::uint16_t;

constexpr HRESULT S_OK = 0;
constexpr HRESULT S_FALSE = 1;
constexpr HRESULT E_NOINTERFACE = static_cast<HRESULT>(0x80004002);
constexpr HRESULT E_POINTER = static_cast<HRESULT>(0x80004003);
constexpr HRESULT E_FAIL = static_cast<HRESULT>(0x80004005);
constexpr HRESULT E_OUTOFMEMORY = static_cast<HRESULT>(0x8007000E);
constexpr HRESULT E_INVALIDARG = static_cast<HRESULT>(0x80070057);

constexpr ULONG SEVERITY_SUCCESS = 0;

constexpr bool SUCCEEDED(HRESULT result) {
    return result >= 0;
}
constexpr bool FAILED(HRESULT result) {
    return result < 0;
}
constexpr HRESULT MAKE_HRESULT(ULONG severity, ULONG facility, ULONG code) {
    return static_cast<HRESULT>((severity << 31) | (facility << 16) | code);
}
constexpr WORD HRESULT_CODE(HRESULT result) {
    return static_cast<WORD>(result & 0xFFFF);
}

struct GUID {
    std::uint32_t Data1;
    std::uint16_t Data2;
    std::uint16_t Data3;
    std::uint8_t Data4[8];

    friend constexpr bool operator==(const GUID&, const GUID&) = default;
};
using IID = GUID;
using REFIID = const IID&;

inline constexpr IID IID_IUnknown = {
    0x00000000, 0x0000, 0x0000, {0xC0, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x46}};

class IUnknown {
public:
    virtual HRESULT QueryInterface(REFIID iid, void** object) = 0;
    virtual ULONG AddRef() = 0;
    virtual ULONG Release() = 0;

protected:
    ~IUnknown() = default;
};
