// The date and time picker's and the month calendar's messages, styles, notification codes
// and structures, with the numbers and layouts of the real common controls.
#pragma once

#include "platform/crt/wintypes.h"
#include "platform/win32/kernel.h"
#include "platform/win32/messages.h"

inline constexpr const char* DATETIMEPICK_CLASS = "SysDateTimePick32";
inline constexpr const char* MONTHCAL_CLASS = "SysMonthCal32";

// clang-format off
inline constexpr UINT DTM_FIRST         = 0x1000;
inline constexpr UINT DTM_GETSYSTEMTIME = DTM_FIRST + 1;
inline constexpr UINT DTM_SETSYSTEMTIME = DTM_FIRST + 2;
inline constexpr UINT DTM_GETMONTHCAL   = DTM_FIRST + 8; // the calendar while it is open, else 0

inline constexpr UINT MCM_FIRST     = 0x1000;
inline constexpr UINT MCM_GETCURSEL = MCM_FIRST + 1;
inline constexpr UINT MCM_SETCURSEL = MCM_FIRST + 2;

inline constexpr DWORD DTS_UPDOWN          = 0x0001;
inline constexpr DWORD DTS_SHOWNONE        = 0x0002;
inline constexpr DWORD DTS_SHORTDATEFORMAT = 0x0000;
inline constexpr DWORD DTS_LONGDATEFORMAT  = 0x0004;
inline constexpr DWORD DTS_TIMEFORMAT      = 0x0009;
inline constexpr DWORD DTS_APPCANPARSE     = 0x0010;
inline constexpr DWORD DTS_RIGHTALIGN      = 0x0020; // the calendar opens right-aligned

inline constexpr LRESULT GDT_ERROR = -1;
inline constexpr WPARAM GDT_VALID  = 0;
inline constexpr WPARAM GDT_NONE   = 1;

inline constexpr UINT DTN_FIRST2         = 0u - 753u;
inline constexpr UINT DTN_CLOSEUP        = DTN_FIRST2;
inline constexpr UINT DTN_DROPDOWN       = DTN_FIRST2 - 1;
inline constexpr UINT DTN_DATETIMECHANGE = DTN_FIRST2 - 6;

inline constexpr UINT MCN_FIRST     = 0u - 746u;
inline constexpr UINT MCN_SELECT    = MCN_FIRST;
inline constexpr UINT MCN_SELCHANGE = MCN_FIRST - 3;
// clang-format on

struct NMDATETIMECHANGE {
    NMHDR nmhdr;
    DWORD dwFlags = 0; // GDT_VALID or GDT_NONE
    SYSTEMTIME st{};
};
using LPNMDATETIMECHANGE = NMDATETIMECHANGE*;

struct NMSELCHANGE {
    NMHDR nmhdr;
    SYSTEMTIME stSelStart{};
    SYSTEMTIME stSelEnd{};
};
