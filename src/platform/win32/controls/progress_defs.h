// The progress bar's messages and structures, with the numbers of the real control.
#pragma once

#include "platform/crt/wintypes.h"

inline constexpr const char* PROGRESS_CLASS = "msctls_progress32";

// clang-format off
inline constexpr UINT PBM_SETRANGE   = 0x0401; // lParam: MAKELPARAM(low, high), 16-bit each
inline constexpr UINT PBM_SETPOS     = 0x0402; // returns the old position
inline constexpr UINT PBM_DELTAPOS   = 0x0403;
inline constexpr UINT PBM_SETSTEP    = 0x0404;
inline constexpr UINT PBM_STEPIT     = 0x0405; // wraps to the low end past the top
inline constexpr UINT PBM_SETRANGE32 = 0x0406;
inline constexpr UINT PBM_GETRANGE   = 0x0407; // wParam TRUE: the low end; lParam: PBRANGE*
inline constexpr UINT PBM_GETPOS     = 0x0408;

inline constexpr DWORD PBS_SMOOTH   = 0x01;
inline constexpr DWORD PBS_VERTICAL = 0x04;
// clang-format on

struct PBRANGE {
    int iLow = 0;
    int iHigh = 0;
};
using PPBRANGE = PBRANGE*;
