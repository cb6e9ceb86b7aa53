// HRESULT values and the macros that take them apart, as winerror.h spells them.
// The 0x8xxxxxxx codes do not fit int32 literals, so they are constexpr values.
#pragma once

#include "platform/crt/wintypes.h"

constexpr HRESULT mw_hresult(std::uint32_t bits) {
    return static_cast<HRESULT>(bits);
}

inline constexpr HRESULT S_OK = 0;
inline constexpr HRESULT S_FALSE = 1;
inline constexpr HRESULT NOERROR = 0;
inline constexpr HRESULT E_UNEXPECTED = mw_hresult(0x8000FFFF);
inline constexpr HRESULT E_NOTIMPL = mw_hresult(0x80004001);
inline constexpr HRESULT E_NOINTERFACE = mw_hresult(0x80004002);
inline constexpr HRESULT E_POINTER = mw_hresult(0x80004003);
inline constexpr HRESULT E_ABORT = mw_hresult(0x80004004);
inline constexpr HRESULT E_FAIL = mw_hresult(0x80004005);
inline constexpr HRESULT E_ACCESSDENIED = mw_hresult(0x80070005);
inline constexpr HRESULT E_HANDLE = mw_hresult(0x80070006);
inline constexpr HRESULT E_OUTOFMEMORY = mw_hresult(0x8007000E);
inline constexpr HRESULT E_INVALIDARG = mw_hresult(0x80070057);
inline constexpr HRESULT REGDB_E_CLASSNOTREG = mw_hresult(0x80040154);
inline constexpr HRESULT CLASS_E_NOAGGREGATION = mw_hresult(0x80040110);
inline constexpr HRESULT CO_E_CLASSSTRING = mw_hresult(0x800401F3);
inline constexpr HRESULT RPC_E_CHANGED_MODE = mw_hresult(0x80010106);
inline constexpr HRESULT DISP_E_TYPEMISMATCH = mw_hresult(0x80020005);
inline constexpr HRESULT DISP_E_OVERFLOW = mw_hresult(0x8002000A);
inline constexpr HRESULT DISP_E_BADINDEX = mw_hresult(0x8002000B);
inline constexpr HRESULT DISP_E_ARRAYISLOCKED = mw_hresult(0x8002000D);
inline constexpr HRESULT DISP_E_BADVARTYPE = mw_hresult(0x80020008);

inline constexpr unsigned SEVERITY_SUCCESS = 0;
inline constexpr unsigned SEVERITY_ERROR = 1;
inline constexpr unsigned FACILITY_NULL = 0;
inline constexpr unsigned FACILITY_RPC = 1;
inline constexpr unsigned FACILITY_DISPATCH = 2;
inline constexpr unsigned FACILITY_ITF = 4;
inline constexpr unsigned FACILITY_WIN32 = 7;

constexpr bool SUCCEEDED(HRESULT hr) {
    return hr >= 0;
}
constexpr bool FAILED(HRESULT hr) {
    return hr < 0;
}
constexpr bool IS_ERROR(HRESULT hr) {
    return hr < 0;
}
constexpr HRESULT MAKE_HRESULT(unsigned sev, unsigned fac, unsigned code) {
    return static_cast<HRESULT>((static_cast<std::uint32_t>(sev) << 31) |
                                ((static_cast<std::uint32_t>(fac) & 0x7FF) << 16) |
                                (static_cast<std::uint32_t>(code) & 0xFFFF));
}
constexpr unsigned HRESULT_CODE(HRESULT hr) {
    return static_cast<std::uint32_t>(hr) & 0xFFFF;
}
constexpr unsigned HRESULT_FACILITY(HRESULT hr) {
    return (static_cast<std::uint32_t>(hr) >> 16) & 0x1FFF;
}
constexpr unsigned HRESULT_SEVERITY(HRESULT hr) {
    return (static_cast<std::uint32_t>(hr) >> 31) & 1;
}
constexpr HRESULT HRESULT_FROM_WIN32(unsigned long x) {
    return static_cast<HRESULT>(x) <= 0
               ? static_cast<HRESULT>(x)
               : static_cast<HRESULT>((static_cast<std::uint32_t>(x) & 0xFFFF) |
                                      (FACILITY_WIN32 << 16) | 0x80000000u);
}
